// The cost of one recorded transaction in a full tracker: validation, insertion and the
// recomputation from scratch of balances and positions.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/messages.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_list.h"

namespace qx {
namespace {

// Accepted additions show nothing; a refusal would spoil the measurement.
class NoMessages : public Messages {
  public:
    void Warning(const std::string& text, const std::string&, MessageOwner) override {
        refusal = text;
    }
    bool AskYesNo(const std::string&, const std::string&, MessageOwner) override { return true; }
    std::string refusal;
};

Tran Trade(int day, int kind, const std::string& name, int action, int side, int units,
           double price) {
    Tran tran;
    tran.SetDate(CTime(2026, 1, 1).AddDays(day));
    tran.SetKind(kind);
    tran.SetName(name);
    tran.SetAssetType(kStockAsset);
    tran.SetAction(action);
    tran.SetSide(side);
    tran.SetUnits(units);
    tran.SetPrice(price);
    tran.SetFees(1);
    if (kind == kOptionTran) {
        tran.SetUnitsPerContract(100);
        tran.SetOptionType(kCall);
        tran.SetStrike(50 + day);
        tran.SetExpiration(CTime(2026, 12, 18));
    }
    return tran;
}

// 99 transactions: share purchases, and 33 call series each opened and closed again, so
// that every rule and the position build walk the whole list and every series.
TranList NearlyFullList(NoMessages& messages) {
    TranList list;
    for (int i = 0; list.GetCount() < TranList::kClassicMaxTransactions - 1; ++i) {
        const std::string series = "Call " + std::to_string(i);
        list.Add(Trade(i, kUnderlyingTran, "XYZ", kOpen, kBuy, 100, 40 + i % 7));
        list.Add(Trade(i, kOptionTran, series, kOpen, kBuy, 4, 2.5));
        list.Add(Trade(i, kOptionTran, series, kClose, kSell, 4, 3));
    }
    return list;
}

void BM_AddAndRecalculateAtOneHundred(benchmark::State& state) {
    NoMessages messages;
    TranList list = NearlyFullList(messages);
    const Tran sale = Trade(400, kUnderlyingTran, "XYZ", kClose, kSell, 500, 55);
    for (auto _ : state) {
        const int index = list.Add(sale).GetIndex();
        list.Recalculate();
        benchmark::DoNotOptimize(list.GetBalance(index));
        state.PauseTiming();
        list.Remove(index);
        state.ResumeTiming();
    }
    if (!messages.refusal.empty()) state.SkipWithError(messages.refusal.c_str());
}
BENCHMARK(BM_AddAndRecalculateAtOneHundred)->Unit(benchmark::kMicrosecond);

void BM_RecalculateOneHundred(benchmark::State& state) {
    NoMessages messages;
    TranList list = NearlyFullList(messages);
    list.Add(Trade(400, kUnderlyingTran, "XYZ", kClose, kSell, 500, 55));
    for (auto _ : state) {
        list.Recalculate();
        benchmark::DoNotOptimize(list.GetPositionBalance(4));
    }
    if (!messages.refusal.empty()) state.SkipWithError(messages.refusal.c_str());
}
BENCHMARK(BM_RecalculateOneHundred)->Unit(benchmark::kMicrosecond);

// The tracker window over a book of 99, as the user records the hundredth trade.
class TrackerAtNinetyNine {
  public:
    TrackerAtNinetyNine() : list(NearlyFullList(messages)) {
        stock.SetSymbol("XYZ");
        stock.SetPrice(55);
        clock.now = CTime(2027, 1, 4, 10);
        model.Open();
    }

    // Chooses the underlying and fills in a sale of 500 at 55.
    void FillSale() {
        model.ChooseItem(TrackerControl::kEntryList, TrackerWindowModel::kUnderlyingEntry);
        model.ClickButton(TrackerControl::kClose);
        model.ClickButton(TrackerControl::kSell);
        model.EditUnits("500");
        model.LeaveBox(TrackerControl::kPrice, "55");
    }

    // Takes the recorded sale out again, so every round records into a book of 99.
    void Undo() { list.Remove(list.GetCount() - 1); }

    NoMessages messages;
    TranList list;
    Stock stock;
    Option records[4];
    Settings settings;
    ScriptedFileChooser files;
    StoppedClock clock;
    TrackerWindowModel model{stock,    {&records[0], &records[1], &records[2], &records[3]},
                             list,     settings,
                             messages, files,
                             clock};
};

// The Record click alone: validation, insertion, recomputation, the list's rows rebuilt
// and the buttons refreshed.
void BM_TrackerRecordAtNinetyNine(benchmark::State& state) {
    TrackerAtNinetyNine tracker;
    for (auto _ : state) {
        state.PauseTiming();
        tracker.FillSale();
        state.ResumeTiming();
        tracker.model.ClickButton(TrackerControl::kRecord);
        benchmark::DoNotOptimize(tracker.model.GetRows().data());
        state.PauseTiming();
        if (tracker.list.GetCount() != TranList::kClassicMaxTransactions) state.SkipWithError("refused");
        tracker.Undo();
        state.ResumeTiming();
    }
    if (!tracker.messages.refusal.empty()) state.SkipWithError(tracker.messages.refusal.c_str());
}
BENCHMARK(BM_TrackerRecordAtNinetyNine)->Unit(benchmark::kMicrosecond);

// The whole entry as the user makes it: the entry, four controls, then Record.
void BM_TrackerEnterAndRecordAtNinetyNine(benchmark::State& state) {
    TrackerAtNinetyNine tracker;
    for (auto _ : state) {
        tracker.FillSale();
        tracker.model.ClickButton(TrackerControl::kRecord);
        benchmark::DoNotOptimize(tracker.model.GetRows().data());
        state.PauseTiming();
        tracker.Undo();
        state.ResumeTiming();
    }
    if (!tracker.messages.refusal.empty()) state.SkipWithError(tracker.messages.refusal.c_str());
}
BENCHMARK(BM_TrackerEnterAndRecordAtNinetyNine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
