#include "pricing/slider_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace qx {
namespace {

TEST(SliderText, ShowsVolatilityAsFractionAndRatesAsPercent) {
    const std::pair<int, const char*> volatility[] = {
        {0, "0.000"},  {1, "0.010"},   {5, "0.050"},   {9, "0.090"},   {10, "0.100"}, {30, "0.300"},
        {99, "0.990"}, {100, "1.000"}, {150, "1.500"}, {300, "3.000"}, {500, "5.000"}};
    for (const auto& [percent, text] : volatility)
        EXPECT_EQ(VolatilitySliderText(percent), text) << "percent " << percent;
    const std::pair<int, const char*> rates[] = {{0, "0.0%"},   {5, "0.5%"},  {7, "0.7%"},
                                                 {9, "0.9%"},   {10, "1.0%"}, {55, "5.5%"},
                                                 {150, "15.0%"}};
    for (const auto& [tenths, text] : rates)
        EXPECT_EQ(RateSliderText(tenths), text) << "tenths " << tenths;
}

}  // namespace
}  // namespace qx
