#include "platform/archive.h"
#include "pricing/option.h"
#include "pricing/record_fields.h"

namespace qx {

// The document keeps the two dates after the three rates, not where the record holds
// them.
bool Option::Serialize(CArchive& archive) {
    Option read = *this;
    Option& fields = archive.IsStoring() ? *this : read;
    archive.Exchange(fields.optionType);
    archive.Exchange(fields.underlyingPrice);
    archive.Exchange(fields.strike);
    archive.Exchange(fields.price);
    archive.Exchange(fields.fees);
    archive.Exchange(fields.daysLeft);
    archive.Exchange(fields.years);
    archive.Exchange(fields.side);
    archive.Exchange(fields.assetType);
    archive.Exchange(fields.unitsPerContract);
    archive.Exchange(fields.contracts);
    archive.Exchange(fields.interestRate);
    archive.Exchange(fields.dividendYield);
    archive.Exchange(fields.volatility);
    archive.Exchange(fields.valuationDate);
    archive.Exchange(fields.expiration);
    archive.Exchange(fields.latticeSteps);
    if (archive.IsLoading()) archive.Expect(TakeLoaded(read));
    return archive.EndRecord();
}

// The unset type and volatility are what a new or cleared slot holds; years follow
// the days left, as SetDaysLeft gives them.
bool Option::TakeLoaded(const Option& read) {
    *this = Option();
    valuationDate = read.valuationDate;
    expiration = read.expiration;
    return AllAccepted({
        read.optionType == kNoOptionType ? 0 : SetOptionType(read.optionType),
        SetUnderlyingPrice(read.underlyingPrice),
        SetStrike(read.strike),
        SetPrice(read.price),
        SetFees(read.fees),
        SetDaysLeft(read.daysLeft),
        SetSide(read.side),
        SetAssetType(read.assetType),
        SetUnitsPerContract(read.unitsPerContract),
        SetContracts(read.contracts),
        SetInterestRate(read.interestRate),
        SetDividendYield(read.dividendYield),
        read.volatility == 0 ? 0 : SetVolatility(read.volatility),
        SetLatticeSteps(read.latticeSteps),
    });
}

}  // namespace qx
