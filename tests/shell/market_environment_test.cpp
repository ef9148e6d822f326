#include "shell/market_environment.h"

#include <gtest/gtest.h>

#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// Settings whose every environment value differs from its default.
Settings Market(bool basicMode, bool includeFees, bool includeDividend) {
    Settings settings;
    settings.volatility = 33;
    settings.interest = 61;
    settings.dividend = 12;
    settings.optionFees = 7.5;
    settings.underlyingFees = 3;
    settings.unitsPerContract = 50;
    settings.basicMode = basicMode;
    settings.includeFees = includeFees;
    settings.includeDividend = includeDividend;
    return settings;
}

TEST(MarketEnvironment, FeesAreInForceOnlyWhenIncludedInBasicMode) {
    const struct {
        const char* what;
        bool basicMode, includeFees, includeDividend;
        double optionFees, underlyingFees, dividendYield;
    } cases[] = {
        {"fees and dividend on", true, true, true, 7.5, 3, 0.012},
        {"fees off", true, false, true, 0, 0, 0.012},
        {"Advanced mode charges no fees", false, true, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const Settings settings = Market(c.basicMode, c.includeFees, c.includeDividend);
        const MarketEnvironment environment = EnvironmentOf(settings);
        EXPECT_EQ(FeesInForce(settings), c.optionFees != 0) << c.what;
        EXPECT_EQ(environment.optionFees, c.optionFees) << c.what;
        EXPECT_EQ(environment.underlyingFees, c.underlyingFees) << c.what;
        EXPECT_DOUBLE_EQ(environment.dividendYield, c.dividendYield) << c.what;
        EXPECT_DOUBLE_EQ(environment.volatility, 0.33) << c.what;
        EXPECT_DOUBLE_EQ(environment.interestRate, 0.061) << c.what;
        EXPECT_EQ(environment.unitsPerContract, 50) << c.what;

        Option option;
        option.SetStrike(45);
        option.SetDates(CTime(2026, 3, 2), CTime(2026, 6, 19));
        option.SetLatticeSteps(40);
        ResetOption(option, settings);
        EXPECT_EQ(option.GetStrike(), 0) << c.what;
        EXPECT_EQ(option.GetUnitsPerContract(), 50) << c.what;
        EXPECT_EQ(option.GetFees(), -c.optionFees) << c.what;
        EXPECT_DOUBLE_EQ(option.GetDividendYield(), c.dividendYield) << c.what;
        EXPECT_EQ(option.GetExpiration(), CTime(2026, 6, 19)) << c.what << ": dates stay";
        EXPECT_EQ(option.GetLatticeSteps(), 40) << c.what << ": the rule's steps stay";
    }
}

TEST(MarketEnvironment, OpenedDocumentHandsItsEnvironmentToTheSettings) {
    struct Row1 {
        double volatility, rate, dividend, fees;
        int units, steps;
    };
    const struct {
        const char* what;
        bool basicMode;
        bool hasFirst;
        Row1 first;
        double stockFees;
        int volatility, interest, dividend, units;
        bool includeDividend, includeFees, europeanRule;
        double optionFees, underlyingFees;
    } cases[] = {
        {"row 1 in Basic mode",
         true,
         true,
         {0.29, 0.0526, 0.02, 2.5, 500, 30},
         4,
         29,
         53,
         20,
         500,
         true,
         true,
         false,
         2.5,
         4},
        {"no dividend, no fees",
         true,
         true,
         {0.29, 0.05, 0, 0, 100, 0},
         0,
         29,
         50,
         12,
         100,
         false,
         false,
         true,
         7.5,
         3},
        {"Advanced mode keeps the fee settings",
         false,
         true,
         {0.29, 0.05, 0, 2.5, 100, 0},
         4,
         29,
         50,
         12,
         100,
         false,
         true,
         true,
         7.5,
         3},
        {"beyond the sliders and no units",
         true,
         true,
         {7.5, 0.2, 0.3, 0, 0, 0},
         0,
         500,
         150,
         150,
         1,
         true,
         false,
         true,
         7.5,
         3},
        {"no row 1 keeps the environment",
         true,
         false,
         {},
         4,
         33,
         61,
         12,
         50,
         true,
         true,
         true,
         7.5,
         4},
    };
    for (const auto& c : cases) {
        Settings settings = Market(c.basicMode, true, true);
        Option first;
        first.SetVolatility(c.first.volatility);
        first.SetInterestRate(c.first.rate);
        first.SetDividendYield(c.first.dividend);
        first.SetFees(c.first.fees);
        first.SetUnitsPerContract(c.first.units);
        first.SetLatticeSteps(c.first.steps);
        Stock stock;
        stock.SetAssetType(AssetType::kIndex);
        stock.SetFees(c.stockFees);
        TakeOverEnvironment(c.hasFirst ? &first : nullptr, stock, settings);
        EXPECT_EQ(settings.volatility, c.volatility) << c.what;
        EXPECT_EQ(settings.interest, c.interest) << c.what;
        EXPECT_EQ(settings.dividend, c.dividend) << c.what;
        EXPECT_EQ(settings.includeDividend, c.includeDividend) << c.what;
        EXPECT_EQ(settings.unitsPerContract, c.units) << c.what;
        EXPECT_EQ(settings.includeFees, c.includeFees) << c.what;
        EXPECT_EQ(settings.optionFees, c.optionFees) << c.what;
        EXPECT_EQ(settings.underlyingFees, c.underlyingFees) << c.what;
        EXPECT_EQ(settings.europeanRule, c.europeanRule) << c.what;
        EXPECT_EQ(settings.assetType, AssetType::kIndex) << c.what;
    }
}

}  // namespace
}  // namespace qx
