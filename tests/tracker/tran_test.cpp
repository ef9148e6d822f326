#include "tracker/tran.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <limits>
#include <string>

#include "pricing/option.h"
#include "test_support/tran_builder.h"

namespace qx {
namespace {

TEST(Tran, UnitsFollowTheSideWhicheverIsSetFirst) {
    Tran tran;
    tran.SetUnits(-30);
    tran.SetSide(Side::kBuy);
    EXPECT_EQ(tran.GetSignedUnits(), 30);
    EXPECT_EQ(tran.GetUnits(), 30);
    tran.SetSide(Side::kSell);
    EXPECT_EQ(tran.GetSignedUnits(), -30);
    EXPECT_EQ(tran.GetUnits(), 30);
    tran.SetUnits(12);
    EXPECT_EQ(tran.GetSignedUnits(), -12);
    tran.SetSide(Side::kNone);
    EXPECT_EQ(tran.GetSignedUnits(), 12);
}

TEST(Tran, SettersRefuseOutOfRangeAndKeepTheField) {
    Tran tran = TranBuilder().Call().Open().Sell(3).At(2).Fees(1);
    const Tran before = tran;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        int result;
    } refusals[] = {
        {"units per contract 0", tran.SetUnitsPerContract(0)},
        {"units per contract -1", tran.SetUnitsPerContract(-1)},
        {"no option type", tran.SetOptionType(OptionType::kNone)},
        {"strike 0", tran.SetStrike(0)},
        {"strike -5", tran.SetStrike(-5)},
        {"strike NaN", tran.SetStrike(nan)},
        {"price -0.5", tran.SetPrice(-0.5)},
        {"price NaN", tran.SetPrice(nan)},
        {"fees infinite", tran.SetFees(std::numeric_limits<double>::infinity())},
        {"units INT_MIN", tran.SetUnits(INT_MIN)},
        {"strike 1e300", tran.SetStrike(1e300)},
        {"price DBL_MAX", tran.SetPrice(DBL_MAX)},
        {"fees -2e12", tran.SetFees(-2e12)},
        {"date in 2040", tran.SetDate(CTime(std::int64_t{2} << 31))},
        {"expiration near year 2^31", tran.SetExpiration(CTime(std::int64_t{1} << 56))},
    };
    for (const auto& r : refusals) EXPECT_EQ(r.result, -1) << r.what;
    EXPECT_EQ(tran, before);

