#include "pricing/lattice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "pricing/black_scholes.h"
#include "pricing/option.h"
#include "test_support/reference_option.h"

namespace qx {
namespace {

struct LatticeCase {
    OptionType optionType;
    double q;
    int steps;
    double expected;  // to four decimals
};

TEST(Lattice, MatchesReferenceValues) {
    const LatticeCase cases[] = {
        {OptionType::kCall, 0, 100, 10.4306},
        {OptionType::kPut, 0, 100,
         6.0824},  // early exercise lifts it above the closed form's 5.5735
        {OptionType::kCall, 0, 1, 12.1623},
        {OptionType::kPut, 0.03, 100, 6.9621},  // discounted at r, not at r - q
        {OptionType::kNone, 0, 100, 0},
    };
    for (const auto& c : cases) {
        const Option option = ReferenceOption(c.optionType, c.q, c.steps);
        EXPECT_NEAR(option.FairValue(), c.expected, 5e-5)
            << "type " << Stored(c.optionType) << " q " << c.q << " steps " << c.steps;
    }
}

// A volatility of 300 % is a record's own, valued by both rules; the references are
// computed independently (exact normal distribution, the same 100-step tree).
TEST(Lattice, ValuesAVolatilityOfThreeHundredPercent) {
    struct Case {
        OptionType optionType;
        int steps;
        double expected;
    };
    const Case cases[] = {
        {OptionType::kCall, 0, 86.9696},
        {OptionType::kPut, 0, 82.0926},
        {OptionType::kCall, 100, 86.8039},
        {OptionType::kPut, 100, 83.4072},  // early exercise
    };
    for (const auto& c : cases) {
        Option option = ReferenceOption(c.optionType, 0, c.steps);
        ASSERT_EQ(option.SetVolatility(3.0), 0);
        EXPECT_NEAR(option.FairValue(), c.expected, 1e-3)
            << "type " << Stored(c.optionType) << " steps " << c.steps;
    }
}

TEST(Lattice, ExpiredOptionIsWorthItsIntrinsicValue) {
    Option option = ReferenceOption(OptionType::kPut, 0, 25);
    option.SetUnderlyingPrice(90);
    option.SetDaysLeft(0);
    EXPECT_EQ(option.FairValue(), 10);
}

// Without early exercise the lattice prices a European option and must approach the
// closed form, with and without a dividend yield; the error shrinks as steps grow.
TEST(Lattice, WithoutEarlyExerciseConvergesToTheClosedForm) {
    for (OptionType type : {OptionType::kCall, OptionType::kPut}) {
        for (double q : {0.0, 0.03, 0.1}) {
            for (double K : {80.0, 100.0, 130.0}) {
                const LatticeInputs in{type, 100, K, 1.5, 0.05, q, 0.25};
                const double exact = BlackScholes(100, K, 1.5, 0.05, q).Value(type, 0.25);
                const double coarse = std::fabs(LatticeValue(in, 50, false) - exact);
                const double fine = std::fabs(LatticeValue(in, 2000, false) - exact);
                const auto where = testing::Message()
                                   << "type " << Stored(type) << " q " << q << " K " << K;
                EXPECT_LT(fine, 3e-3) << where;
                EXPECT_LT(fine, coarse) << where;
            }
        }
    }
}

// Early exercise is worth something for a put and for a call on a dividend payer, and
// nothing for a call on an asset that pays none.
TEST(Lattice, EarlyExerciseNeverLowersTheValue) {
    for (OptionType type : {OptionType::kCall, OptionType::kPut}) {
        for (double q : {0.0, 0.06}) {
            const LatticeInputs in{type, 100, 100, 1, 0.05, q, 0.2};
            const double american = LatticeValue(in, 200);
            const double european = LatticeValue(in, 200, false);
            const auto where = testing::Message() << "type " << Stored(type) << " q " << q;
            if (type == OptionType::kCall && q == 0) {
                EXPECT_NEAR(american, european, 1e-12) << where;
            } else {
                EXPECT_GT(american, european + 0.01) << where;
            }
        }
    }
}

// However rate, yield, volatility and steps combine, the value stays between the
// option's no-arbitrage bounds, and with no yield the American call is the European
// one (early exercise is worthless). A 15 % rate against 1 % volatility once sent the
// call to 132 at 100 steps, and to 0 at 25.
TEST(Lattice, StaysWithinNoArbitrageBounds) {
    for (double r : {0.0, 0.05, 0.15}) {
        for (double q : {0.0, 0.1, 0.15}) {
            for (double sigma : {0.01, 0.2, 0.99}) {
                for (int steps : {1, 25, 100}) {
                    for (double T : {30 / 365.0, 1.0, 5.0}) {
                        const LatticeInputs call{OptionType::kCall, 100, 100, T, r, q, sigma};
                        LatticeInputs put = call;
                        put.optionType = OptionType::kPut;
                        const double callValue = LatticeValue(call, steps);
                        const double putValue = LatticeValue(put, steps);
                        const auto where = testing::Message()
                                           << "r " << r << " q " << q << " sigma " << sigma
                                           << " steps " << steps << " T " << T;
                        EXPECT_GE(
                            callValue,
                            std::max(0.0, 100 * std::exp(-q * T) - 100 * std::exp(-r * T)) - 1e-9)
                            << where;
                        EXPECT_LE(callValue, 100 + 1e-9) << where;
                        EXPECT_GE(putValue, -1e-9) << where;
                        EXPECT_LE(putValue, 100 + 1e-9) << where;
                        if (q == 0 && steps == 100) {
                            const double exact =
                                BlackScholes(100, 100, T, r, q).Value(OptionType::kCall, sigma);
                            EXPECT_NEAR(callValue, exact, 0.02 * sigma * 100) << where;
                        }
                    }
                }
            }
        }
    }
}

// A damaged document may carry any step count; the valuation must still finish.
TEST(Lattice, StepCountIsCappedForTheRecord) {
    const Option option = ReferenceOption(OptionType::kPut, 0, INT_MAX);
    const LatticeInputs in{OptionType::kPut, 100, 100, option.GetYears(), 0.05, 0, 0.2};
    EXPECT_EQ(option.FairValue(), LatticeValue(in, Option::kMaxLatticeSteps));
}

// The scratch buffer is shared between valuations of different sizes; a small lattice
// after a large one must not see the large one's nodes.
TEST(Lattice, ValuesDoNotDependOnEarlierValuations) {
    const LatticeInputs in{OptionType::kPut, 100, 100, 1, 0.05, 0, 0.2};
    const double first = LatticeValue(in, 10);
    LatticeValue(in, 500);
    EXPECT_EQ(LatticeValue(in, 10), first);
}

}  // namespace
}  // namespace qx
