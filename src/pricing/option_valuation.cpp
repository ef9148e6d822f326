#include <algorithm>
#include <cmath>

#include "pricing/black_scholes.h"
#include "pricing/lattice.h"
#include "pricing/option.h"

namespace qx {

namespace {

// The search stops when the model price is this close to the market price.
constexpr double kPriceTolerance = 0.0001;
constexpr int kMaxIterations = 100;
// The volatility at which an option is worth its least.
constexpr double kMinimumVolatility = 0.00001;
// No record holds a volatility of 100 (10,000 %) or more.
constexpr double kMaximumVolatility = 100;

// The closed form at the record's price, strike, time and rates.
BlackScholes ClosedForm(const Option& option) {
    return BlackScholes(option.GetUnderlyingPrice(), option.GetStrike(), option.GetYears(),
                        option.GetInterestRate(), option.GetDividendYield());
}

}  // namespace

double Option::FairValue() const { return ValueAtYears(years); }

double Option::ValueAtYears(double T) const {
    const double S = underlyingPrice;
    const double K = strike;
    if (S == 0 || K == 0 || volatility == 0) return 0;
    const double intrinsic = optionType == OptionType::kCall  ? std::max(S - K, 0.0)
                             : optionType == OptionType::kPut ? std::max(K - S, 0.0)
                                                              : 0;
    if (T == 0) return intrinsic;
    if (optionType != OptionType::kCall && optionType != OptionType::kPut) return 0;
    const auto european = [&] {
        return BlackScholes(S, K, T, interestRate, dividendYield).Value(optionType, volatility);
    };
    // The normal approximation can dip just below 0 far out of the money.
    if (latticeSteps == 0) return std::max(european(), 0.0);
    const LatticeInputs in{optionType, S, K, T, interestRate, dividendYield, volatility};
    const double value = LatticeValue(in, std::min(latticeSteps, kMaxLatticeSteps));
    // A step's moves can lie beyond what a double holds (a yield of millions of percent,
    // a volatility near 10,000 % over decades); the value is then at least the closed
    // form's and the exercise value, both finite.
    if (!std::isfinite(value)) return std::max(european(), intrinsic);
    return std::max(value, 0.0);
}

double Option::FairValueAt(double sigma) const {
    return ClosedForm(*this).Value(optionType, sigma);
}

bool Option::HasGreeks() const {
    return volatility != 0 && years != 0 &&
           (optionType == OptionType::kCall || optionType == OptionType::kPut);
}

double Option::PerPosition(double perUnit, bool shareWeighted) const {
    const double position = contracts * perUnit;
    return shareWeighted ? position * unitsPerContract : position;
}

double Option::Delta(bool shareWeighted) const {
    if (!HasGreeks()) return -1;
    return PerPosition(ClosedForm(*this).Delta(optionType, volatility), shareWeighted);
}

double Option::Gamma(bool shareWeighted) const {
    if (!HasGreeks()) return -1;
    return PerPosition(ClosedForm(*this).Gamma(volatility), shareWeighted);
}

double Option::Theta(bool shareWeighted) const {
    if (!HasGreeks()) return -1;
    // Under the rule in force, so the lattice's early exercise and the yield count too.
    const double decay = ValueAtYears(years) - ValueAtYears(years + kYearsPerDay);
    return PerPosition(decay, shareWeighted);
}

double Option::Vega(bool shareWeighted) const {
    if (!HasGreeks()) return -1;
    return PerPosition(ClosedForm(*this).Vega(volatility), shareWeighted);
}

double Option::Rho(bool shareWeighted) const {
    if (!HasGreeks()) return -1;
    return PerPosition(ClosedForm(*this).Rho(optionType, volatility), shareWeighted);
}

double Option::ImpliedVolatility() const {
    const double S = underlyingPrice;
    const double K = strike;
    const double T = years;
    const double P = price;
    if (S == 0 || K == 0 || T == 0 || volatility == 0 || optionType == OptionType::kNone) return -1;
    const BlackScholes model = ClosedForm(*this);
    if (model.Value(optionType, kMinimumVolatility) > P) return 0;
    // A premium above the most any volatility gives has no answer, however close to it
    // the tolerance (an absolute one, which a tiny premium meets at once) would let
    // a trial come.
    if (model.Value(optionType, kMaximumVolatility) < P) return -1;

    // The value rises with sigma, so every trial narrows a bracket around the answer. A
    // Newton step that leaves it (as one from a flat, far out-of-the-money start does)
    // is replaced by the bracket's geometric middle, which closes even a wide bracket
    // in a few halvings of its ratio.
    double low = kMinimumVolatility;
    double high = kMaximumVolatility;
    // Start from the at-the-money approximation P = 0.398 S sigma sqrt(T), inside the
    // bracket.
    double sigma = (P / S) / (0.398 * std::sqrt(T));
    if (!(sigma > low && sigma < high)) sigma = std::sqrt(low * high);
    for (int i = 0; i < kMaxIterations; ++i) {
        const double diff = P - model.Value(optionType, sigma);
        if (std::fabs(diff) < kPriceTolerance) return sigma;
        if (diff > 0)
            low = std::max(low, sigma);
        else
            high = std::min(high, sigma);
        // Newton step on the slope of the very value searched, yield included: a slope
        // without the yield sends a deep in-the-money search back and forth for ever.
        const double next = sigma + diff / model.Vega(sigma);
        sigma = next > low && next < high ? next : std::sqrt(low * high);
    }
    return -1;
}

}  // namespace qx
