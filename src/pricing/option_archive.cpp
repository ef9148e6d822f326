#include "platform/archive.h"
#include "pricing/option.h"
#include "pricing/record_fields.h"

namespace qx {

// The document keeps the two dates after the three rates, not where the record holds
// them, and the whole days left as years, whatever time to the close the record values.
bool Option::Serialize(CArchive& archive) {
    Option wholeDays = *this;
    wholeDays.years = daysLeft * kYearsPerDay;
    return archive.ExchangeRecord(
        archive.IsStoring() ? wholeDays : *this, &Option::TakeLoaded,
        AsStored(&Option::optionType, OptionTypeFromStored), &Option::underlyingPrice,
        &Option::strike, &Option::price, &Option::fees, &Option::daysLeft, &Option::years,
        AsStored(&Option::side, SideFromStored), AsStored(&Option::assetType, AssetTypeFromStored),
        &Option::unitsPerContract, &Option::contracts, &Option::interestRate,
        &Option::dividendYield, &Option::volatility, &Option::valuationDate, &Option::expiration,
        &Option::latticeSteps);
}

// The unset type and volatility are what a new or cleared slot holds; years follow
// the days left, as SetDaysLeft gives them.
bool Option::TakeLoaded(const Option& read) {
    *this = Option();
    valuationDate = read.valuationDate;
    expiration = read.expiration;
    return AllAccepted({
        read.optionType == OptionType::kNone ? 0 : SetOptionType(read.optionType),
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
