#ifndef QX_EDITOR_CHOICE_LISTS_H
#define QX_EDITOR_CHOICE_LISTS_H

#include <string>
#include <vector>

#include "platform/ctime.h"
#include "pricing/record_enums.h"

namespace qx {

// The 11 strikes offered around an underlying price, five steps either side of it,
// with a step that suits the price's size; empty for a price that is not positive.
std::vector<std::string> StrikeList(double price);

// The holdings offered for an asset type: contracts for a future, shares otherwise.
std::vector<std::string> SharesList(AssetType assetType);

// The contract counts offered in an option row.
std::vector<std::string> ContractsList();

// The expiration months offered from start, its own month first: those of the 13
// months whose expiration day a record can hold.
std::vector<std::string> ExpirationList(CTime start);

// The units per contract offered in the "Units/Contract" list.
std::vector<std::string> UnitsList();

}  // namespace qx

#endif  // QX_EDITOR_CHOICE_LISTS_H
