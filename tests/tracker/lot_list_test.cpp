#include "tracker/lot_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx {
namespace {

constexpr double kTolerance = 1e-9;

// The lots, in book order at indices 10, 20, 30..., averaged over a quantity.
struct RecentCase {
    const char* what;
    std::vector<LotList::Lot> lots;  // index set from the order
    double quantity;
    LotList::Average want;
};

TEST(LotList, AveragesTheMostRecentLotsThatCoverTheQuantity) {
    const RecentCase cases[] = {
        {"the most recent lot covers it", {{0, 100, 10, 5}, {0, 100, 12, 5}}, 100, {20, 12, 5}},
        {"the oldest lot taken in part",
         {{0, 100, 10, 5}, {0, 100, 12, 5}},
         150,
         {20, (12 * 100 + 10 * 50) / 150.0, 10}},
        {"a most recent lot of no units dates and counts its fees",
         {{0, 300, 46, 5}, {0, 0, 45.84, 5}},
         300,
         {20, 46, 10}},
        {"a lot of no units older than the cover is not taken",
         {{0, 100, 10, 1}, {0, 0, 99, 2}, {0, 100, 20, 3}},
         100,
         {30, 20, 3}},
        {"lots that fall short are all taken", {{0, 100, 10, 1}}, 200, {10, 5, 1}},
        {"no lots", {}, 100, {-1, 0, 0}},
    };
    for (const RecentCase& c : cases) {
        LotList list;
        int index = 0;
        for (LotList::Lot lot : c.lots) {
            lot.index = index += 10;
            list.Insert(lot);
        }
        const LotList::Average got = list.Recent(c.quantity);
        EXPECT_EQ(got.mostRecent, c.want.mostRecent) << c.what;
        EXPECT_NEAR(got.price, c.want.price, kTolerance) << c.what;
        EXPECT_NEAR(got.fees, c.want.fees, kTolerance) << c.what;
    }
}

// Lots recorded out of order, removed and moved by the book keep their sums in order.
TEST(LotList, SumsFollowInsertionsRemovalsAndMoves) {
    LotList list;
    list.Insert({30, 100, 14, 4});
    list.Insert({10, 100, 10, 1});
    list.Insert({20, 100, 12, 2});
    list.Erase(30);
    list.Erase(25);  // no lot there
    list.ShiftFrom(15, 1);
    const LotList::Average got = list.Recent(150);
    EXPECT_EQ(got.mostRecent, 21);
    EXPECT_NEAR(got.price, (12 * 100 + 10 * 50) / 150.0, kTolerance);
    EXPECT_NEAR(got.fees, 3, kTolerance);
}

}  // namespace
}  // namespace qx
