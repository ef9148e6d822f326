#ifndef QX_STATEMENT_ENTRY_NAMES_H
#define QX_STATEMENT_ENTRY_NAMES_H

#include <string>

#include "platform/ctime.h"
#include "pricing/record_enums.h"

namespace qx {

// The tracker's entry name of an option series from a statement: the root, then the
// expiration, strike and type ("AAPL Aug 15 2026 210 Put"). The root and the full date
// keep apart series that the editor's short form ("Aug 210 Put") would merge: the same
// month and strike of two underlyings, or of two years, or two expirations in a month.
std::string OptionEntryName(const std::string& root, CTime expiration, double strike,
                            OptionType optionType);

// The underlying's name an option entry belongs to: the root of a name built by
// OptionEntryName, or empty for a name the editor made ("Aug 210 Put"), whose
// underlying is the document's.
std::string UnderlyingOfEntry(const std::string& entry);

// Whether the root names a cash-settled index whose options deliver no shares.
bool IsIndexRoot(const std::string& root);

}  // namespace qx

#endif  // QX_STATEMENT_ENTRY_NAMES_H
