#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QSlider>
#include <QTest>

#include "four_option_position.h"
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

// The heaviest graph: four legs on a 100-step lattice, 300 points, Theta, every curve shown.
struct HeaviestGraph {
    HeaviestGraph() {
        OffscreenApplication();
        settings.resolution = 100;
        FillFourOptions(rows, 100);
        window = GraphDlg::Open(rows, Stock(), settings, messages, desktop, files);
        for (GraphControl box :
             {GraphControl::kOption1Box, GraphControl::kOption2Box, GraphControl::kOption3Box,
              GraphControl::kOption4Box, GraphControl::kThetaBox})
            qobject_cast<QCheckBox*>(window->GetControlWidget(box))->click();
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

// The volatility slider moved by one step: every option revalued at 300 points, the
// window brought in line with the model and the picture drawn and shown again.
void BM_SliderStepThroughTheGraphWindow(benchmark::State& state) {
    HeaviestGraph graph;
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
    state.SetLabel("device pixel ratio " + std::to_string(plot->devicePixelRatioF()).substr(0, 3));
}
BENCHMARK(BM_SliderStepThroughTheGraphWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
