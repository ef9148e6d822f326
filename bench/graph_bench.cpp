#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "four_option_position.h"
#include "graph/graph_model.h"
#include "graph/plot_geometry.h"
#include "graph/plot_renderer.h"
#include "offscreen_application.h"
#include "platform/qt/qpainter_canvas.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// One slider movement of a Theta graph at resolution 100 (300 points): the curves are
// recomputed and the picture drawn on a QImage.
void BM_ThetaRecomputeAndDraw(benchmark::State& state) {
    OffscreenApplication();
    Settings settings;
    settings.resolution = 100;
    Option rows[4];
    FillFourOptions(rows, static_cast<int>(state.range(0)));
    GraphModel model(rows, Stock(), settings);
    for (int k = 1; k <= 4; ++k) model.SetOptionSelected(k, true);
    model.SetGraphType(GraphType::Theta);
    model.SetDateOffset(60);
    PlotRenderer renderer(model, settings);
    QImage picture = QPainterCanvas::NewPicture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    for (auto _ : state) {
        model.Recompute();
        renderer.DrawPicture(canvas);
    }
    state.SetLabel(state.range(0) == 0 ? "European" : "American, 100 steps");
}
BENCHMARK(BM_ThetaRecomputeAndDraw)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

// The drawing alone, to separate it from the valuation.
void BM_DrawPicture(benchmark::State& state) {
    OffscreenApplication();
    Settings settings;
    settings.resolution = 100;
    Option rows[4];
    FillFourOptions(rows, 0);
    GraphModel model(rows, Stock(), settings);
    for (int k = 1; k <= 4; ++k) model.SetOptionSelected(k, true);
    model.SetDateOffset(60);
    model.Recompute();
    PlotRenderer renderer(model, settings);
    QImage picture = QPainterCanvas::NewPicture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    for (auto _ : state) renderer.DrawPicture(canvas);
}
BENCHMARK(BM_DrawPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
