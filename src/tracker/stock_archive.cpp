#include "platform/archive.h"
#include "tracker/stock.h"

namespace qx {

bool Stock::Serialize(CArchive& archive) {
    archive.Exchange(price);
    archive.Exchange(shares);
    archive.Exchange(unitsPerContract);
    archive.Exchange(fees);
    archive.Exchange(side);
    archive.Exchange(assetType);
    archive.Exchange(symbol);
    // The choices no setter lets out of their range mark a damaged file.
    archive.ExpectRange(side, 0, 2);
    archive.ExpectRange(assetType, 0, 3);
    if (!archive.EndRecord()) return false;
    // Every amount is counted per unit, so a multiplier below 1 would void the leg.
    if (unitsPerContract < 1) unitsPerContract = 1;
    return true;
}

}  // namespace qx
