#include "pricing/option.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "pricing/black_scholes.h"
#include "pricing/normal.h"
#include "test_support/reference_option.h"
#include "test_support/time_zone.h"

namespace qx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct DoubleSetterCase {
    const char* name;
    int (Option::*set)(double);
    double (Option::*get)() const;
    double value;
    int result;
    double stored;  // what the getter reads afterwards; the field starts at 7
};

const DoubleSetterCase kDoubleSetterCases[] = {
    {"price", &Option::SetUnderlyingPrice, &Option::GetUnderlyingPrice, 0, 0, 0},
    {"price", &Option::SetUnderlyingPrice, &Option::GetUnderlyingPrice, -0.01, -1, 7},
    {"price", &Option::SetUnderlyingPrice, &Option::GetUnderlyingPrice, kInf, -1, 7},
    {"price", &Option::SetUnderlyingPrice, &Option::GetUnderlyingPrice, 1e12, 0, 1e12},
    {"price", &Option::SetUnderlyingPrice, &Option::GetUnderlyingPrice, 1.0001e12, -1, 7},
    {"strike", &Option::SetStrike, &Option::GetStrike, DBL_MAX, -1, 7},
    {"premium", &Option::SetPrice, &Option::GetPrice, 1e300, -1, 7},
    {"fees", &Option::SetFees, &Option::GetFees, -2e12, -1, -7},
    {"fees", &Option::SetFees, &Option::GetFees, -0.0, 0, 0},  // held as +0, written as such
    {"rate", &Option::SetInterestRate, &Option::GetInterestRate, 1e13, -1, 7},
    {"strike", &Option::SetStrike, &Option::GetStrike, 45.5, 0, 45.5},
    {"strike", &Option::SetStrike, &Option::GetStrike, -1, -1, 7},
    {"strike", &Option::SetStrike, &Option::GetStrike, kNaN, -1, 7},
    {"premium", &Option::SetPrice, &Option::GetPrice, 2.5, 0, 2.5},
    {"premium", &Option::SetPrice, &Option::GetPrice, -2.5, -1, 7},
    {"fees", &Option::SetFees, &Option::GetFees, 0.75, 0, -0.75},
    {"fees", &Option::SetFees, &Option::GetFees, -0.75, 0, -0.75},
    {"fees", &Option::SetFees, &Option::GetFees, kNaN, -1, -7},
    {"rate", &Option::SetInterestRate, &Option::GetInterestRate, 0.05, 0, 0.05},
    {"rate", &Option::SetInterestRate, &Option::GetInterestRate, -0.05, -1, 7},
    {"yield", &Option::SetDividendYield, &Option::GetDividendYield, 0.03, 0, 0.03},
    {"yield", &Option::SetDividendYield, &Option::GetDividendYield, -kInf, -1, 7},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, 0, -1, 7},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, 100, -1, 7},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, -0.1, -1, 7},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, kNaN, -1, 7},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, 0.000001, 0, 0.000001},
    {"volatility", &Option::SetVolatility, &Option::GetVolatility, 99.99, 0, 99.99},
};

TEST(Option, DoubleSettersRefuseNegativeAndNonFiniteValues) {
    for (const auto& c : kDoubleSetterCases) {
        Option option;
        (option.*c.set)(7);
        EXPECT_EQ((option.*c.set)(c.value), c.result) << c.name << " " << c.value;
        EXPECT_EQ((option.*c.get)(), c.stored) << c.name << " " << c.value;
        EXPECT_EQ(std::signbit((option.*c.get)()), std::signbit(c.stored)) << c.name;
    }
}

struct IntSetterCase {
    const char* name;
    int (Option::*set)(int);
    int (Option::*get)() const;
    int value;
    int result;
    int stored;  // the field starts at 1
};

