#include "pricing/record_enums.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <type_traits>

#include "pricing/option.h"
#include "tracker/tran.h"

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
static_assert(!std::is_invocable_v<decltype(&Tran::SetKind), Tran&, TranAction>);
static_assert(!std::is_invocable_v<decltype(&Tran::SetSide), Tran&, int>);

template <class Enum>
void ExpectFromStored(std::optional<Enum> (*fromStored)(int), int stored,
                      std::optional<Enum> expected, const char* field) {
    EXPECT_EQ(fromStored(stored), expected) << field << " stored as " << stored;
    if (expected) {
        EXPECT_EQ(Stored(*expected), stored) << field;
    }
}

// What a document, the settings or a spreadsheet holds comes back only as a value a
// record has, and goes out again as the same int; any other marks the file damaged.
TEST(RecordEnums, FromStoredKnowsOnlyTheValuesARecordHolds) {
    using std::nullopt;
    const struct {
        int stored;
        std::optional<OptionType> type;
        std::optional<Side> side;
        std::optional<AssetType> asset;
        std::optional<TranKind> kind;
        std::optional<TranAction> action;
    } cases[] = {
        {INT_MIN, nullopt, nullopt, nullopt, nullopt, nullopt},
        {-1, nullopt, nullopt, nullopt, nullopt, nullopt},
        {0, OptionType::kNone, Side::kNone, AssetType::kNone, TranKind::kNone, TranAction::kNone},
        {1, OptionType::kCall, Side::kBuy, AssetType::kStock, TranKind::kUnderlying,
         TranAction::kOpen},
        {2, OptionType::kPut, Side::kSell, AssetType::kIndex, TranKind::kOption,
         TranAction::kClose},
        {3, nullopt, nullopt, AssetType::kFuture, TranKind::kDividend, TranAction::kExercise},
        {4, nullopt, nullopt, nullopt, nullopt, nullopt},
        {INT_MAX, nullopt, nullopt, nullopt, nullopt, nullopt},
    };
    for (const auto& c : cases) {
        ExpectFromStored(OptionTypeFromStored, c.stored, c.type, "type");
        ExpectFromStored(SideFromStored, c.stored, c.side, "side");
        ExpectFromStored(AssetTypeFromStored, c.stored, c.asset, "asset type");
        ExpectFromStored(TranKindFromStored, c.stored, c.kind, "kind");
        ExpectFromStored(TranActionFromStored, c.stored, c.action, "action");
    }
}

}  // namespace
}  // namespace qx
