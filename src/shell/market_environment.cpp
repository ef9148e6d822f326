#include "shell/market_environment.h"

#include <algorithm>
#include <cmath>

#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {

namespace {

// A fraction in the settings' whole units (100 for percent, 1000 for tenths of a
// percent), rounded and brought into the slider's range.
int SettingUnits(double fraction, double scale, int low, int high) {
    const double units = std::round(fraction * scale);
    if (!std::isfinite(units)) return low;
    return static_cast<int>(std::clamp(units, static_cast<double>(low), static_cast<double>(high)));
}

}  // namespace

void MarketEnvironment::ApplyTo(Option& option) const {
    option.SetVolatility(volatility);
    option.SetInterestRate(interestRate);
    option.SetDividendYield(dividendYield);
    option.SetFees(optionFees);
}

double VolatilityFromPercent(int percent) { return percent * 0.01; }

double RateFromTenths(int tenths) { return tenths * 0.001; }

int DriftPercentFromPosition(int position) { return position - kNoDriftPosition; }

double DriftFromPosition(int position) { return DriftPercentFromPosition(position) * 0.01; }

bool FeesInForce(const Settings& settings) { return settings.includeFees && settings.basicMode; }

MarketEnvironment EnvironmentOf(const Settings& settings) {
    const bool fees = FeesInForce(settings);
    MarketEnvironment environment;
    environment.volatility = VolatilityFromPercent(settings.volatility);
    environment.interestRate = RateFromTenths(settings.interest);
    environment.dividendYield = settings.includeDividend ? RateFromTenths(settings.dividend) : 0;
    environment.optionFees = fees ? settings.optionFees : 0;
    environment.underlyingFees = fees ? settings.underlyingFees : 0;
    environment.unitsPerContract = settings.unitsPerContract;
    return environment;
}

MonthlyExpiration MonthlyExpirationOf(const Settings& settings) {
    return settings.monthlyExpiration == static_cast<int>(MonthlyExpiration::kSaturdayAfter)
               ? MonthlyExpiration::kSaturdayAfter
               : MonthlyExpiration::kThirdFriday;
}

int SetOptionDates(Option& option, CTime valuation, CTime expiration, const Settings& settings) {
    return settings.valueToClose ? option.SetDatesToClose(valuation, expiration)
                                 : option.SetDates(valuation, expiration);
}

void RedateOption(Option& option, const Settings& settings) {
    const int days = option.GetDaysLeft();
    if (days <= 0) return;
    // Dates a record cannot take again (a damaged document) leave it its whole days.
    if (!settings.valueToClose ||
        option.SetDatesToClose(option.GetValuationDate(), option.GetExpiration()) != 0)
        option.SetDaysLeft(days);
}

int LatticeStepsOf(const Settings& settings) {
    return settings.europeanRule ? 0 : settings.iterations;
}

int UnderlyingUnitsPerContract(AssetType assetType, const Settings& settings) {
    return assetType == AssetType::kFuture ? settings.unitsPerContract : 1;
}

void ResetOption(Option& option, const Settings& settings) {
    const MarketEnvironment environment = EnvironmentOf(settings);
    option.Clear();
    option.SetUnitsPerContract(environment.unitsPerContract);
    option.SetAssetType(settings.assetType);
    environment.ApplyTo(option);
}

void TakeOverEnvironment(const Option* first, const Stock& stock, Settings& settings) {
    if (first) {
        settings.volatility =
            SettingUnits(first->GetVolatility(), 100, kMinVolatilityPercent, kMaxVolatilityPercent);
        settings.interest = SettingUnits(first->GetInterestRate(), 1000, 0, 150);
        settings.unitsPerContract = std::max(first->GetUnitsPerContract(), 1);
        settings.includeDividend = first->GetDividendYield() != 0;
        if (settings.includeDividend)
            settings.dividend = SettingUnits(first->GetDividendYield(), 1000, 0, 150);
        settings.europeanRule = first->GetLatticeSteps() == 0;
    }
    if (stock.GetAssetType() != AssetType::kNone) settings.assetType = stock.GetAssetType();
    if (!settings.basicMode) return;
    const bool optionFees = first && first->GetFees() != 0;
    if (optionFees) settings.optionFees = std::fabs(first->GetFees());
    if (stock.GetFees() != 0) settings.underlyingFees = std::fabs(stock.GetFees());
    if (first) settings.includeFees = optionFees || stock.GetFees() != 0;
}

}  // namespace qx
