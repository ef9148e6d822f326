#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "graph/plot_overlays.h"
#include "graph/signed_greeks.h"
#include "graph/worker_pool.h"
#include "shell/settings.h"

namespace qx {
namespace {

// Options of 30, 60 and 90 days on an underlying at 100, the graph 10 days ahead.
class GraphDatesTest : public testing::Test {
  protected:
    GraphDatesTest()
        : rows{MakeCall(100, 30), MakePut(95, 60, Side::kSell), MakeCall(110, 90)},
          model(rows, MakeHolding(), settings) {
        model.Recompute();
        model.SetDateOffset(10);
    }

    // The kinds of the model's dates, in order.
    std::vector<DateKind> Kinds() {
        model.Recompute();
        std::vector<DateKind> kinds;
        for (int d = 0; d < model.GetDateCount(); ++d) kinds.push_back(model.GetDateKind(d));
        return kinds;
    }

    Settings settings = WholeDaySettings();
    Option rows[4];
    GraphModel model;
};

using K = DateKind;

TEST_F(GraphDatesTest, DatesAreTheSlidersTheExpirationAndUpToThreePinned) {
    EXPECT_EQ(Kinds(), (std::vector<K>{K::kSlider, K::kExpiration}));
    EXPECT_EQ(model.DateOf(1).Format("%m/%d/%Y"),
              model.GetBaseDate().AddDays(30).Format("%m/%d/%Y"));
    EXPECT_TRUE(model.PinDate());
    EXPECT_FALSE(model.PinDate()) << "the same date twice";
    for (int day : {15, 20}) {
        model.SetDateOffset(day);
        EXPECT_TRUE(model.PinDate()) << day;
    }
    model.SetDateOffset(25);
    EXPECT_FALSE(model.PinDate()) << "five dates in all";
    EXPECT_EQ(Kinds(),
              (std::vector<K>{K::kSlider, K::kExpiration, K::kPinned, K::kPinned, K::kPinned}));

    // The slider on a pinned date or the expiration shows that date once.
    model.SetDateOffset(15);
    EXPECT_EQ(Kinds().size(), 4u);
    model.SetDateOffset(30);
    EXPECT_EQ(Kinds().size(), 4u);
    // A Greek has no curve at the expiration, and the date bound drops later pins.
    model.SetGraphType(GraphType::Delta);
    model.SetDateOffset(5);
    EXPECT_EQ(Kinds(), (std::vector<K>{K::kSlider, K::kPinned, K::kPinned, K::kPinned}));
    settings.showExpiration = false;
    model.SetGraphType(GraphType::ValueOrProfit);
    model.ClearPinnedDates();
    EXPECT_EQ(Kinds(), (std::vector<K>{K::kSlider}));
}

// Each date's curves are the position valued at that date on the slider date's price
// axis, whichever thread valued them, bit for bit; the range covers every date.
TEST_F(GraphDatesTest, EachDatesCurvesAreThePositionAtThatDate) {
    for (Option& row : rows) row.SetLatticeSteps(50);
    settings.resolution = 100;
    for (GraphType type : {GraphType::ValueOrProfit, GraphType::Theta}) {
        GraphModel heavy(rows, MakeHolding(), settings);
        heavy.SetGraphType(type);
        heavy.Recompute();
        heavy.SetDateOffset(20);
        heavy.PinDate();
        heavy.SetDateOffset(5);
        heavy.Recompute();
        ASSERT_EQ(heavy.GetDateCount(), type == GraphType::Theta ? 2 : 3);
        for (int d = 0; d < heavy.GetDateCount(); ++d) {
            const DateKind kind = heavy.GetDateKind(d);
            const int offset = kind == DateKind::kSlider ? 5 : kind == DateKind::kPinned ? 20 : 30;
            for (int i = 0; i < heavy.GetPointCount(); ++i) {
                Option leg = rows[1];
                leg.SetDaysLeft(60 - offset);
                leg.SetUnderlyingPrice(heavy.GetXMin() + i * heavy.GetXStep());
                const double expected = type == GraphType::Theta
                                            ? SignedGreek(leg, type, settings.shareWeighted)
                                            : leg.Profit();
                ASSERT_EQ(heavy.GetCurve(d, 2, i), expected) << "date " << d << " point " << i;
                EXPECT_LE(heavy.GetCurve(d, 0, i), heavy.GetYMax());
                EXPECT_GE(heavy.GetCurve(d, 0, i), heavy.GetYMin());
            }
        }
    }
}

TEST(WorkerPool, RunsEveryTaskOnceEachOnItsWorker) {
    WorkerPool pool(3);
    for (int count : {0, 1, 2, 7, 60}) {
        std::vector<std::atomic<int>> runs(count);
        std::vector<std::thread::id> ran(count);
        struct Context {
            std::vector<std::atomic<int>>* runs;
            std::vector<std::thread::id>* ran;
        } context{&runs, &ran};
        pool.Run(
            count,
            [](void* c, int t) {
                auto* ctx = static_cast<Context*>(c);
                ++(*ctx->runs)[t];
                (*ctx->ran)[t] = std::this_thread::get_id();
            },
            &context);
        std::set<std::thread::id> threads;
        for (int t = 0; t < count; ++t) {
            EXPECT_EQ(runs[t], 1) << "task " << t << " of " << count;
            EXPECT_EQ(ran[t], ran[t % 3]) << "task " << t << " of " << count;
            threads.insert(ran[t]);
        }
        EXPECT_EQ(threads.size(), static_cast<std::size_t>(std::min(count, 3))) << count;
        if (count > 0) {
            EXPECT_EQ(ran[0], std::this_thread::get_id());
        }
    }
}

TEST(ExpectedMove, SpansTheDeviationsAroundTheDriftedPrice) {
    const struct {
        int days, drift, deviations;
        double low, high;
    } cases[] = {
        // 100·e^(∓0.3) a year ahead; e^(0.1 ∓ 0.3) with 10 % drift; two deviations.
        {365, 100, 1, 74.0818, 134.9859},
        {365, 110, 1, 81.8731, 149.1825},
        {365, 100, 2, 54.8812, 182.2119},
        {0, 100, 1, 100, 100},
    };
    Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4] = {MakeCall(100, 400)};
        GraphModel model(rows, Stock(), settings);
        model.SetDateOffset(c.days);
        model.SetDriftPosition(c.drift);
        const PriceBand band = ExpectedMove(model, c.deviations);
        EXPECT_NEAR(band.low, c.low, 5e-5) << c.days << " days, drift " << c.drift;
        EXPECT_NEAR(band.high, c.high, 5e-5) << c.days << " days, drift " << c.drift;
    }
}

}  // namespace
}  // namespace qx
