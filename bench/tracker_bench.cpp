// The cost of one more transaction in a trader's book of 100,000: validation against
// the running counts, insertion, balances and positions brought up to date; and of the
// tracker's list showing a screenful of such a book.

#include <benchmark/benchmark.h>

#include <climits>
#include <string>

#include "platform/messages.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "test_support/random_book.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_list.h"

namespace qx {
namespace {

constexpr int kBookSize = 100000;

// One book for every benchmark: drawing it takes a while.
const TranList& TraderBook() {
    static const TranList book = RandomBook(kBookSize, 2026);
    return book;
}

// A trade dated after the whole book, so it goes to the end as a day's trade does.
Tran LaterTrade(TranBuilder trade) {
    Tran tran = trade;
    tran.SetDate(CTime(2031, 1, 1, 10));
    return tran;
}

// The underlying judged by its net holding: a purchase while flat or long, else a sale.
Tran UnderlyingOpening(const TranList& book) {
    const double net = book.Ledger().Before("XYZ", INT_MAX).underlyingUnits +
                       book.Ledger().ExercisesBefore(INT_MAX).delivered;
    TranBuilder trade;
    trade.Underlying().Open();
    (net >= 0 ? trade.Buy(100) : trade.Sell(100));
    return LaterTrade(trade.At(50).Fees(5));
}

// Records trade into the book and takes it out again untimed, so every round records
// into a book of 100,000.
void RecordOneMore(benchmark::State& state, TranList& book, const Tran& trade) {
    if (book.GetCount() < kBookSize) state.SkipWithError("the book is short");
    for (auto _ : state) {
        const Outcome outcome = book.Add(trade);
        benchmark::DoNotOptimize(book.GetPositionBalance(0));
        state.PauseTiming();
        if (!outcome.IsAccepted()) state.SkipWithError(outcome.GetReason().c_str());
        book.Remove(outcome.GetIndex());
        state.ResumeTiming();
    }
}

void BM_RecordUnderlyingTradeAt100k(benchmark::State& state) {
    TranList book = TraderBook();
    RecordOneMore(state, book, UnderlyingOpening(book));
}
BENCHMARK(BM_RecordUnderlyingTradeAt100k)->Unit(benchmark::kMicrosecond);

void BM_RecordOptionClosingAt100k(benchmark::State& state) {
    TranList book = TraderBook();
    TranBuilder opening;
    opening.OptionSeries("Dec 60 Put", OptionType::kPut, 60).Open().Buy(5).At(2);
    book.Add(LaterTrade(opening));
    TranBuilder closing;
    closing.OptionSeries("Dec 60 Put", OptionType::kPut, 60).Close().Sell(2).At(3).Fees(1);
    RecordOneMore(state, book, LaterTrade(closing));
}
BENCHMARK(BM_RecordOptionClosingAt100k)->Unit(benchmark::kMicrosecond);

// An earlier-dated trade goes into the middle of the book: the worst case, as every
// later index moves.
void BM_RecordIntoTheMiddleAt100k(benchmark::State& state) {
    TranList book = TraderBook();
    Tran dividend = TranBuilder().Dividend(12);
    dividend.SetDate(book.At(kBookSize / 2).GetDate());
    RecordOneMore(state, book, dividend);
}
BENCHMARK(BM_RecordIntoTheMiddleAt100k)->Unit(benchmark::kMicrosecond);

// A trade of the busiest underlying dated mid-book: every later trade of that name is
// judged again. The first day from the middle on where the rules take it is used.
void BM_RecordUnderlyingIntoTheMiddleAt100k(benchmark::State& state) {
    TranList book = TraderBook();
    for (int at = kBookSize / 2; at < kBookSize; at += 50) {
        const double net = book.Ledger().Before("XYZ", at).underlyingUnits +
                           book.Ledger().ExercisesBefore(at).delivered;
        TranBuilder trade;
        trade.Underlying().Open();
        (net >= 0 ? trade.Buy(100) : trade.Sell(100));
        Tran tran = trade.At(50).Fees(5);
        tran.SetDate(book.At(at).GetDate());
        const Outcome outcome = book.Add(tran);
        if (!outcome.IsAccepted()) continue;
        book.Remove(outcome.GetIndex());
        return RecordOneMore(state, book, tran);
    }
    state.SkipWithError("no day takes the trade");
}
BENCHMARK(BM_RecordUnderlyingIntoTheMiddleAt100k)->Unit(benchmark::kMicrosecond);

// A year of short trades over many series: 100,000 transactions, each of 20,000 option
// series opened and closed the same day, again and again, with a share trade between.
const TranList& ManySeriesBook() {
    static const TranList book = [] {
        TranList made;
        for (int i = 0; made.GetCount() < kBookSize; ++i) {
            const std::string series = "S" + std::to_string(i % 20000) + " Call";
            TranBuilder opening, closing, shares;
            opening.OptionSeries(series, OptionType::kCall, 50).Open().Buy(1);
            closing.OptionSeries(series, OptionType::kCall, 50).Close().Sell(1);
            shares.Underlying().Open().Buy(100).At(50);
            for (TranBuilder* trade : {&opening, &closing, &shares}) {
                Tran tran = trade->At(2).Fees(1);
                tran.SetDate(CTime(2020, 1, 1, 10).AddDays(i / 150));
                made.Add(tran);
            }
        }
        return made;
    }();
    return book;
}

void BM_RecordOptionOpeningAt100kOf20000Series(benchmark::State& state) {
    TranList book = ManySeriesBook();
    TranBuilder opening;
    opening.OptionSeries("S7 Call", OptionType::kCall, 50).Open().Buy(1).At(2);
    RecordOneMore(state, book, LaterTrade(opening));
}
BENCHMARK(BM_RecordOptionOpeningAt100kOf20000Series)->Unit(benchmark::kMicrosecond);

// A share purchase dated mid-book: the 16,000 later share trades are judged again, and
// the long position of 33,000 purchases is averaged again from its most recent lot.
void BM_RecordIntoTheMiddleAt100kOf20000Series(benchmark::State& state) {
    TranList book = ManySeriesBook();
    TranBuilder shares;
    shares.Underlying().Open().Buy(100).At(50);
    Tran tran = shares;
    tran.SetDate(book.At(kBookSize / 2).GetDate());
    RecordOneMore(state, book, tran);
}
BENCHMARK(BM_RecordIntoTheMiddleAt100kOf20000Series)->Unit(benchmark::kMicrosecond);

// The tracker window's model over the book, as the user records one more trade.
class TrackerAt100k {
  public:
    TrackerAt100k() : list(TraderBook()) {
        stock.SetSymbol("XYZ");
        stock.SetPrice(55);
        clock.now = CTime(2031, 1, 2, 10);
        model.Open();
    }

