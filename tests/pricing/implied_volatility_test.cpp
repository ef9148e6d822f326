#include <gtest/gtest.h>

#include <cmath>

#include "pricing/normal.h"
#include "pricing/option.h"
#include "test_support/reference_option.h"

namespace qx {
namespace {

TEST(ImpliedVolatility, MatchesReferenceValues) {
    Option call = ReferenceOption(OptionType::kCall);
    call.SetPrice(10.45);
    EXPECT_NEAR(call.ImpliedVolatility(), 0.2000, 1e-4);

    Option put = ReferenceOption(OptionType::kPut);
    put.SetPrice(5.57);
    EXPECT_NEAR(put.ImpliedVolatility(), 0.1999, 1e-4);
}

// Prices each option of a grid at a volatility and reads that volatility back; the
// search stops within 0.0001 of the price, so the volatility is as close as the option's
// vega allows.
TEST(ImpliedVolatility, RecoversTheVolatilityOfAPrice) {
    for (OptionType type : {OptionType::kCall, OptionType::kPut}) {
        for (double q : {0.0, 0.03}) {
            for (double K : {80.0, 95.0, 100.0, 110.0, 130.0}) {
                for (int days : {30, 182, 365, 1000}) {
                    for (double sigma : {0.1, 0.25, 0.5, 0.9}) {
                        Option option = ReferenceOption(type, q);
                        option.SetStrike(K);
                        option.SetDaysLeft(days);
                        option.SetVolatility(sigma);
                        const double price = option.FairValue();
                        option.SetPrice(price);
                        option.SetVolatility(0.3);  // the search does not start from it
                        const double T = option.GetYears();
                        const double w = sigma * std::sqrt(T);
                        const double d1 = (std::log(100 / K) + (0.05 - q) * T) / w + w / 2;
                        const double vega = 100 * std::exp(-q * T) * std::sqrt(T) * qx::n(d1);
                        const double found = option.ImpliedVolatility();
                        EXPECT_NEAR(found, sigma, 2e-4 / vega + 1e-6)
                            << "type " << Stored(type) << " q " << q << " K " << K << " days "
                            << days << " sigma " << sigma << " price " << price;
                    }
                }
            }
        }
    }
}

TEST(ImpliedVolatility, PriceBelowTheMinimumValueGivesZero) {
    Option call = ReferenceOption(OptionType::kCall);
    call.SetStrike(50);
    call.SetPrice(51);  // below S - K e^(-rT) = 52.44
    EXPECT_EQ(call.ImpliedVolatility(), 0);
}

TEST(ImpliedVolatility, MissingInputsGiveNoAnswer) {
    Option noVolatility = ReferenceCallWithoutVolatility();
    noVolatility.SetPrice(10.45);
    EXPECT_EQ(noVolatility.ImpliedVolatility(), -1);

    Option noType = ReferenceOption(OptionType::kNone);
    noType.SetPrice(10.45);
    EXPECT_EQ(noType.ImpliedVolatility(), -1);

    Option expired = ReferenceOption(OptionType::kCall);
    expired.SetDaysLeft(0);
    expired.SetPrice(10.45);
    EXPECT_EQ(expired.ImpliedVolatility(), -1);
}

// A premium no volatility can explain (above the underlying's price for a call) must end
// the search with no answer rather than run on or return a number that is not one.
TEST(ImpliedVolatility, UnreachablePriceGivesNoAnswer) {
    Option call = ReferenceOption(OptionType::kCall);
    call.SetPrice(150);
    EXPECT_EQ(call.ImpliedVolatility(), -1);
    // Where the whole premium is below the search's tolerance, no trial may pass for an
    // answer: 100 times the underlying's price is still out of reach.
    call.SetUnderlyingPrice(2e-9);
    call.SetStrike(2e-9);
    call.SetPrice(2e-7);
    EXPECT_EQ(call.ImpliedVolatility(), -1);
}

}  // namespace
}  // namespace qx
