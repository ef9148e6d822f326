#ifndef QX_PRICING_OPTION_H
#define QX_PRICING_OPTION_H

#include <string>

#include "platform/ctime.h"
#include "pricing/option_type.h"
#include "pricing/record_enums.h"

namespace qx {

class CArchive;

// The option records of one position: a document holds this many, the editor shows them
// two at a time, and a graph window plots them all.
inline constexpr int kOptionSlots = 4;

// One option position with the market environment that values it. Setters return 0
// when they accept a value and -1 when they refuse it, leaving the field unchanged.
class Option {
  public:
    // One calendar day in years: time to expiration is calendar days over 365.
    static constexpr double kYearsPerDay = 0.0027397260273972603;

    // Accepts only a call or a put.
    int SetOptionType(OptionType value);
    // The prices and the two rates refuse negatives, non-finite values and magnitudes
    // beyond kMaxMagnitude.
    int SetUnderlyingPrice(double value);
    int SetStrike(double value);
    int SetPrice(double value);
    // Stores minus the absolute value: a fee is always a cost.
    int SetFees(double value);
    // A negative count clears daysLeft and years and is refused.
    int SetDaysLeft(int days);
    // Counts the calendar days from the valuation date to the expiration, the expiration
    // day included, in local wall-clock time; refuses, clearing daysLeft and years, when
    // that count is not positive or when a document cannot hold either date.
    int SetDates(CTime valuation, CTime expiration);
    // As SetDates, then measures the time the valuation uses from the valuation date to
    // the 16:00 New York close of the expiration day: a same-day option at noon has four
    // hours left, and none after the close. daysLeft keeps the whole days.
    int SetDatesToClose(CTime valuation, CTime expiration);
    // Accept every side and every asset type.
    int SetSide(Side value);
    int SetAssetType(AssetType value);
    int SetUnitsPerContract(int value);
    int SetContracts(int value);
    int SetInterestRate(double value);
    int SetDividendYield(double value);
    // Accepts only values strictly between 0 and 100.
    int SetVolatility(double value);
    // Always accepts; a count of 0 or below selects the closed form.
    int SetLatticeSteps(int steps);

    // The most lattice steps a valuation uses, whatever the record holds: a damaged
    // document must not stall the program (the settings offer at most 100).
    static constexpr int kMaxLatticeSteps = 1000;

    OptionType GetOptionType() const { return optionType; }
    double GetUnderlyingPrice() const { return underlyingPrice; }
    double GetStrike() const { return strike; }
    double GetPrice() const { return price; }
    double GetFees() const { return fees; }
    int GetDaysLeft() const { return daysLeft; }
    double GetYears() const { return years; }
    Side GetSide() const { return side; }
    AssetType GetAssetType() const { return assetType; }
    int GetUnitsPerContract() const { return unitsPerContract; }
    int GetContracts() const { return contracts; }
    CTime GetValuationDate() const { return valuationDate; }
    CTime GetExpiration() const { return expiration; }
    double GetInterestRate() const { return interestRate; }
    double GetDividendYield() const { return dividendYield; }
    double GetVolatility() const { return volatility; }
    int GetLatticeSteps() const { return latticeSteps; }

    // Zeroes every number but keeps the two dates and the lattice steps.
    void Clear();
    // Copies every field of other.
    void CopyFrom(const Option& other);

    // Money in (positive) or out (negative) of the trade, fees included.
    double CashFlow() const;
    // Profit or loss if the option were worth its fair value, fees included.
    double Profit() const;
    // Fair value of the whole position, negative for a sold one.
    double PositionValue() const;
    // Profit weighted by the probability band between the underlying price and the
    // reference price over the horizon (years).
    double WeightedProfit(double referencePrice, double horizonYears) const;

    // Value of one unit: closed form, or the lattice when latticeSteps is above 0.
    double FairValue() const;
    // The closed form at the volatility given, for the implied-volatility search.
    double FairValueAt(double sigma) const;
    // Volatility at which the closed form meets the price; 0 when the price is below
    // the option's minimum value, -1 when there is no answer.
    double ImpliedVolatility() const;

    // The Greeks are sensitivities of the whole position of contracts, times the units
    // per contract when shareWeighted, bought or sold alike; -1 when there is no value.
    // Delta: change of value per 1.00 move of the underlying.
    double Delta(bool shareWeighted) const;
    // Gamma: change of delta per 1.00 move of the underlying.
    double Gamma(bool shareWeighted) const;
    // Change of value over one calendar day, under the valuation rule in force; the
    // record, years included, is left as it was.
    double Theta(bool shareWeighted) const;
    // Vega: change of value per 1.00 (100 points) of volatility.
    double Vega(bool shareWeighted) const;
    // Rho: change of value per 1.00 (100 points) of interest rate.
    double Rho(bool shareWeighted) const;
    // Whether volatility, time and type allow a sensitivity.
    bool HasGreeks() const;

    // "Jan 1999" while days are left, else empty.
    std::string ExpirationText() const;
    // "Jan 50 Call", or empty while expiration, strike or type is missing.
    std::string Description() const;
    // "Sell 10 Mar 1999 45 1/2 puts", or empty while the trade is incomplete.
    std::string TradeDescription() const;
    // Month letter and strike letter, or empty.
    std::string SymbolCode() const;

    // Writes or reads the record in its document layout; false on a file error,
    // which it has reported.
    bool Serialize(CArchive& archive);

    // Equal when every field is, as a document would store them alike.
    friend bool operator==(const Option& a, const Option& b);
    friend bool operator!=(const Option& a, const Option& b) { return !(a == b); }

  private:
    // Rebuilds a record just read from a document through the setters, from the
    // values read: false when a setter refuses one that is not a new record's own.
    bool TakeLoaded(const Option& read);
    // FairValue with time to expiration T in place of years.
    double ValueAtYears(double T) const;
    // The whole position's share of a per-unit sensitivity.
    double PerPosition(double perUnit, bool shareWeighted) const;
    OptionType optionType = OptionType::kNone;
    double underlyingPrice = 0;
    double strike = 0;
    double price = 0;
    double fees = 0;
    int daysLeft = 0;
    // daysLeft / 365, or the time to the close when SetDatesToClose set the dates
    double years = 0;
    Side side = Side::kNone;
    AssetType assetType = AssetType::kNone;
    int unitsPerContract = 0;
    int contracts = 0;
    CTime valuationDate;
    CTime expiration;
    double interestRate = 0;
    double dividendYield = 0;
    double volatility = 0;
    int latticeSteps = 0;
};

}  // namespace qx

#endif  // QX_PRICING_OPTION_H
