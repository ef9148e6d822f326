// The cost of one recorded transaction in a full tracker: validation, insertion and the
// recomputation from scratch of balances and positions.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/messages.h"
#include "pricing/option.h"
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
    for (int i = 0; list.GetCount() < TranList::kMaxTransactions - 1; ++i) {
        const std::string series = "Call " + std::to_string(i);
        list.Add(Trade(i, kUnderlyingTran, "XYZ", kOpen, kBuy, 100, 40 + i % 7), messages);
        list.Add(Trade(i, kOptionTran, series, kOpen, kBuy, 4, 2.5), messages);
        list.Add(Trade(i, kOptionTran, series, kClose, kSell, 4, 3), messages);
    }
    return list;
}

void BM_AddAndRecalculateAtOneHundred(benchmark::State& state) {
    NoMessages messages;
    TranList list = NearlyFullList(messages);
    const Tran sale = Trade(400, kUnderlyingTran, "XYZ", kClose, kSell, 500, 55);
    for (auto _ : state) {
        const int index = list.Add(sale, messages);
        list.Recalculate();
        benchmark::DoNotOptimize(list.GetBalance(index));
        state.PauseTiming();
        list.Remove(index, messages);
        state.ResumeTiming();
    }
    if (!messages.refusal.empty()) state.SkipWithError(messages.refusal.c_str());
}
BENCHMARK(BM_AddAndRecalculateAtOneHundred)->Unit(benchmark::kMicrosecond);

void BM_RecalculateOneHundred(benchmark::State& state) {
    NoMessages messages;
    TranList list = NearlyFullList(messages);
    list.Add(Trade(400, kUnderlyingTran, "XYZ", kClose, kSell, 500, 55), messages);
    for (auto _ : state) {
        list.Recalculate();
        benchmark::DoNotOptimize(list.GetPositionBalance(4));
    }
    if (!messages.refusal.empty()) state.SkipWithError(messages.refusal.c_str());
}
BENCHMARK(BM_RecalculateOneHundred)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
