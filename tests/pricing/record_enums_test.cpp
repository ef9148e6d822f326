#include "pricing/record_enums.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <type_traits>

#include "pricing/option.h"

namespace qx {
namespace {

// A coded field takes only its own kind of value: a type given for a side, or a bare
// int, does not compile.
static_assert(!std::is_convertible_v<OptionType, Side>);
static_assert(!std::is_convertible_v<int, Side>);
static_assert(std::is_invocable_v<decltype(&Option::SetSide), Option&, Side>);
static_assert(!std::is_invocable_v<decltype(&Option::SetSide), Option&, OptionType>);
static_assert(!std::is_invocable_v<decltype(&Option::SetSide), Option&, int>);
static_assert(!std::is_invocable_v<decltype(&Option::SetOptionType), Option&, Side>);
static_assert(!std::is_invocable_v<decltype(&Option::SetAssetType), Option&, int>);

// What a document, the settings or a spreadsheet holds comes back only as a value a
// record has, and goes out again as the same int.
TEST(RecordEnums, FromStoredKnowsOnlyTheValuesARecordHolds) {
    const struct {
        int stored;
        std::optional<OptionType> type;
        std::optional<Side> side;
        std::optional<AssetType> asset;
    } cases[] = {
        {INT_MIN, std::nullopt, std::nullopt, std::nullopt},
        {-1, std::nullopt, std::nullopt, std::nullopt},
        {0, OptionType::kNone, Side::kNone, AssetType::kNone},
        {1, OptionType::kCall, Side::kBuy, AssetType::kStock},
        {2, OptionType::kPut, Side::kSell, AssetType::kIndex},
        {3, std::nullopt, std::nullopt, AssetType::kFuture},
        {4, std::nullopt, std::nullopt, std::nullopt},
        {INT_MAX, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OptionTypeFromStored(c.stored), c.type) << c.stored;
        EXPECT_EQ(SideFromStored(c.stored), c.side) << c.stored;
        EXPECT_EQ(AssetTypeFromStored(c.stored), c.asset) << c.stored;
        if (c.type) {
            EXPECT_EQ(Stored(*c.type), c.stored);
        }
        if (c.side) {
            EXPECT_EQ(Stored(*c.side), c.stored);
        }
        if (c.asset) {
            EXPECT_EQ(Stored(*c.asset), c.stored);
        }
    }
}

}  // namespace
}  // namespace qx
