// What leaves the tracker: the open positions for a graph window, and the book for a
// spreadsheet file; and a spreadsheet's transactions into the book.

#include <algorithm>
#include <vector>

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

}  // namespace

TrackerRequest TrackerWindowModel::HandToGraph() {
    if (transactions.BuildPositions() != 0) {
        messages.Warning("There are no open positions to graph.", kMessageCaption,
                         MessageOwner::kTracker);
        return TrackerRequest::kNone;
    }
    graphStock = Stock();
    for (Option& option : graphOptions) option = Option();
    int next = 0;
    Tran position;
    for (int slot = 0; slot < transactions.GetPositionCount(); ++slot) {
        transactions.GetPosition(slot, position);
        if (position.GetKind() == kUnderlyingTran) {
            graphStock.SetPrice(position.GetPrice());
            graphStock.SetShares(position.GetUnits());
            graphStock.SetFees(position.GetFees());
            graphStock.SetSide(position.GetSide());
            graphStock.SetSymbol(stock.GetSymbol());
        } else if (next < kOptionSlots) {
            // A graph takes four options: a fifth open series stays out.
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
    // Valued from the day the position was last added to, not from today.
    option.SetDates(position.GetDate(), position.GetExpiration());
}

void TrackerWindowModel::Export() {
    std::string name = stock.GetSymbol();
    if (Stock::IsPlaceholderSymbol(name)) name = "Transactions";
    std::replace(name.begin(), name.end(), '/', '-');
    const std::string path = files.ChooseFileToWrite("Export Transactions", kCsvKinds, name);
    if (path.empty()) return;
    const std::string error = SaveTranCsv(path, transactions, settings.significantDigits);
    if (!error.empty()) messages.Warning(error, kMessageCaption, MessageOwner::kTracker);
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
}

}  // namespace qx
