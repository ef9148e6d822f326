#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "editor/position_summary.h"
#include "editor_fixture.h"

namespace qx {
namespace {

// The underlying's prices the payoffs are read at: the strikes 40 to 60 of an underlying
// at 50 (strike step 5) and one step beyond either end.
constexpr double kPrices[] = {35, 40, 45, 50, 55, 60, 65};
constexpr int kPriceCount = static_cast<int>(std::size(kPrices));

class EditorStrategyTest : public EditorTest {
  protected:
    EditorStrategyTest() { Type(C::kPrice, "50"); }

    void Apply(Strategy strategy) { editor->Command(StrategyCommand(strategy)); }

    // What the position is worth at expiration with the underlying at s, premiums and
    // fees apart: the options' intrinsic values and the holding's gain from today's price.
    double PayoffAt(double s) const {
        const Stock& stock = Underlying();
        const double sign = stock.GetSide() == Side::kSell ? -1 : 1;
        double payoff = stock.GetSide() == Side::kNone ? 0 : sign * stock.GetShares() * (s - 50);
        for (int slot = 0; slot < kOptionSlots; ++slot) {
            const Option& option = Record(slot);
            if (option.GetSide() == Side::kNone) continue;
            const double k = option.GetStrike();
            const double intrinsic = option.GetOptionType() == OptionType::kCall
                                         ? std::max(s - k, 0.0)
                                         : std::max(k - s, 0.0);
            const double legSign = option.GetSide() == Side::kBuy ? 1 : -1;
            payoff += legSign * option.GetContracts() * option.GetUnitsPerContract() * intrinsic;
        }
        return payoff;
    }
};

TEST_F(EditorStrategyTest, EachTemplateHasItsExpirationPayoff) {
    struct Case {
        Strategy strategy;
        int legs;
        int shares;
        double payoff[kPriceCount];  // at kPrices
    };
    const Case cases[] = {
        {Strategy::kLongCall, 1, 0, {0, 0, 0, 0, 500, 1000, 1500}},
        {Strategy::kLongPut, 1, 0, {1500, 1000, 500, 0, 0, 0, 0}},
        {Strategy::kCoveredCall, 1, 100, {-1500, -1000, -500, 0, 500, 500, 500}},
        {Strategy::kProtectivePut, 1, 100, {-500, -500, -500, 0, 500, 1000, 1500}},
        {Strategy::kCollar, 2, 100, {-500, -500, -500, 0, 500, 500, 500}},
        {Strategy::kBullCallSpread, 2, 0, {0, 0, 0, 0, 500, 1000, 1000}},
        {Strategy::kBearPutSpread, 2, 0, {1000, 1000, 500, 0, 0, 0, 0}},
        {Strategy::kStraddle, 2, 0, {1500, 1000, 500, 0, 500, 1000, 1500}},
        {Strategy::kStrangle, 2, 0, {1000, 500, 0, 0, 0, 500, 1000}},
        {Strategy::kIronCondor, 4, 0, {-500, -500, 0, 0, 0, -500, -500}},
        {Strategy::kIronButterfly, 4, 0, {-1000, -1000, -500, 0, -500, -1000, -1000}},
        {Strategy::kCallButterfly, 4, 0, {0, 0, 0, 500, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const char* name = StrategyTemplate::Of(c.strategy).name;
        Apply(c.strategy);
        EXPECT_EQ(Underlying().GetShares(), c.shares) << name;
        for (int i = 0; i < kPriceCount; ++i)
            EXPECT_DOUBLE_EQ(PayoffAt(kPrices[i]), c.payoff[i]) << name << " at " << kPrices[i];
        for (int slot = 0; slot < kOptionSlots; ++slot) {
            const Option& leg = Record(slot);
            const bool traded = slot < c.legs;
            EXPECT_EQ(leg.GetSide() != Side::kNone, traded) << name << " slot " << slot;
            if (!traded) continue;
            EXPECT_EQ(leg.GetContracts(), 1) << name << " slot " << slot;
            // Jan 1999 expires within the week, so the first month with time value.
            EXPECT_EQ(leg.ExpirationText(), "Feb 1999") << name;
            // Priced at fair value to the cent, but never at nothing, so NET shows at once.
            EXPECT_NEAR(leg.GetPrice(), std::max(leg.FairValue(), 0.01), 0.005 + 1e-9)
                << name << " slot " << slot;
        }
        EXPECT_EQ(editor->GetRowRecord(0), 0) << name;
        EXPECT_EQ(editor->GetRowRecord(1), c.legs > 1 ? 1 : -1) << name;
        EXPECT_FALSE(RowText(0, R::kRowNet).empty()) << name;
        EXPECT_TRUE(Ctl(C::kGraphButton).enabled) << name;
    }
}

TEST_F(EditorStrategyTest, CalendarSellsTheFirstExpirationAndBuysTheNext) {
    Apply(Strategy::kCalendarSpread);
    EXPECT_EQ(Record(0).ExpirationText(), "Feb 1999");
    EXPECT_EQ(Record(0).GetSide(), Side::kSell);
    EXPECT_EQ(Record(1).ExpirationText(), "Mar 1999");
    EXPECT_EQ(Record(1).GetSide(), Side::kBuy);
    EXPECT_EQ(Record(0).GetStrike(), 50);
    EXPECT_EQ(Record(1).GetStrike(), 50);
    EXPECT_GT(Record(1).GetPrice(), Record(0).GetPrice()) << "more time costs more";
}

TEST_F(EditorStrategyTest, TemplatesWaitForAPriceAndAskBeforeReplacingWork) {
    Type(C::kPrice, "");
    EXPECT_FALSE(editor->GetMenuItem(StrategyCommand(Strategy::kStraddle)).enabled);
    Apply(Strategy::kStraddle);
    EXPECT_EQ(Record(0).GetSide(), Side::kNone);

    Type(C::kPrice, "50");
    FillRow(0, 0, "45", R::kPutButton, "1", "3", R::kRowSell);
    messages.threeWayAnswer = Answer::kCancel;
    Apply(Strategy::kStraddle);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Record(0).GetContracts(), 3) << "Cancel keeps the position";
    messages.threeWayAnswer = Answer::kNo;
    Apply(Strategy::kStraddle);
    EXPECT_EQ(Record(0).GetContracts(), 1);
    EXPECT_EQ(Record(1).GetOptionType(), OptionType::kPut);
}

TEST_F(EditorStrategyTest, PositionTableShowsEveryLegAndTheTotal) {
    settings.includeFees = true;
    Reopen();
    Type(C::kPrice, "50");
    Apply(Strategy::kCollar);
    const std::vector<std::string>& lines = Ctl(C::kPosition).items;
    ASSERT_EQ(lines.size(), 6u);
    const Option& put = Record(0);
    const Option& call = Record(1);
    const std::string putLine = "Buy 1 " + put.GetExpiration().Format("%b %Y") + " 45 Put at " +
                                NumberText(put.GetPrice(), 2, false);
    EXPECT_EQ(lines[0].rfind("Buy 100 Shares at 50.00", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind(putLine, 0), 0u) << lines[1];
    EXPECT_EQ(lines[3], "3 New Option");
    // The total: the premiums and the holding's cost, the fees of three trades, the NET.
    const double fees = -25.0 * 3;
    const double net = Underlying().Value() + put.CashFlow() + call.CashFlow();
    const std::string total = lines[5];
    EXPECT_EQ(total.rfind("Net cost " + NumberText(-(net - fees), 2, false) + "   Fees -75.00", 0),
              0u)
        << total;
    EXPECT_EQ(total.substr(total.size() - 4 - NumberText(net, 2, false).size()),
              "NET " + NumberText(net, 2, false));
    // The NET column lines up.
    EXPECT_EQ(lines[0].find("NET"), lines[1].find("NET"));
    EXPECT_EQ(lines[1].find("NET"), total.find("NET "));

    editor->ChooseItem(C::kPosition, PositionSummary::kFirstSlotLine + 1);
    EXPECT_EQ(editor->GetRowRecord(0), 0) << "a slot shown already stays where it is";
    EXPECT_EQ(editor->GetRowRecord(1), 1);
    editor->ClickButton(RowControlId(1, R::kClear));
    editor->ChooseItem(C::kPosition, PositionSummary::kFirstSlotLine + 3);
    EXPECT_EQ(editor->GetRowRecord(1), 3) << "the free row shows the slot chosen";
}

}  // namespace
}  // namespace qx
