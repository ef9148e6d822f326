#ifndef QX_SHELL_MARKET_ENVIRONMENT_H
#define QX_SHELL_MARKET_ENVIRONMENT_H

#include "platform/ctime.h"
#include "pricing/expiration_calendar.h"
#include "pricing/record_enums.h"

namespace qx {

class Option;
class Settings;
class Stock;

// The market the settings put every record of a position in. The settings hold
// volatility in whole percent and the rates in tenths of a percent; the records hold
// fractions per year.
struct MarketEnvironment {
    double volatility = 0;
    double interestRate = 0;
    double dividendYield = 0;   // 0 while the continuous dividend is off
    double optionFees = 0;      // per contract; 0 while fees are not in force
    double underlyingFees = 0;  // per trade; 0 while fees are not in force
    int unitsPerContract = 0;

    // Gives an option record the volatility, the two rates and the option fees.
    void ApplyTo(Option& option) const;
};

// A volatility in whole percent as a fraction per year.
double VolatilityFromPercent(int percent);

// An interest or dividend rate in tenths of a percent as a fraction per year.
double RateFromTenths(int tenths);

// The drift slider's position of no drift: each step above or below it is a percent a
// year more or less.
inline constexpr int kNoDriftPosition = 100;

// A drift slider's position as an annual price drift in whole percent.
int DriftPercentFromPosition(int position);

// A drift slider's position as an annual price drift, a fraction per year.
double DriftFromPosition(int position);

// Whether fees are charged: Include Fees is on and the editor holds positions (Basic
// mode); Advanced mode values options only and charges nothing.
bool FeesInForce(const Settings& settings);

// The environment the settings give every record.
MarketEnvironment EnvironmentOf(const Settings& settings);

// The lattice steps of the valuation rule the settings choose: 0 for the closed form
// (European rule), the iterations for the lattice (American rule).
int LatticeStepsOf(const Settings& settings);

// The units per contract of an underlying of the asset type: a future is held in
// contracts of the settings' units, a stock or an index unit by unit.
int UnderlyingUnitsPerContract(AssetType assetType, const Settings& settings);

// The rule the settings give month texts.
MonthlyExpiration MonthlyExpirationOf(const Settings& settings);

// Dates an option from the valuation date to its expiration as the settings measure
// time: to the 16:00 New York close, or in whole calendar days. 0, or -1 when refused.
int SetOptionDates(Option& option, CTime valuation, CTime expiration, const Settings& settings);

// Measures a record's time again from its own dates as the settings now measure it: a
// document holds whole days, and the setting may have changed. A record keeps its days
// left, and one without days left stays without.
void RedateOption(Option& option, const Settings& settings);

// An option record as a new position starts it: cleared (its dates and lattice steps
// stay), with the settings' asset type and units per contract and their environment.
void ResetOption(Option& option, const Settings& settings);

// The way back, when a document is opened: the settings take over the environment of
// row 1's option, first (null when no slot has days left, which leaves the environment
// as it is), and the underlying's asset type. Only in Basic mode, which holds positions,
// do the document's fees become the settings' and decide whether fees are included.
void TakeOverEnvironment(const Option* first, const Stock& stock, Settings& settings);

}  // namespace qx

#endif  // QX_SHELL_MARKET_ENVIRONMENT_H
