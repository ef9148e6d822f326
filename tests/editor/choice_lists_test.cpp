#include "editor/choice_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qx {
namespace {

TEST(StrikeList, StepsAndDecimalsFollowThePriceDecade) {
    struct Case {
        double price;
        const char* first;
        const char* second;
        const char* last;
    };
    const Case cases[] = {
        {47.30, "42.00", "43.00", "52.00"},
        {120, "95.00", "100.00", "145.00"},
        {5, "2.50", "3.00", "7.50"},
        {4.99, "4.40", "4.50", "5.40"},
        {25, "20.00", "21.00", "30.00"},
        {24.99, "22.00", "22.50", "27.00"},
        {50, "25.00", "30.00", "75.00"},
        {250, "200.00", "210.00", "300.00"},
        {500, "250.00", "300.00", "750.00"},
        {2500, "2000.00", "2100.00", "3000.00"},
        {0.5, "0.25", "0.30", "0.75"},
        {2.5, "2.00", "2.10", "3.00"},
        {0.012, "0.0095", "0.0100", "0.0145"},
        {0.2, "0.175", "0.180", "0.225"},
        // Prices that are whole steps but whose quotient falls just short in binary.
        {4.1, "3.60", "3.70", "4.60"},
        {3.3, "2.80", "2.90", "3.80"},
        {0.7, "0.45", "0.50", "0.95"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> strikes = StrikeList(c.price);
        ASSERT_EQ(strikes.size(), 11u) << "price " << c.price;
        EXPECT_EQ(strikes[0], c.first) << "price " << c.price;
        EXPECT_EQ(strikes[1], c.second) << "price " << c.price;
        EXPECT_EQ(strikes[10], c.last) << "price " << c.price;
    }
}

TEST(StrikeList, OffersNothingForAPriceThatIsNotPositiveOrNotFinite) {
    for (double price : {0.0, -5.0, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        EXPECT_TRUE(StrikeList(price).empty()) << "price " << price;
    }
}

TEST(StrikeList, NeverOffersAStrikeOfZeroOrBelow) {
    for (const std::string& strike : StrikeList(0.0011)) {
        EXPECT_FALSE(strike.empty());
        EXPECT_NE(strike[0], '-') << strike;
    }
}

TEST(ChoiceLists, HoldingsDependOnTheAssetType) {
    const std::vector<std::string> futures = SharesList(AssetType::kFuture);
    EXPECT_EQ(futures.front(), "1");
    EXPECT_EQ(futures.back(), "100");
    EXPECT_EQ(futures.size(), 13u);
    for (AssetType type : {AssetType::kStock, AssetType::kIndex}) {
        const std::vector<std::string> shares = SharesList(type);
        EXPECT_EQ(shares.front(), "100") << "type " << Stored(type);
        EXPECT_EQ(shares[9], "1000") << "type " << Stored(type);
        EXPECT_EQ(shares.back(), "10000") << "type " << Stored(type);
    }
    EXPECT_EQ(ContractsList(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8",
                                                         "9", "10", "15", "20", "25"}));
    EXPECT_EQ(UnitsList(),
              (std::vector<std::string>{"100", "500", "1000", "10000", "100000", "1000000"}));
}

}  // namespace
}  // namespace qx