const IntSetterCase kIntSetterCases[] = {
    {"units", &Option::SetUnitsPerContract, &Option::GetUnitsPerContract, 0, 0, 0},
    {"units", &Option::SetUnitsPerContract, &Option::GetUnitsPerContract, -100, -1, 1},
    {"contracts", &Option::SetContracts, &Option::GetContracts, 10, 0, 10},
    {"contracts", &Option::SetContracts, &Option::GetContracts, -1, -1, 1},
    {"steps", &Option::SetLatticeSteps, &Option::GetLatticeSteps, 25, 0, 25},
    {"steps", &Option::SetLatticeSteps, &Option::GetLatticeSteps, -5, 0, 0},
    {"days", &Option::SetDaysLeft, &Option::GetDaysLeft, 30, 0, 30},
    {"days", &Option::SetDaysLeft, &Option::GetDaysLeft, -1, -1, 0},
};

TEST(Option, IntSettersKeepTheirRanges) {
    for (const auto& c : kIntSetterCases) {
        Option option;
        (option.*c.set)(1);
        EXPECT_EQ((option.*c.set)(c.value), c.result) << c.name << " " << c.value;
        EXPECT_EQ((option.*c.get)(), c.stored) << c.name << " " << c.value;
    }
}

// Values outside the coded fields cannot reach a record; FromStored turns them away.
TEST(Option, CodedSettersRefuseOnlyAMissingType) {
    Option option;
    EXPECT_EQ(option.SetOptionType(OptionType::kPut), 0);
    EXPECT_EQ(option.SetOptionType(OptionType::kNone), -1);
    EXPECT_EQ(option.GetOptionType(), OptionType::kPut);
    option.SetSide(Side::kBuy);
    EXPECT_EQ(option.SetSide(Side::kNone), 0);
    EXPECT_EQ(option.GetSide(), Side::kNone);
    EXPECT_EQ(option.SetAssetType(AssetType::kFuture), 0);
    EXPECT_EQ(option.GetAssetType(), AssetType::kFuture);
}

TEST(Option, YearsFollowDaysLeft) {
    Option option;
    option.SetDaysLeft(730);
    EXPECT_EQ(option.GetYears(), 730 * 0.0027397260273972603);
    option.SetDaysLeft(-3);
    EXPECT_EQ(option.GetYears(), 0);
}

struct DatesCase {
    const char* what;
    CTime valuation;
    CTime expiration;
    int result;
    int daysLeft;
};

// Day counts in a zone with summer time, so that a count by elapsed seconds would slip.
TEST(Option, SetDatesCountsWallClockDays) {
    ScopedTimeZone zone("America/New_York");
    const DatesCase cases[] = {
        {"noon to next midnight", CTime(1999, 1, 4, 12), CTime(1999, 1, 5), 0, 1},
        {"30 days later, same time", CTime(1999, 1, 4, 9), CTime(1999, 2, 3, 9), 0, 31},
        {"across the spring change", CTime(2026, 3, 1), CTime(2026, 3, 21), 0, 21},
        {"across the autumn change", CTime(2026, 10, 31), CTime(2026, 11, 21), 0, 22},
        {"same instant", CTime(2026, 3, 8, 3), CTime(2026, 3, 8, 3), 0, 1},
        {"half a day back", CTime(1999, 1, 5, 12), CTime(1999, 1, 5), 0, 1},
        {"a day back", CTime(1999, 1, 5), CTime(1999, 1, 4), -1, 0},
        // A document holds 32-bit seconds: the last expiration it can store, and the
        // first it cannot, which would reopen as another date.
        {"to its last second", CTime(2038, 1, 1), CTime(0x7FFFFFFF), 0, 18},
        {"to 2040", CTime(2038, 1, 1), CTime(2040, 6, 15), -1, 0},
        {"from before 1902", CTime(-(std::int64_t{1} << 40)), CTime(2026, 3, 1), -1, 0},
    };
    for (const auto& c : cases) {
        Option option;
        option.SetDaysLeft(99);
        EXPECT_EQ(option.SetDates(c.valuation, c.expiration), c.result) << c.what;
        EXPECT_EQ(option.GetDaysLeft(), c.daysLeft) << c.what;
        EXPECT_EQ(option.GetYears(), c.daysLeft * Option::kYearsPerDay) << c.what;
        const bool taken = c.result == 0;
        EXPECT_EQ(option.GetExpiration() == c.expiration, taken) << c.what;
        EXPECT_EQ(option.GetValuationDate() == c.valuation, taken) << c.what;
    }
}

