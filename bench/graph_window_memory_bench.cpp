#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QCoreApplication>
#include <QEvent>

#include "four_option_position.h"
#include "graph/window/graph_dlg.h"
#include "offscreen_application.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// Bytes the process has allocated and not freed.
double HeapInUse() { return static_cast<double>(mallinfo2().uordblks); }

// Opens one graph window, lets it paint, closes it and lets it be deleted.
void OpenAndCloseGraphWindow(const Option (&rows)[kOptionSlots], Settings& settings) {
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    GraphDlg* window = GraphDlg::Open(rows, Stock(), settings, messages, desktop, files);
    QCoreApplication::processEvents();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A long session: 2,000 graph windows opened and closed one after the other. The first
// thousand fill whatever caches are meant to fill; the heap must not grow over the
// second thousand. Reports the growth per window over the second thousand.
void BM_GraphWindowsOpenedAndClosed(benchmark::State& state) {
    OffscreenApplication();
    Settings settings;
    Option rows[kOptionSlots];
    FillFourOptions(rows, 0);
    constexpr int kWindows = 2000;
    double growth = 0;
    for (auto _ : state) {
        for (int i = 0; i < kWindows / 2; ++i) OpenAndCloseGraphWindow(rows, settings);
        const double settled = HeapInUse();
        for (int i = 0; i < kWindows / 2; ++i) OpenAndCloseGraphWindow(rows, settings);
        growth = (HeapInUse() - settled) / (kWindows / 2);
    }
    state.counters["bytes_per_window"] = growth;
}
BENCHMARK(BM_GraphWindowsOpenedAndClosed)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace qx
