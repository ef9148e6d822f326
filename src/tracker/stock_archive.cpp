#include "platform/archive.h"
#include "pricing/record_fields.h"
#include "tracker/stock.h"

namespace qx {

bool Stock::Serialize(CArchive& archive) {
    Stock read = *this;
    Stock& fields = archive.IsStoring() ? *this : read;
    archive.Exchange(fields.price);
    archive.Exchange(fields.shares);
    archive.Exchange(fields.unitsPerContract);
    archive.Exchange(fields.fees);
    archive.Exchange(fields.side);
    archive.Exchange(fields.assetType);
    archive.Exchange(fields.symbol);
    if (archive.IsLoading()) archive.Expect(TakeLoaded(read));
    if (!archive.EndRecord()) return false;
    // Every amount is counted per unit, so a multiplier below 1 would void the leg.
    if (unitsPerContract < 1) unitsPerContract = 1;
    return true;
}

// Earlier editions may have stored a multiplier below 1, which is raised to 1 above
// rather than refused.
bool Stock::TakeLoaded(const Stock& read) {
    *this = Stock();
    return AllAccepted({
        SetPrice(read.price),
        SetShares(read.shares),
        SetUnitsPerContract(std::max(read.unitsPerContract, 0)),
        SetFees(read.fees),
        SetSide(read.side),
        SetAssetType(read.assetType),
        SetSymbol(read.symbol),
    });
}

}  // namespace qx