// At noon on its last day an option has four hours, not a day, and none after the close.
TEST(Option, ValuedToTheCloseOnItsLastDay) {
    ScopedTimeZone zone("Europe/London");
    const CTime expiration(2027, 1, 15);
    const std::int64_t close = CTime(2027, 1, 15, 21).GetTime();  // 16:00 in New York
    struct Case {
        std::int64_t secondsBefore;
        double value;  // S = K = 100, r = 5 %, sigma = 20 %
    };
    const double fourHours = 4.0 / 24 * Option::kYearsPerDay;
    const Case cases[] = {
        {4 * 3600, BlackScholes(100, 100, fourHours, 0.05, 0).Value(OptionType::kCall, 0.2)},
        {-60, 0},  // after the close: intrinsic
    };
    for (const auto& c : cases) {
        Option option = ReferenceOption(OptionType::kCall);
        ASSERT_EQ(option.SetDatesToClose(CTime(close - c.secondsBefore), expiration), 0);
        EXPECT_EQ(option.GetDaysLeft(), 1);
        EXPECT_NEAR(option.FairValue(), c.value, 1e-9) << c.secondsBefore;
    }
    EXPECT_GT(cases[0].value, 0.17);
    // The classic count values the same moment at a whole day.
    Option classic = ReferenceOption(OptionType::kCall);
    classic.SetDates(CTime(close - 4 * 3600), expiration);
    EXPECT_NEAR(classic.FairValue(), 0.4245, 5e-5);
    // A day after the expiration there is nothing left to value.
    Option late = ReferenceOption(OptionType::kCall);
    EXPECT_EQ(late.SetDatesToClose(CTime(2027, 1, 16, 12), expiration), -1);
    EXPECT_EQ(late.GetDaysLeft(), 0);
}

TEST(Option, ClearKeepsDatesAndLatticeSteps) {
    Option option;
    option.SetDates(CTime(1999, 1, 4), CTime(1999, 1, 16));
    option.SetLatticeSteps(25);
    option.SetOptionType(OptionType::kCall);
    option.SetStrike(50);
    option.SetFees(1);
    option.SetVolatility(0.3);
    option.SetContracts(2);
    option.Clear();
    EXPECT_EQ(option.GetDaysLeft(), 0);
    EXPECT_EQ(option.GetYears(), 0);
    EXPECT_EQ(option.GetOptionType(), OptionType::kNone);
    EXPECT_EQ(option.GetStrike(), 0);
    EXPECT_EQ(option.GetFees(), 0);
    EXPECT_EQ(option.GetVolatility(), 0);
    EXPECT_EQ(option.GetContracts(), 0);
    EXPECT_EQ(option.GetLatticeSteps(), 25);
    EXPECT_EQ(option.GetValuationDate(), CTime(1999, 1, 4));
    EXPECT_EQ(option.GetExpiration(), CTime(1999, 1, 16));
}

// Ten contracts at 2.50 with 100 units each and fees of 1.50 a contract, on a call that
// is worth exactly 3.00 (expired, 53 against a strike of 50).
Option TenContracts(Side side) {
    Option option;
    option.SetOptionType(OptionType::kCall);
    option.SetUnderlyingPrice(53);
    option.SetStrike(50);
    option.SetVolatility(0.3);
    option.SetPrice(2.5);
    option.SetContracts(10);
    option.SetUnitsPerContract(100);
    option.SetFees(1.5);
    option.SetSide(side);
    return option;
}

