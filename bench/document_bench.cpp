// Saving and opening a trader's document: four used slots, a book of 100,000
// transactions and a page of notes; the user waits for both with the window blocked.

#include <benchmark/benchmark.h>

#include <string>

#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/random_book.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

constexpr int kBookSize = 100000;

// The document in a folder of its own.
struct TraderDocument {
    TraderDocument() : doc(settings) {
        for (int slot = 0; slot < kOptionSlots; ++slot) {
            Option& option = doc.GetOption(slot);
            option.SetOptionType(OptionType::kCall);
            option.SetStrike(50 + slot);
            option.SetDates(CTime(2026, 3, 2), CTime(2026, 6, 19));
            option.SetSide(Side::kBuy);
            option.SetContracts(1 + slot);
        }
        doc.GetTransactions().CopyFrom(RandomBook(kBookSize, 2026));
        doc.GetNotes() = std::string(4000, 'n');
    }

    TempFolder folder;
    Settings settings;
    Document doc;
    const std::string path = folder.Path("book.opt");
};

void BM_SaveDocumentOf100k(benchmark::State& state) {
    TraderDocument trader;
    for (auto _ : state) benchmark::DoNotOptimize(trader.doc.Save(trader.path).IsAccepted());
    if (trader.doc.GetTransactions().GetCount() != kBookSize) state.SkipWithError("short book");
}
BENCHMARK(BM_SaveDocumentOf100k)->Unit(benchmark::kMillisecond);

void BM_OpenDocumentOf100k(benchmark::State& state) {
    TraderDocument trader;
    trader.doc.Save(trader.path);
    for (auto _ : state) benchmark::DoNotOptimize(trader.doc.Open(trader.path).IsAccepted());
    if (trader.doc.GetTransactions().GetCount() != kBookSize) state.SkipWithError("short book");
}
BENCHMARK(BM_OpenDocumentOf100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
