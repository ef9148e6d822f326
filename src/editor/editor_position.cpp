#include <algorithm>
#include <cmath>

#include "editor/choice_lists.h"
#include "editor/editor_model.h"
#include "editor/editor_text.h"
#include "editor/position_summary.h"
#include "pricing/expiration_calendar.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = EditorControl;

// The strikes and the expiration dates the editor's lists offer.
std::vector<double> ListedStrikes(double price) {
    std::vector<double> strikes;
    for (const std::string& text : StrikeList(price)) strikes.push_back(ParseNumber(text));
    return strikes;
}

// The listed expirations a strategy can be laid out in: a month that expires within the
// week leaves its options no time value, so no fair price to trade them at.
std::vector<CTime> ListedExpirations(CTime valuationDate, MonthlyExpiration rule) {
    constexpr int kLeastDaysLeft = 7;
    std::vector<CTime> dates;
    for (std::string month : ExpirationList(valuationDate)) {
        Option leg;
        const CTime expiration = ExpirationFromMonthText(month, rule);
        if (leg.SetDates(valuationDate, expiration) == 0 && leg.GetDaysLeft() >= kLeastDaysLeft)
            dates.push_back(expiration);
    }
    return dates;
}

// A fair value as the price box shows it, and never below the smallest step it can
// show: a price of nothing would leave the leg untraded.
double QuotedPrice(double fairValue, const Settings& settings) {
    const double tick = std::pow(10.0, -std::max(settings.significantDigits, 0));
    return std::max(ParseNumber(PriceText(fairValue, settings)), tick);
}

}  // namespace

void EditorModel::ApplyStrategy(Strategy strategy) {
    Stock& stock = document->GetStock();
    const double price = stock.GetPrice();
    const std::vector<double> strikes = ListedStrikes(price);
    const std::vector<CTime> expirations =
        ListedExpirations(valuationDate, MonthlyExpirationOf(settings));
    const StrategyTemplate& layout = StrategyTemplate::Of(strategy);
    ResetAllRecords();
    for (int slot = 0; slot < static_cast<int>(layout.legs.size()); ++slot) {
        const StrategyLeg& leg = layout.legs[slot];
        Option& option = Slot(slot);
        option.SetUnderlyingPrice(price);
        const int expiration = std::min<int>(leg.expiration, expirations.size() - 1);
        option.SetDates(valuationDate, expirations[expiration]);
        option.SetStrike(strikes[StrategyTemplate::StrikeIndex(strikes, price, leg)]);
        option.SetOptionType(leg.type);
        option.SetLatticeSteps(LatticeStepsOf(settings));
        option.SetPrice(QuotedPrice(option.FairValue(), settings));
        option.SetContracts(1);
        option.SetSide(leg.side);
    }
    const bool holds = layout.holdingSide != Side::kNone;
    stock.SetShares(holds ? (stock.GetAssetType() == AssetType::kFuture ? 1 : 100) : 0);
    stock.SetSide(layout.holdingSide);
    ShowDocument({0, layout.legs.size() > 1 ? 1 : -1});
}

void EditorModel::ShowPosition() {
    Control& table = Ctl(C::kPosition);
    table.items = PositionSummary::Lines(*document, settings);
    table.visible = Ctl(C::kPositionLabel).visible = settings.basicMode;
}

// A slot's line brings the slot into a row: the row that shows it already, else a free
// row, else the second row.
void EditorModel::ChoosePositionLine(int line) {
    const int slot = line - PositionSummary::kFirstSlotLine;
    if (!rowsEnabled || slot < 0 || slot >= kOptionSlots) return;
    if (rows[0].GetRecord() == slot || rows[1].GetRecord() == slot) return;
    ChooseRecord(rows[0].HasRecord() ? 1 : 0, slot);
}

EditorSnapshot EditorModel::Snapshot() const {
    return EditorSnapshot(*document, settings, valuationDate,
                          {rows[0].GetRecord(), rows[1].GetRecord()});
}

void EditorModel::StartHistory() {
    history.Start(Snapshot());
    lastStepSlider.reset();
}

void EditorModel::RecordStep() {
    if (history.Current().Matches(*document, settings, valuationDate)) return;
    // Moves of one slider in a row make one step, as a drag is one change.
    const bool merge = stepSlider && stepSlider == lastStepSlider;
    history.Record(Snapshot(), merge);
    lastStepSlider = stepSlider;
}

void EditorModel::ShowSnapshot(const EditorSnapshot& snapshot) {
    lastStepSlider.reset();
    snapshot.RestoreTo(*document, settings);
    valuationDate = snapshot.GetValuationDate();
    ShowDateBox();
    SetBasicMode(settings.basicMode);
    ShowDocument(snapshot.GetRows());
}

void EditorModel::UpdateEditCommands() {
    menu[EditorCommand::kUndo].enabled = history.CanUndo();
    menu[EditorCommand::kRedo].enabled = history.CanRedo();
    const bool priced = document->GetStock().GetPrice() > 0;
    for (int i = 0; i < kStrategyCount; ++i)
        menu[StrategyCommand(static_cast<Strategy>(i))].enabled = priced;
}

}  // namespace qx
