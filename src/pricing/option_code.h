#ifndef QX_PRICING_OPTION_CODE_H
#define QX_PRICING_OPTION_CODE_H

#include <string>

namespace qx {

class Option;

// The exchange's two-letter code of a contract: the expiration month's letter (A..L for
// calls, M..X for puts) and the strike's letter (A..T for whole strikes by their last two
// digits, U..Z for the half strikes 7.5 .. 32.5 in steps of 30). Empty while expiration,
// strike or type is missing, or when the strike has no letter.
std::string SymbolCode(const Option& option);

// The contract's OCC symbol: the underlying's symbol in upper case, padded with spaces to six
// characters, the expiration as YYMMDD, C or P, and the strike in thousandths as eight
// digits ("XYZ   270115C00100000"). Empty while expiration, strike or type is missing,
// and when the symbol (one to six letters, digits or points) or the strike (below
// 100000, in whole thousandths) cannot be written so.
std::string OccSymbol(const Option& option, const std::string& underlyingSymbol);

}  // namespace qx

#endif  // QX_PRICING_OPTION_CODE_H
