#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "graph/graph_model.h"
#include "graph/plot_renderer.h"
#include "platform/qt/qpainter_canvas.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// Fonts need a GUI application; the picture is off-screen, so no display is needed.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(argc, argv);
}

// Four options on one underlying, a quarter to a year to expiration, under the rule
// given by the lattice steps (0 for the closed form).
void FillPosition(Option (&rows)[4], int latticeSteps) {
    const struct {
        int type;
        double strike;
        int days;
        int side;
    } legs[] = {{kCall, 95, 90, kBuy},
                {kPut, 100, 180, kSell},
                {kCall, 110, 270, kBuy},
                {kPut, 90, 365, kBuy}};
    for (int k = 0; k < 4; ++k) {
        Option& o = rows[k];
        o.SetOptionType(legs[k].type);
        o.SetUnderlyingPrice(100);
        o.SetStrike(legs[k].strike);
        o.SetDaysLeft(legs[k].days);
        o.SetInterestRate(0.05);
        o.SetDividendYield(0.01);
        o.SetVolatility(0.3);
        o.SetSide(legs[k].side);
        o.SetContracts(5);
        o.SetUnitsPerContract(100);
        o.SetPrice(4);
        o.SetLatticeSteps(latticeSteps);
    }
}

// One slider movement of a Theta graph at resolution 100 (300 points): the curves are
// recomputed and the picture drawn on a QImage.
void BM_ThetaRecomputeAndDraw(benchmark::State& state) {
    EnsureApplication();
    Settings settings;
    settings.resolution = 100;
    Option rows[4];
    FillPosition(rows, static_cast<int>(state.range(0)));
    GraphModel model(rows, Stock(), settings);
    for (int k = 1; k <= 4; ++k) model.SetOptionSelected(k, true);
    model.SetGraphType(GraphType::Theta);
    model.SetDateOffset(60);
    PlotRenderer renderer(model, settings);
    QImage picture =
        QPainterCanvas::NewPicture(PlotRenderer::kPictureWidth, PlotRenderer::kPictureHeight);
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
    EnsureApplication();
    Settings settings;
    settings.resolution = 100;
    Option rows[4];
    FillPosition(rows, 0);
    GraphModel model(rows, Stock(), settings);
    for (int k = 1; k <= 4; ++k) model.SetOptionSelected(k, true);
    model.SetDateOffset(60);
    model.Recompute();
    PlotRenderer renderer(model, settings);
    QImage picture =
        QPainterCanvas::NewPicture(PlotRenderer::kPictureWidth, PlotRenderer::kPictureHeight);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    for (auto _ : state) renderer.DrawPicture(canvas);
}
BENCHMARK(BM_DrawPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
