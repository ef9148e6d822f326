#include "platform/archive.h"
#include "pricing/option.h"

namespace qx {

// The document keeps the two dates after the three rates, not where the record holds
// them.
bool Option::Serialize(CArchive& archive) {
    archive.Exchange(optionType);
    archive.Exchange(underlyingPrice);
    archive.Exchange(strike);
    archive.Exchange(price);
    archive.Exchange(fees);
    archive.Exchange(daysLeft);
    archive.Exchange(years);
    archive.Exchange(side);
    archive.Exchange(assetType);
    archive.Exchange(unitsPerContract);
    archive.Exchange(contracts);
    archive.Exchange(interestRate);
    archive.Exchange(dividendYield);
    archive.Exchange(volatility);
    archive.Exchange(valuationDate);
    archive.Exchange(expiration);
    archive.Exchange(latticeSteps);
    // The choices no setter lets out of their range mark a damaged file.
    archive.ExpectRange(optionType, kNoOptionType, kPut);
    archive.ExpectRange(side, kNoSide, kSell);
    archive.ExpectRange(assetType, kNoAssetType, kFutureAsset);
    return archive.EndRecord();
}

}  // namespace qx
