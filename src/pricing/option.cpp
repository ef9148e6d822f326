#include "pricing/option.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "pricing/market_close.h"
#include "pricing/normal.h"
#include "pricing/number_text.h"
#include "pricing/option_code.h"
#include "pricing/record_fields.h"

namespace qx {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

int Option::SetOptionType(OptionType value) { return SetCallOrPut(optionType, value); }
int Option::SetUnderlyingPrice(double value) { return SetNonNegative(underlyingPrice, value); }
int Option::SetStrike(double value) { return SetNonNegative(strike, value); }
int Option::SetPrice(double value) { return SetNonNegative(price, value); }

int Option::SetFees(double value) { return SetFee(fees, value); }

int Option::SetDaysLeft(int days) {
    if (days < 0) {
        daysLeft = 0;
        years = 0;
        return -1;
    }
    daysLeft = days;
    years = days * kYearsPerDay;
    return 0;
}

int Option::SetDates(CTime valuation, CTime expirationDate) {
    // Wall-clock seconds, so that a daylight-saving change between the two dates
    // neither gains nor loses a day.
    const std::int64_t elapsed =
        expirationDate.GetWallClockSeconds() - valuation.GetWallClockSeconds();
    const std::int64_t days = elapsed / kSecondsPerDay + 1;
    // A date the document cannot hold would come back from the file as another one.
    const bool storable = valuation.IsStorable() && expirationDate.IsStorable();
    if (!storable || days <= 0 || days > INT_MAX) {
        daysLeft = 0;
        years = 0;
        return -1;
    }
    SetDaysLeft(static_cast<int>(days));
    valuationDate = valuation;
    expiration = expirationDate;
    return 0;
}

int Option::SetDatesToClose(CTime valuation, CTime expirationDate) {
    if (SetDates(valuation, expirationDate) != 0) return -1;
    years = YearsToClose(valuation, expirationDate);
    return 0;
}

int Option::SetSide(Side value) { return SetCoded(side, value); }
int Option::SetAssetType(AssetType value) { return SetCoded(assetType, value); }
int Option::SetUnitsPerContract(int value) {
    return SetInRange(unitsPerContract, value, 0, INT_MAX);
}
int Option::SetContracts(int value) { return SetInRange(contracts, value, 0, INT_MAX); }
int Option::SetInterestRate(double value) { return SetNonNegative(interestRate, value); }
int Option::SetDividendYield(double value) { return SetNonNegative(dividendYield, value); }

int Option::SetVolatility(double value) {
    if (!(value > 0 && value < 100)) return -1;
    volatility = value;
    return 0;
}

int Option::SetLatticeSteps(int steps) {
    latticeSteps = steps > 0 ? steps : 0;
    return 0;
}

void Option::Clear() {
    const CTime keptValuation = valuationDate;
    const CTime keptExpiration = expiration;
    const int keptSteps = latticeSteps;
    *this = Option();
    valuationDate = keptValuation;
    expiration = keptExpiration;
    latticeSteps = keptSteps;
}

void Option::CopyFrom(const Option& other) { *this = other; }

double Option::CashFlow() const {
    const double premium = static_cast<double>(contracts) * unitsPerContract * price;
    const double totalFees = contracts * fees;
    if (side == Side::kBuy) return totalFees - premium;
    if (side == Side::kSell) return totalFees + premium;
    return 0;
}

double Option::Profit() const {
    if (side != Side::kBuy && side != Side::kSell) return 0;
    const double gain = unitsPerContract * (FairValue() - price);
    return side == Side::kBuy ? contracts * (gain + fees) : contracts * (fees - gain);
}

double Option::PositionValue() const {
    const double value = FairValue() * unitsPerContract * contracts;
    if (side == Side::kBuy) return value;
    if (side == Side::kSell) return -value;
    return 0;
}

double Option::WeightedProfit(double referencePrice, double horizonYears) const {
    if (side != Side::kBuy && side != Side::kSell) return 0;
    const double w = volatility * std::sqrt(horizonYears);
    // A band of no width carries no probability (the limit of the weight as w goes to 0).
    if (!(w > 0)) return 0;
    const double a = referencePrice;
    const double S = underlyingPrice;
    const double L = a == S ? 0 : std::log(std::min(a, S) / std::max(a, S));
    const double h1 = (L + (interestRate - dividendYield) * horizonYears) / w + w / 2;
    return Profit() * (N(h1) - N(h1 - w));
}

std::string Option::ExpirationText() const {
    return daysLeft > 0 ? expiration.Format("%b %Y") : "";
}

std::string Option::Description() const {
    if (daysLeft == 0 || strike == 0 || optionType == OptionType::kNone) return "";
    return expiration.Format("%b") + " " + NumberText(strike, 2, true) +
           (optionType == OptionType::kCall ? " Call" : " Put");
}

std::string Option::TradeDescription() const {
    if (strike == 0 || optionType == OptionType::kNone || side == Side::kNone || contracts == 0)
        return "";
    return (side == Side::kBuy ? "Buy " : "Sell ") + IntegerText(contracts) + " " +
           expiration.Format("%b %Y ") + NumberText(strike, 2, true) + " " +
           (optionType == OptionType::kCall ? "call" : "put") + (contracts > 1 ? "s" : "");
}

std::string Option::SymbolCode() const { return qx::SymbolCode(*this); }

bool operator==(const Option& a, const Option& b) {
    return a.optionType == b.optionType && a.underlyingPrice == b.underlyingPrice &&
           a.strike == b.strike && a.price == b.price && a.fees == b.fees &&
           a.daysLeft == b.daysLeft && a.years == b.years && a.side == b.side &&
           a.assetType == b.assetType && a.unitsPerContract == b.unitsPerContract &&
           a.contracts == b.contracts && a.valuationDate == b.valuationDate &&
           a.expiration == b.expiration && a.interestRate == b.interestRate &&
           a.dividendYield == b.dividendYield && a.volatility == b.volatility &&
           a.latticeSteps == b.latticeSteps;
}

}  // namespace qx
