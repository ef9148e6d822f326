#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QSlider>
#include <QTest>

#include "four_option_position.h"
#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "graph/window/graph_dlg.h"
#include "graph/window/plot_view.h"
#include "offscreen_application.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// The heaviest graph: four legs on a 100-step lattice, 300 points, every curve shown, in
// Theta or in profit.
struct HeaviestGraph {
    explicit HeaviestGraph(GraphType type) {
        OffscreenApplication();
        settings.resolution = 100;
        // The legs carry days left, not expiration dates: the days rule values them.
        settings.valueToClose = false;
        FillFourOptions(rows, 100);
        window = GraphDlg::Open(rows, Stock(), settings, messages, desktop, files);
        for (GraphControl box : {GraphControl::kOption1Box, GraphControl::kOption2Box,
                                 GraphControl::kOption3Box, GraphControl::kOption4Box})
            qobject_cast<QCheckBox*>(window->GetControlWidget(box))->click();
        if (type == GraphType::Theta)
            qobject_cast<QCheckBox*>(window->GetControlWidget(GraphControl::kThetaBox))->click();
        // Two months ahead, where no option is at its last day.
        qobject_cast<QSlider*>(window->GetControlWidget(GraphControl::kDateSlider))->setValue(60);
        exposed = QTest::qWaitForWindowExposed(window);
    }
    ~HeaviestGraph() { delete window; }

    Settings settings;
    Option rows[4];
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    GraphDlg* window = nullptr;
    bool exposed = false;
};

// The volatility slider moved by one step, with the given dates pinned: every option
// revalued at 300 points at each date, the window brought in line with the model and the
// picture drawn and shown again. A Theta graph has no curve at the expiration, a profit
// graph has one more. The window is grown by the given size from the one it opens at.
// CPU time counts the worker pool's threads too.
void SliderSteps(benchmark::State& state, GraphType type, std::initializer_list<int> pinnedDays,
                 QSize growth = QSize()) {
    HeaviestGraph graph(type);
    graph.window->resize(graph.window->size() + growth);
    auto* date = qobject_cast<QSlider*>(graph.window->GetControlWidget(GraphControl::kDateSlider));
    for (int day : pinnedDays) {
        date->setValue(day);
        graph.window->GetMenuAction(GraphCommand::kPinDate)->trigger();
    }
    date->setValue(60);
    auto* slider =
        qobject_cast<QSlider*>(graph.window->GetControlWidget(GraphControl::kVolatilitySlider));
    PlotView* plot = graph.window->GetPlotView();
    int position = 30;
    for (auto _ : state) {
        position = position == 30 ? 31 : 30;
        slider->setValue(position);
        plot->repaint();
    }
    if (!graph.exposed || plot->Picture().isNull() ||
        plot->Picture().devicePixelRatio() != plot->devicePixelRatioF())
        state.SkipWithError("the picture was not drawn at the screen's pixel density");
    const int dates = graph.window->GetModel().GetModel().GetDateCount();
    const int expiration = type == GraphType::Theta ? 0 : 1;
    if (dates != 1 + expiration + static_cast<int>(pinnedDays.size()))
        state.SkipWithError("the pinned dates were not all shown");
    const PlotGeometry& g = graph.window->GetModel().GetModel().GetGeometry();
    state.SetLabel("device pixel ratio " + std::to_string(plot->devicePixelRatioF()).substr(0, 3) +
                   ", " + std::to_string(dates) + " dates, picture " +
                   std::to_string(g.pictureWidth) + " x " + std::to_string(g.pictureHeight));
}

void BM_SliderStepThroughTheGraphWindow(benchmark::State& state) {
    SliderSteps(state, GraphType::Theta, {});
}
BENCHMARK(BM_SliderStepThroughTheGraphWindow)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// Theta's most dates: the slider's and three pinned.
void BM_SliderStepWithPinnedDates(benchmark::State& state) {
    SliderSteps(state, GraphType::Theta, {15, 30, 45});
}
BENCHMARK(BM_SliderStepWithPinnedDates)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Five dates, the most a graph has: the slider's, the expiration and three pinned.
void BM_SliderStepWithFiveDates(benchmark::State& state) {
    SliderSteps(state, GraphType::ValueOrProfit, {15, 30, 45});
}
BENCHMARK(BM_SliderStepWithFiveDates)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The same in a window grown to fill a 1400 x 1000 screen.
void BM_SliderStepWithFiveDatesInALargeWindow(benchmark::State& state) {
    SliderSteps(state, GraphType::ValueOrProfit, {15, 30, 45}, QSize(780, 480));
}
BENCHMARK(BM_SliderStepWithFiveDatesInALargeWindow)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
}  // namespace qx
