#ifndef QX_STATEMENT_STATEMENT_TEXT_H
#define QX_STATEMENT_STATEMENT_TEXT_H

#include <cstdint>
#include <string_view>

#include "platform/ctime.h"

namespace qx {

// Reads a money or number field as brokers write it: "1850", "-2.5", "4,091",
// "$1,850.00", "($1,850.00)" or "-$1,850.00"; false for an empty or foreign text.
bool ReadAmount(std::string_view text, double& value);

// Reads a whole count ("4,091", "-2"); false for a fraction or a foreign text.
bool ReadCount(std::string_view text, std::int64_t& value);

// Reads a trade date with its time of day when it has one, as the wall-clock time the
// file prints (an offset after it is not applied): "2021-10-11, 11:28:44",
// "2024-03-15T14:30:00-0400", "20230403;095853", "20230403", "08/15/2026",
// "9/18/26", "03/15/2021 2:30 PM", and "08/15/2026 as of 08/14/2026" (the date the
// trade counts for). False for anything else, or a date a document cannot hold.
bool ReadStatementDate(std::string_view text, CTime& time);

}  // namespace qx

#endif  // QX_STATEMENT_STATEMENT_TEXT_H