    EXPECT_EQ(tran.SetFees(7), 0);
    EXPECT_EQ(tran.GetFees(), -7);
    EXPECT_EQ(tran.SetPrice(0), 0);
    EXPECT_EQ(tran.SetUnits(INT_MAX), 0);
    EXPECT_EQ(tran.GetSignedUnits(), -INT_MAX);
}

// A name is measured in characters, so a name in an accented script is not cut short
// at half the length of a plain one.
TEST(Tran, NamesUpTo255CharactersAreTaken) {
    std::string accented;
    for (int i = 0; i < 255; ++i) accented += "\xC3\xA9";
    const struct {
        const char* what;
        std::string name;
        int result;
    } cases[] = {
        {"255 letters", std::string(255, 'X'), 0},
        {"256 letters", std::string(256, 'X'), -1},
        {"255 accented letters in 510 bytes", accented, 0},
        {"256 accented letters", accented + "\xC3\xA9", -1},
        {"4 MiB", std::string(4 << 20, 'X'), -1},
    };
    for (const auto& c : cases) {
        Tran tran = TranBuilder().Underlying("XYZ");
        EXPECT_EQ(tran.SetName(c.name), c.result) << c.what;
        EXPECT_EQ(tran.GetName(), c.result == 0 ? c.name : "XYZ") << c.what;
    }
}

TEST(Tran, ClearResetsEverythingButTheDates) {
    Tran tran = TranBuilder().Day(9).Call().Open().Buy(3).At(2).Fees(1);
    const CTime date = tran.GetDate();
    const CTime expiration = tran.GetExpiration();
    tran.Clear();
    Tran expected;
    expected.SetDate(date);
    expected.SetExpiration(expiration);
    EXPECT_EQ(tran, expected);
    EXPECT_EQ(tran.GetUnitsPerContract(), 1);
}

TEST(Tran, IsOnOrAfterComparesCalendarDaysOnly) {
    const Tran morning = TranBuilder().Day(5, 8);
    const Tran evening = TranBuilder().Day(5, 20);
    const Tran nextDay = TranBuilder().Day(6, 1);
    EXPECT_TRUE(morning.IsOnOrAfter(evening));
    EXPECT_TRUE(evening.IsOnOrAfter(morning));
    EXPECT_TRUE(nextDay.IsOnOrAfter(evening));
    EXPECT_FALSE(evening.IsOnOrAfter(nextDay));
    Tran newYear;
    newYear.SetDate(CTime(2027, 1, 1, 0));
    EXPECT_TRUE(newYear.IsOnOrAfter(nextDay));
    EXPECT_FALSE(nextDay.IsOnOrAfter(newYear));
}

TEST(Tran, IsCompleteByKindAndAction) {
    const struct {
        const char* what;
        Tran tran;
        bool complete;
    } cases[] = {
        {"stock purchase", TranBuilder().Underlying().Open().Buy(100).At(10), true},
        {"stock without price", TranBuilder().Underlying().Open().Buy(100), false},
        {"stock without side", TranBuilder().Underlying().Open().Buy(100).At(10).Side(Side::kNone),
         false},
        {"stock without action", TranBuilder().Underlying().Buy(100).At(10), false},
        {"stock without name", TranBuilder().Underlying("").Open().Buy(100).At(10), false},
        {"option sale", TranBuilder().Call().Close().Sell(2).At(3), true},
        {"option without units", TranBuilder().Call().Open().Buy(0).At(3), false},
        {"exercise without side", TranBuilder().Call().Exercise(2, 55), true},
        {"exercise without price", TranBuilder().Call().Exercise(2, 0), false},
        {"dividend", TranBuilder().Dividend(25), true},
        {"dividend without amount", TranBuilder().Dividend(0), false},
        {"no kind", TranBuilder().Open().Buy(1).At(1), false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.tran.IsComplete(), c.complete) << c.what;
}

TEST(Tran, AmountFeesAndTotalOfTrades) {
    const struct {
        const char* what;
        Tran tran;
        double amount, fees, total;
    } cases[] = {
        {"2 calls of 100 bought at 3, fee 10 a contract",
         TranBuilder().Call().Open().Buy(2).At(3).Fees(10), -600, -20, -620},
        {"2 calls of 100 sold at 3, fee 10 a contract",
         TranBuilder().Call().Close().Sell(2).At(3).Fees(10), 600, -20, 580},
        {"300 shares sold at 20, fee 15",
         TranBuilder().Underlying().Open().Sell(300).At(20).Fees(15), 6000, -15, 5985},
        {"2 futures of 50 bought at 100, fee 5",
         TranBuilder().Underlying("ES", AssetType::kFuture, 50).Open().Buy(2).At(100).Fees(5),
         -10000, -5, -10005},
        {"a stock ignores a contract size",
         TranBuilder().Underlying("XYZ", AssetType::kStock, 100).Open().Buy(10).At(4), -40, 0, -40},
        {"dividend of 25", TranBuilder().Dividend(25), 25, 0, 25},
        {"nothing", Tran(), 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.tran.Amount(), c.amount) << c.what;
        EXPECT_DOUBLE_EQ(c.tran.TotalFees(), c.fees) << c.what;
        EXPECT_DOUBLE_EQ(c.tran.Total(), c.total) << c.what;
        EXPECT_EQ(c.tran.DeliveredUnits(), 0) << c.what;
    }
}

TEST(Tran, ExerciseDeliversOrSettlesByAssetTypeOptionTypeAndSide) {
    // Two contracts of 100 at a strike of 50 with a fee of 1 a contract; side 1 is the
    // assigned writer, side 2 the holder who exercises. Index calls stand at 56, index
    // puts at 44.
    const struct {
        AssetType assetType;
        OptionType optionType;
        Side side;
        double amount, total;
        long long delivered;
    } cases[] = {
        {AssetType::kStock, OptionType::kCall, Side::kBuy, 10000, 9998, -200},
        {AssetType::kStock, OptionType::kCall, Side::kSell, -10000, -10002, 200},
        {AssetType::kStock, OptionType::kPut, Side::kBuy, -10000, -10002, 200},
        {AssetType::kStock, OptionType::kPut, Side::kSell, 10000, 9998, -200},
        {AssetType::kFuture, OptionType::kCall, Side::kSell, -10000, -10002, 200},
        {AssetType::kFuture, OptionType::kPut, Side::kSell, 10000, 9998, -200},
        {AssetType::kIndex, OptionType::kCall, Side::kBuy, -1200, -1202, 0},
        {AssetType::kIndex, OptionType::kCall, Side::kSell, 1200, 1198, 0},
        {AssetType::kIndex, OptionType::kPut, Side::kBuy, -1200, -1202, 0},
        {AssetType::kIndex, OptionType::kPut, Side::kSell, 1200, 1198, 0},
        {AssetType::kStock, OptionType::kCall, Side::kNone, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const double price = c.assetType != AssetType::kIndex    ? 50
                             : c.optionType == OptionType::kCall ? 56
                                                                 : 44;
        const Tran tran = TranBuilder()
                              .OptionSeries("X", c.optionType, 50, c.assetType)
                              .Exercise(2, price)
                              .Side(c.side)
                              .Fees(1);
        const std::string what = "asset " + std::to_string(Stored(c.assetType)) + " type " +
                                 std::to_string(Stored(c.optionType)) + " side " +
                                 std::to_string(Stored(c.side));
        EXPECT_DOUBLE_EQ(tran.Amount(), c.amount) << what;
        EXPECT_DOUBLE_EQ(tran.Total(), c.total) << what;
        EXPECT_EQ(tran.DeliveredUnits(), c.delivered) << what;
    }
}

TEST(Tran, ExerciseOfBoughtCallsPaysTheStrike) {
    const Tran stock = TranBuilder().Call().Exercise(2, 60).Side(Side::kSell);
    EXPECT_DOUBLE_EQ(stock.Amount(), -10000);
    EXPECT_EQ(stock.DeliveredUnits(), 200);
    const Tran index = TranBuilder()
                           .Call("SPX Jun 50 Call", 50, AssetType::kIndex)
                           .Exercise(2, 56)
                           .Side(Side::kSell);
    EXPECT_DOUBLE_EQ(index.Amount(), 1200);
    EXPECT_EQ(index.DeliveredUnits(), 0);
}

}  // namespace
}  // namespace qx
