// Builds an option record from arbitrary bytes through its setters, which take or
// refuse each value as the windows' input would, and values it. Whatever the setters
// accepted values to a finite fair value of 0 or more, finite Greeks (or -1 where there
// is none), finite cash flows and profits, and an implied volatility that is -1 (no
// answer), 0 (a premium below the least value) or one at which the closed form
// reprices the premium.

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "pricing/option.h"

namespace {

using qx::Option;
using qx::Require;

// Any double at all, or one of the sizes a market has: fractions of a unit to beyond
// the largest amount a record takes.
double AnyAmount(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: return in.ConsumeFloatingPoint<double>();
        case 1: return in.ConsumeProbability<double>();
        default:
            return in.ConsumeProbability<double>() *
                   std::pow(10.0, in.ConsumeIntegralInRange(-9, 13));
    }
}

int AnyCount(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(-3, 400);
}

// A coded field from a stored int, out-of-range ones included as a damaged document
// holds them; one the record has no value for leaves the field as it was.
template <class Enum>
void SetStored(Option& o, int (Option::*set)(Enum), std::optional<Enum> (*fromStored)(int),
               int stored) {
    if (const std::optional<Enum> value = fromStored(stored)) (o.*set)(*value);
}

Option BuildOption(FuzzedDataProvider& in) {
    Option o;
    SetStored(o, &Option::SetOptionType, qx::OptionTypeFromStored,
              in.ConsumeIntegralInRange(-1, 3));
    o.SetUnderlyingPrice(AnyAmount(in));
    o.SetStrike(AnyAmount(in));
    o.SetPrice(AnyAmount(in));
    o.SetFees(AnyAmount(in));
    o.SetDaysLeft(in.ConsumeBool() ? in.ConsumeIntegral<int>()
                                   : in.ConsumeIntegralInRange(-1, 9000));
    SetStored(o, &Option::SetSide, qx::SideFromStored, in.ConsumeIntegralInRange(-1, 3));
    SetStored(o, &Option::SetAssetType, qx::AssetTypeFromStored, in.ConsumeIntegralInRange(-1, 4));
    o.SetUnitsPerContract(AnyCount(in));
    o.SetContracts(AnyCount(in));
    o.SetInterestRate(AnyAmount(in));
    o.SetDividendYield(AnyAmount(in));
    o.SetVolatility(AnyAmount(in));
    // The lattice's cost grows with the square of its steps (the cap on them is no
    // matter of values); 60 steps meet every case of its parameters.
    o.SetLatticeSteps(in.ConsumeIntegralInRange(-5, 60));
    return o;
}

// The record's fields, for the report of a finding.
std::string Describe(const Option& o) {
    char text[400];
    std::snprintf(text, sizeof text,
                  "type %d S %.17g K %.17g P %.17g fees %.17g days %d side %d units %d "
                  "contracts %d r %.17g q %.17g sigma %.17g steps %d",
                  Stored(o.GetOptionType()), o.GetUnderlyingPrice(), o.GetStrike(), o.GetPrice(),
                  o.GetFees(), o.GetDaysLeft(), Stored(o.GetSide()), o.GetUnitsPerContract(),
                  o.GetContracts(), o.GetInterestRate(), o.GetDividendYield(), o.GetVolatility(),
                  o.GetLatticeSteps());
    return text;
}

void RequireFinite(const Option& o, double value, const char* what) {
    Require(std::isfinite(value), std::string(what) + " is finite: " + Describe(o));
}

void CheckGreeks(const Option& o) {
    for (bool shares : {false, true}) {
        RequireFinite(o, o.Delta(shares), "delta");
        RequireFinite(o, o.Gamma(shares), "gamma");
        RequireFinite(o, o.Theta(shares), "theta");
        RequireFinite(o, o.Vega(shares), "vega");
        RequireFinite(o, o.Rho(shares), "rho");
    }
}

void CheckImpliedVolatility(const Option& o) {
    const double sigma = o.ImpliedVolatility();
    if (sigma == -1 || sigma == 0) return;
    Require(sigma > 0 && sigma < 100,
            "an implied volatility lies between 0 and 100: " + Describe(o));
    Require(std::fabs(o.FairValueAt(sigma) - o.GetPrice()) < 0.0001,
            "the implied volatility reprices the premium: " + Describe(o));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Option o = BuildOption(in);
    const double value = o.FairValue();
    RequireFinite(o, value, "the fair value");
    Require(value >= 0, "the fair value is 0 or more: " + Describe(o));
    CheckGreeks(o);
    RequireFinite(o, o.CashFlow(), "the cash flow");
    RequireFinite(o, o.Profit(), "the profit");
    RequireFinite(o, o.PositionValue(), "the position value");
    RequireFinite(o, o.WeightedProfit(o.GetUnderlyingPrice() * 1.1, o.GetYears() / 2),
                  "the weighted profit");
    CheckImpliedVolatility(o);
    return 0;
}