TEST(Option, CashFlowProfitAndValueFollowTheSide) {
    struct Case {
        Side side;
        double cashFlow, profit, positionValue;
    };
    const Case cases[] = {
        {Side::kBuy, -2515, 485, 3000}, {Side::kSell, 2485, -515, -3000}, {Side::kNone, 0, 0, 0}};
    for (const auto& c : cases) {
        const Option option = TenContracts(c.side);
        ASSERT_EQ(option.FairValue(), 3);
        EXPECT_DOUBLE_EQ(option.CashFlow(), c.cashFlow) << "side " << Stored(c.side);
        EXPECT_DOUBLE_EQ(option.Profit(), c.profit) << "side " << Stored(c.side);
        EXPECT_DOUBLE_EQ(option.PositionValue(), c.positionValue) << "side " << Stored(c.side);
        if (c.side == Side::kNone) {
            EXPECT_EQ(option.WeightedProfit(53, 0.25), 0);
        }
    }
}

// The exact normal distribution, as an independent reference for the band weight.
double ExactN(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

TEST(Option, WeightedProfitWeighsByTheProbabilityBand) {
    struct Case {
        double reference, horizon;
    };
    const Case cases[] = {{53, 0.25}, {60, 0.25}, {45, 0.5}, {53, 2}};
    for (Side side : {Side::kBuy, Side::kSell}) {
        for (const auto& c : cases) {
            Option option = TenContracts(side);
            option.SetInterestRate(0.05);
            option.SetDividendYield(0.01);
            const double w = 0.3 * std::sqrt(c.horizon);
            const double L = std::log(std::min(c.reference, 53.0) / std::max(c.reference, 53.0));
            const double h1 = (L + 0.04 * c.horizon) / w + w / 2;
            const double weight = ExactN(h1) - ExactN(h1 - w);
            EXPECT_NEAR(option.WeightedProfit(c.reference, c.horizon), option.Profit() * weight,
                        1e-6 * std::fabs(option.Profit()))
                << "side " << Stored(side) << " reference " << c.reference << " horizon "
                << c.horizon;
        }
    }
}

// The graph asks for the weight at its base date, where the horizon is 0, and may put a
// point of its price axis at 0: the answer must be a number.
TEST(Option, WeightedProfitOfAnEmptyBandIsZero) {
    Option option = TenContracts(Side::kBuy);
    EXPECT_EQ(option.WeightedProfit(53, 0), 0);
    option.SetUnderlyingPrice(0);
    EXPECT_TRUE(std::isfinite(option.WeightedProfit(0, 0.25)));
    EXPECT_EQ(option.WeightedProfit(53, 0.25), 0);
}

// A contract in March 1999 with the given strike and type, 10 contracts sold.
Option MarchContract(double strike, OptionType optionType, int contracts) {
    Option option;
    option.SetDates(CTime(1999, 3, 1), CTime(1999, 3, 20));
    option.SetStrike(strike);
    option.SetOptionType(optionType);
    option.SetContracts(contracts);
    option.SetSide(Side::kSell);
    return option;
}

void ExpectDescriptions() {
    Option option = MarchContract(45.5, OptionType::kPut, 10);
    EXPECT_EQ(option.ExpirationText(), "Mar 1999");
    EXPECT_EQ(option.Description(), "Mar 45 1/2 Put");
    EXPECT_EQ(option.TradeDescription(), "Sell 10 Mar 1999 45 1/2 puts");

    option = MarchContract(50, OptionType::kCall, 1);
    option.SetSide(Side::kBuy);
    EXPECT_EQ(option.Description(), "Mar 50 Call");
    EXPECT_EQ(option.TradeDescription(), "Buy 1 Mar 1999 50 call");

    // Without days left there is no expiration to name, but the trade still reads.
    option.SetDaysLeft(0);
    EXPECT_EQ(option.ExpirationText(), "");
    EXPECT_EQ(option.Description(), "");
    EXPECT_EQ(option.TradeDescription(), "Buy 1 Mar 1999 50 call");

    option.SetSide(Side::kNone);
    EXPECT_EQ(option.TradeDescription(), "");
}

TEST(Option, DescribesContractAndTrade) { ExpectDescriptions(); }

TEST(Option, DescriptionsIgnoreTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ExpectDescriptions();
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace qx
