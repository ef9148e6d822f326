#include "platform/archive.h"
#include "pricing/record_fields.h"
#include "tracker/stock.h"

namespace qx {

bool Stock::Serialize(CArchive& archive) {
    if (!archive.ExchangeRecord(*this, &Stock::TakeLoaded, &Stock::price, &Stock::shares,
                                &Stock::unitsPerContract, &Stock::fees,
                                AsStored(&Stock::side, SideFromStored),
                                AsStored(&Stock::assetType, AssetTypeFromStored), &Stock::symbol))
        return false;
    // Every amount is counted per unit, so a multiplier below 1 would void the leg.
    if (unitsPerContract < 1) unitsPerContract = 1;
    return true;
}

// Earlier editions may have stored a multiplier below 1, which is raised to 1 above
// rather than refused, and a symbol longer than a record now takes, which is kept.
bool Stock::TakeLoaded(const Stock& read) {
    *this = Stock();
    symbol = read.symbol;
    return AllAccepted({
        SetPrice(read.price),
        SetShares(read.shares),
        SetUnitsPerContract(std::max(read.unitsPerContract, 0)),
        SetFees(read.fees),
        SetSide(read.side),
        SetAssetType(read.assetType),
    });
}

}  // namespace qx
