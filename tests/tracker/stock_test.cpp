#include "tracker/stock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pricing/option.h"

namespace qx {
namespace {

TEST(Stock, SettersRefuseOutOfRangeAndKeepTheField) {
    Stock stock;
    stock.SetPrice(12.5);
    stock.SetShares(300);
    stock.SetSide(Side::kSell);
    stock.SetAssetType(AssetType::kIndex);
    stock.SetUnitsPerContract(50);
    const Stock before = stock;

    EXPECT_EQ(stock.SetPrice(-0.01), -1);
    EXPECT_EQ(stock.SetPrice(std::numeric_limits<double>::quiet_NaN()), -1);
    EXPECT_EQ(stock.SetPrice(std::numeric_limits<double>::infinity()), -1);
    EXPECT_EQ(stock.SetShares(-1), -1);
    EXPECT_EQ(stock.SetUnitsPerContract(-5), -1);
    EXPECT_EQ(stock.SetFees(std::numeric_limits<double>::quiet_NaN()), -1);
    EXPECT_EQ(stock.SetPrice(1e300), -1);
    EXPECT_EQ(stock.SetFees(1.5e12), -1);
    EXPECT_EQ(stock.SetSymbol(std::string(256, 'X')), -1);
    EXPECT_EQ(stock, before);

    EXPECT_EQ(stock.SetPrice(0), 0);
    EXPECT_EQ(stock.SetUnitsPerContract(0), 0);
    EXPECT_EQ(stock.GetUnitsPerContract(), 0);
    EXPECT_EQ(stock.SetAssetType(AssetType::kFuture), 0);
    EXPECT_EQ(stock.GetAssetType(), AssetType::kFuture);
}

TEST(Stock, FeesAreAlwaysACost) {
    for (double fee : {2.5, -2.5}) {
        Stock stock;
        EXPECT_EQ(stock.SetFees(fee), 0);
        EXPECT_EQ(stock.GetFees(), -2.5) << "fee " << fee;
    }
}

TEST(Stock, ValueAndProfitOfTheLeg) {
    struct Case {
        Side side;
        double value;
        double profitAt55;
    };
    const Case cases[] = {
        {Side::kBuy, -10010, 990}, {Side::kSell, 9990, -1010}, {Side::kNone, 0, 0}};
    for (const Case& c : cases) {
        Stock stock;
        stock.SetShares(200);
        stock.SetPrice(50);
        stock.SetFees(10);
        stock.SetUnitsPerContract(1);
        stock.SetSide(c.side);
        EXPECT_DOUBLE_EQ(stock.Value(), c.value) << "side " << Stored(c.side);
        EXPECT_DOUBLE_EQ(stock.ProfitAt(55), c.profitAt55) << "side " << Stored(c.side);
        if (c.side == Side::kNone) {
            EXPECT_EQ(stock.ProfitAt(0), 0);
            EXPECT_EQ(stock.ProfitAt(1000), 0);
        }
    }
}

TEST(Stock, FuturesMultiplyByTheContractSize) {
    Stock future;
    future.SetAssetType(AssetType::kFuture);
    future.SetUnitsPerContract(50);
    future.SetShares(2);
    future.SetPrice(100);
    future.SetSide(Side::kBuy);
    EXPECT_DOUBLE_EQ(future.Value(), -10000);
    EXPECT_DOUBLE_EQ(future.ProfitAt(101), 100);
}

TEST(Stock, ClearKeepsSideAssetTypeAndSymbol) {
    Stock stock;
    stock.SetSymbol("CL");
    stock.SetSide(Side::kSell);
    stock.SetAssetType(AssetType::kFuture);
    stock.SetUnitsPerContract(1000);
    stock.SetShares(3);
    stock.SetPrice(80);
    stock.SetFees(12);
    stock.Clear();
    EXPECT_EQ(stock.GetSide(), Side::kSell);
    EXPECT_EQ(stock.GetAssetType(), AssetType::kFuture);
    EXPECT_EQ(stock.GetSymbol(), "CL");
    EXPECT_EQ(stock.GetUnitsPerContract(), 1);
    EXPECT_EQ(stock.GetShares(), 0);
    EXPECT_EQ(stock.GetPrice(), 0);
    EXPECT_EQ(stock.GetFees(), 0);

    Stock copy;
    copy.CopyFrom(stock);
    EXPECT_EQ(copy, stock);
}

}  // namespace
}  // namespace qx
