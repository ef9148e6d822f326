#include <gtest/gtest.h>

#include <cmath>

#include "pricing/normal.h"
#include "pricing/option.h"
#include "test_support/reference_option.h"

namespace qx {
namespace {

double ExactN(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

TEST(Normal, ApproximatesTheDistributionToSevenDigits) {
    EXPECT_NEAR(N(0), 0.5, 5e-8);
    for (double x = -12; x <= 12; x += 0.125) {
        EXPECT_NEAR(N(x), ExactN(x), 1e-7) << "x=" << x;
        if (x == 0) continue;  // the two halves of the approximation meet at 0
        EXPECT_EQ(N(-x) + N(x), 1) << "x=" << x;
        // The density is the slope of the distribution.
        EXPECT_NEAR((N(x + 1e-4) - N(x - 1e-4)) / 2e-4, qx::n(x), 2e-6) << "x=" << x;
    }
    EXPECT_NEAR(qx::n(0), 0.3989422804014327, 1e-16);
    EXPECT_EQ(N(1e300), 1);
    EXPECT_EQ(N(-1e300), 0);
}

struct ValueCase {
    OptionType optionType;
    double S, K;
    int days;
    double q, sigma;
    double expected;  // to four decimals
};

TEST(ClosedForm, MatchesReferenceValues) {
    const ValueCase cases[] = {
        {OptionType::kCall, 100, 100, 365, 0, 0.2, 10.4506},
        {OptionType::kPut, 100, 100, 365, 0, 0.2, 5.5735},
        {OptionType::kCall, 100, 100, 365, 0.03, 0.2, 8.6525},
        {OptionType::kCall, 100, 100, 0, 0, 0.2, 0},  // expired at the money: nothing left
        {OptionType::kPut, 100, 100, 0, 0, 0.2, 0},
        {OptionType::kCall, 105, 100, 0, 0, 0.7, 5},
        {OptionType::kPut, 105, 100, 0, 0, 0.7, 0},
        {OptionType::kPut, 90, 100, 0, 0, 0.7, 10},
        {OptionType::kNone, 100, 100, 365, 0, 0.2, 0},
        {OptionType::kCall, 300, 100, 365, 0, 0.0001,
         204.8771},                                       // deep in the money: S - K e^(-rT)
        {OptionType::kPut, 300, 100, 365, 0, 0.0001, 0},  // far out of the money: never below 0
    };
    for (const auto& c : cases) {
        Option option = ReferenceOption(c.optionType, c.q);
        option.SetUnderlyingPrice(c.S);
        option.SetStrike(c.K);
        option.SetDaysLeft(c.days);
        option.SetVolatility(c.sigma);
        EXPECT_NEAR(option.FairValue(), c.expected, 5e-5)
            << "type " << Stored(c.optionType) << " S " << c.S << " K " << c.K << " days " << c.days
            << " q " << c.q << " sigma " << c.sigma;
        EXPECT_GE(option.FairValue(), 0);
    }
}

TEST(ClosedForm, MissingInputsValueAtZero) {
    Option option = ReferenceOption(OptionType::kCall);
    option.SetUnderlyingPrice(150);
    option.Clear();  // volatility 0 among the rest
    option.SetOptionType(OptionType::kCall);
    option.SetUnderlyingPrice(150);
    option.SetStrike(100);
    option.SetDaysLeft(30);
    EXPECT_EQ(option.FairValue(), 0);

    option = ReferenceOption(OptionType::kCall);
    option.SetStrike(0);
    EXPECT_EQ(option.FairValue(), 0);
}

// C - P = S e^(-qT) - K e^(-rT), to the accuracy of the normal approximation.
TEST(ClosedForm, KeepsPutCallParityWithADividendYield) {
    for (double q : {0.0, 0.03, 0.08}) {
        for (double K : {70.0, 100.0, 140.0}) {
            for (int days : {10, 365, 1000}) {
                Option call = ReferenceOption(OptionType::kCall, q);
                call.SetStrike(K);
                call.SetDaysLeft(days);
                Option put = call;
                put.SetOptionType(OptionType::kPut);
                const double T = call.GetYears();
                const double forward = 100 * std::exp(-q * T) - K * std::exp(-0.05 * T);
                EXPECT_NEAR(call.FairValue() - put.FairValue(), forward, 1e-4)
                    << "q " << q << " K " << K << " days " << days;
                EXPECT_NEAR(call.FairValueAt(0.2), call.FairValue(), 1e-12);
            }
        }
    }
}

TEST(ClosedForm, FairValueAtHasNoValueWithoutAType) {
    EXPECT_EQ(ReferenceOption(OptionType::kNone).FairValueAt(0.2), -1);
    EXPECT_NEAR(ReferenceOption(OptionType::kPut).FairValueAt(0.3), 9.3542, 5e-5);
}

// Value of option after changing one input through its setter.
double ValueWith(Option option, int (Option::*set)(double), double value) {
    (option.*set)(value);
    return option.FairValue();
}

double Slope(const Option& option, int (Option::*set)(double), double at, double h) {
    return (ValueWith(option, set, at + h) - ValueWith(option, set, at - h)) / (2 * h);
}

// Within 0.3 % (or 1e-4 a unit near 0): the normal approximation's own wiggle, below the
// 4 to 5 % a missing yield or discount factor makes over a year.
void ExpectClose(double actual, double expected, double units, const testing::Message& where) {
    EXPECT_NEAR(actual, expected, 3e-3 * std::fabs(expected) + 1e-4 * units) << where;
}

// Every Greek is the derivative of the value the tool shows, dividend yield included.
TEST(Greeks, MatchFiniteDifferencesOfTheFairValue) {
    const int contracts = 3;
    const int units = 100;
    for (OptionType type : {OptionType::kCall, OptionType::kPut}) {
        for (double q : {0.0, 0.04}) {
            for (double S : {80.0, 100.0, 125.0}) {
                for (int days : {30, 365, 900}) {
                    Option option = ReferenceOption(type, q);
                    option.SetUnderlyingPrice(S);
                    option.SetDaysLeft(days);
                    option.SetContracts(contracts);
                    option.SetSide(Side::kSell);  // the side does not change a sensitivity
                    const double sigma = option.GetVolatility();
                    const double r = option.GetInterestRate();
                    const double delta = Slope(option, &Option::SetUnderlyingPrice, S, 0.01);
                    const double gamma = (ValueWith(option, &Option::SetUnderlyingPrice, S + 0.1) -
                                          2 * option.FairValue() +
                                          ValueWith(option, &Option::SetUnderlyingPrice, S - 0.1)) /
                                         0.01;
                    const double vega = Slope(option, &Option::SetVolatility, sigma, 1e-4);
                    const double rho = Slope(option, &Option::SetInterestRate, r, 1e-4);
                    const auto where = testing::Message() << "type " << Stored(type) << " q " << q
                                                          << " S " << S << " days " << days;
                    ExpectClose(option.Delta(false), contracts * delta, contracts, where);
                    ExpectClose(option.Delta(true), contracts * units * delta, contracts * units,
                                where);
                    ExpectClose(option.Gamma(false), contracts * gamma, contracts, where);
                    ExpectClose(option.Vega(false), contracts * vega, contracts, where);
                    ExpectClose(option.Rho(true), contracts * units * rho, contracts * units,
                                where);
                }
            }
        }
    }
}

TEST(Greeks, HaveNoValueWithoutVolatilityTimeOrType) {
    Option noVolatility = ReferenceCallWithoutVolatility();
    Option expired = ReferenceOption(OptionType::kCall);
    expired.SetDaysLeft(0);
    const Option noType = ReferenceOption(OptionType::kNone);
    for (const Option& option : {noVolatility, expired, noType}) {
        for (bool shareWeighted : {false, true}) {
            EXPECT_EQ(option.Delta(shareWeighted), -1);
            EXPECT_EQ(option.Gamma(shareWeighted), -1);
            EXPECT_EQ(option.Theta(shareWeighted), -1);
            EXPECT_EQ(option.Vega(shareWeighted), -1);
            EXPECT_EQ(option.Rho(shareWeighted), -1);
        }
    }
}

// The graph's price axis may start at 0, where gamma's limit is 0.
TEST(Greeks, GammaAtAZeroPriceIsZero) {
    Option option = ReferenceOption(OptionType::kPut);
    option.SetUnderlyingPrice(0);
    EXPECT_EQ(option.Gamma(true), 0);
    EXPECT_NEAR(option.Delta(false), -1, 1e-12);
}

// Theta is the value lost over one day, under either rule, and leaves years as it was.
TEST(Greeks, ThetaIsOneDaysDecayAndLeavesYearsUntouched) {
    for (int steps : {0, 25}) {
        for (OptionType type : {OptionType::kCall, OptionType::kPut}) {
            Option option = ReferenceOption(type, 0.03, steps);
            option.SetContracts(2);
            Option dayLonger = option;
            dayLonger.SetDaysLeft(366);
            const double years = option.GetYears();
            const double expected = 2 * (option.FairValue() - dayLonger.FairValue());
            EXPECT_NEAR(option.Theta(false), expected, 1e-9) << "steps " << steps;
            EXPECT_NEAR(option.Theta(true), 100 * expected, 1e-7) << "steps " << steps;
            EXPECT_LT(option.Theta(false), 0) << "steps " << steps;
            EXPECT_EQ(option.GetYears(), years) << "steps " << steps;
            EXPECT_EQ(option.GetDaysLeft(), 365) << "steps " << steps;
        }
    }
}

}  // namespace
}  // namespace qx
