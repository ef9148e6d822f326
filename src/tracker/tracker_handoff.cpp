// What leaves the tracker: the open positions for a graph window, and the book for a
// spreadsheet file; and a spreadsheet's transactions into the book.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "shell/market_environment.h"
#include "shell/settings.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_csv.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

const std::vector<FileKind> kCsvKinds = {{"CSV Files", "csv"}};

// "1 transaction", "12 transactions".
std::string CountText(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

TrackerRequest TrackerWindowModel::HandToGraph() {
    if (transactions.BuildPositions() != 0) {
        messages.Warning("There are no open positions to graph.", kMessageCaption,
                         MessageOwner::kTracker);
        return TrackerRequest::kNone;
    }
    // More options than a graph takes: the user picks them in the open view.
    Tran position;
    int options = 0;
    for (int slot = 0; slot < transactions.GetPositionCount(); ++slot)
        options += transactions.GetPosition(slot, position) == 0 &&
                   position.GetKind() == TranKind::kOption;
    if (options > kOptionSlots && !IsOpenView()) {
        ShowView(true);
        messages.Warning(
            "More than four options are open. Tick at most four in the list of open "
            "positions, then choose Graph! again.",
            kMessageCaption, MessageOwner::kTracker);
        return TrackerRequest::kNone;
    }
    if (PickedCount() == 0) {
        messages.Warning("Tick the options to graph in the list of open positions.",
                         kMessageCaption, MessageOwner::kTracker);
        return TrackerRequest::kNone;
    }
    graphStock = Stock();
    for (Option& option : graphOptions) option = Option();
    int next = 0;
    for (int slot = 0; slot < transactions.GetPositionCount(); ++slot) {
        transactions.GetPosition(slot, position);
        if (position.GetKind() == TranKind::kUnderlying) {
            graphStock.SetPrice(position.GetPrice());
            graphStock.SetShares(position.GetUnits());
            graphStock.SetFees(position.GetFees());
            graphStock.SetSide(position.GetSide());
            graphStock.SetSymbol(stock.GetSymbol());
        } else if (picks[slot] && next < kOptionSlots) {
            AddGraphOption(position, graphOptions[next++]);
        }
    }
    if (stock.GetPrice() > 0) return TrackerRequest::kOpenGraph;
    messages.Warning("Enter current price of underlying asset in the editor.", kMessageCaption,
                     MessageOwner::kTracker);
    return TrackerRequest::kNone;
}

void TrackerWindowModel::AddGraphOption(const Tran& position, Option& option) const {
    // The market the editor values its own options in; the fees and units are the
    // position's own.
    EnvironmentOf(settings).ApplyTo(option);
    option.SetLatticeSteps(LatticeStepsOf(settings));
    option.SetAssetType(stock.GetAssetType());
    option.SetOptionType(position.GetOptionType());
    option.SetUnderlyingPrice(stock.GetPrice());
    option.SetStrike(position.GetStrike());
    option.SetPrice(position.GetPrice());
    option.SetFees(position.GetFees());
    option.SetSide(position.GetSide());
    option.SetUnitsPerContract(position.GetUnitsPerContract());
    option.SetContracts(position.GetUnits());
    // Valued from today, as the editor values its own options, at the average price
    // the position cost.
    SetOptionDates(option, ValuationDate(), position.GetExpiration(), settings);
}

// The editor's valuation date, which every option row in use carries; today while no
// row is in use.
CTime TrackerWindowModel::ValuationDate() const {
    for (const Option* option : options)
        if (option->GetDaysLeft() > 0) return option->GetValuationDate();
    return clock.Now();
}

void TrackerWindowModel::Export() {
    std::string name = stock.GetSymbol();
    if (Stock::IsPlaceholderSymbol(name)) name = "Transactions";
    std::replace(name.begin(), name.end(), '/', '-');
    const std::string path = files.ChooseFileToWrite("Export Transactions", kCsvKinds, name);
    if (path.empty()) return;
    const Outcome saved = SaveTranCsv(path, transactions, settings.significantDigits);
    if (!saved.IsAccepted())
        messages.Warning(saved.GetReason(), kMessageCaption, MessageOwner::kTracker);
}

void TrackerWindowModel::Import() {
    const std::string path = files.ChooseFileToRead("Import Transactions", kCsvKinds);
    if (path.empty()) return;
    const TranCsvImport imported = LoadTranCsv(path, transactions);
    if (!imported.accepted) {
        messages.Warning(imported.message, kMessageCaption, MessageOwner::kTracker);
        return;
    }
    transactions.CopyFrom(imported.list);
    BuildRows();
    messages.Warning(CountText(imported.added, "transaction") + " added, " +
                         std::to_string(imported.alreadyInBook) + " already in the book.",
                     kMessageCaption, MessageOwner::kTracker);
}

}  // namespace qx