    class NoMessages : public Messages {
      public:
        void Warning(const std::string& text, const std::string&, MessageOwner) override {
            refusal = text;
        }
        bool AskYesNo(const std::string&, const std::string&, MessageOwner) override {
            return true;
        }
        std::string refusal;
    };

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

// The Record click alone: validation, insertion, balances, positions, the list told to
// show the book afresh and the buttons refreshed.
void BM_TrackerRecordAt100k(benchmark::State& state) {
    TrackerAt100k tracker;
    const Tran sale = UnderlyingOpening(tracker.list);
    for (auto _ : state) {
        state.PauseTiming();
        tracker.model.ChooseItem(TrackerControl::kEntryList, TrackerWindowModel::kUnderlyingEntry);
        tracker.model.ClickButton(TrackerControl::kOpen);
        tracker.model.ClickButton(sale.GetSide() == Side::kBuy ? TrackerControl::kBuy
                                                               : TrackerControl::kSell);
        tracker.model.EditUnits("100");
        tracker.model.LeaveBox(TrackerControl::kPrice, "55");
        state.ResumeTiming();
        tracker.model.ClickButton(TrackerControl::kRecord);
        benchmark::DoNotOptimize(tracker.model.GetRowCount());
        state.PauseTiming();
        if (tracker.list.GetCount() != kBookSize + 1) state.SkipWithError("refused");
        tracker.list.Remove(tracker.list.GetCount() - 1);
        state.ResumeTiming();
    }
    if (!tracker.messages.refusal.empty()) state.SkipWithError(tracker.messages.refusal.c_str());
}
BENCHMARK(BM_TrackerRecordAt100k)->Unit(benchmark::kMicrosecond);

// What a scroll costs the model: the 40 rows of a tall window, anywhere in the book.
void BM_TrackerScreenfulAt100k(benchmark::State& state) {
    TrackerAt100k tracker;
    int top = 0;
    for (auto _ : state) {
        for (int row = top; row < top + 40; ++row)
            benchmark::DoNotOptimize(tracker.model.GetRow(row).data());
        top = (top + 7919) % (kBookSize - 40);
    }
}
BENCHMARK(BM_TrackerScreenfulAt100k)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
