#ifndef QX_STATEMENT_OCC_SYMBOL_H
#define QX_STATEMENT_OCC_SYMBOL_H

#include <string>
#include <string_view>

#include "platform/ctime.h"
#include "pricing/record_enums.h"

namespace qx {

// An option series as the clearing house's symbol names it.
struct OccSymbol {
    std::string root;  // the underlying's symbol, up to six characters
    CTime expiration;  // the expiration day, at midnight
    OptionType optionType = OptionType::kNone;
    double strike = 0;
};

// Reads "AAPL  260918C00260000": the root padded to six characters, the expiration as
// YYMMDD, C or P, and the strike times 1000 in eight digits; the padding may be missing
// and a leading dot is allowed. False for anything else.
bool ParseOccSymbol(std::string_view text, OccSymbol& symbol);

}  // namespace qx

#endif  // QX_STATEMENT_OCC_SYMBOL_H
