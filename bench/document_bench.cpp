// Saving and opening a full document: the user waits for both with the window blocked.

#include <benchmark/benchmark.h>

#include <string>

#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/recording_messages.h"
#include "test_support/temp_folder.h"
#include "test_support/tran_builder.h"

namespace qx {
namespace {

// A document at its limits in a folder of its own: four used slots, 100 transactions,
// a page of notes.
struct FullDocument {
    FullDocument() : doc(settings, messages) {
        for (int slot = 0; slot < kOptionSlots; ++slot) {
            Option& option = doc.GetOption(slot);
            option.SetOptionType(kCall);
            option.SetStrike(50 + slot);
            option.SetDates(CTime(2026, 3, 2), CTime(2026, 6, 19));
            option.SetSide(kBuy);
            option.SetContracts(1 + slot);
        }
        for (int i = 0; i < TranList::kClassicMaxTransactions; ++i)
            doc.GetTransactions().Add(TranBuilder().Day(1 + i % 28).Dividend(1 + i));
        doc.GetNotes() = std::string(4000, 'n');
    }

    TempFolder folder;
    Settings settings;
    RecordingMessages messages;
    Document doc;
    const std::string path = folder.Path("full.opt");
};

void BM_SaveFullDocument(benchmark::State& state) {
    FullDocument full;
    for (auto _ : state) benchmark::DoNotOptimize(full.doc.Save(full.path));
}
BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMicrosecond);

void BM_OpenFullDocument(benchmark::State& state) {
    FullDocument full;
    full.doc.Save(full.path);
    for (auto _ : state) benchmark::DoNotOptimize(full.doc.Open(full.path));
}
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
