#include "graph/plot_renderer.h"

#include <algorithm>
#include <cmath>

#include "graph/graph_model.h"
#include "graph/pixel.h"
#include "graph/plot_axes.h"
#include "graph/plot_geometry.h"
#include "graph/plot_overlay.h"
#include "graph/plot_overlays.h"
#include "platform/canvas.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

namespace {

// Names of the Greeks, by GraphType; ValueOrProfit has none.
constexpr const char* kGreekNames[] = {"", "Gamma", "Delta", "Theta", "Vega", "Rho"};
// Names of the curves in the readout, by curve.
const char* const kCurveNames[] = {"NET",      "Option 1", "Option 2",
                                   "Option 3", "Option 4", "Stock/Asset"};

}  // namespace

PlotRenderer::PlotRenderer(const GraphModel& graphModel, const Settings& settingsRecord)
    : model(graphModel), settings(settingsRecord) {
    CreatePens();
}

void PlotRenderer::CreatePens() {
    for (int curve = 0; curve < GraphModel::kCurveCount; ++curve)
        curvePens[curve] = settings.plotColors[curve];
    scalePen = settings.scaleColor;
    crosshairPen = settings.crosshairColor;
}

void PlotRenderer::DrawPicture(Canvas& picture) {
    crosshairShown = false;
    DrawCopy(picture);
}

void PlotRenderer::DrawCopy(Canvas& canvas) const {
    const PlotGeometry& g = model.GetGeometry();
    canvas.FillRect(1, 1, g.pictureWidth, g.pictureHeight, settings.backgroundColor);
    if (model.GetSelectedCount() <= 0) return;
    const OverlayColors overlayColors = Overlays();
    DrawExpectedMove(canvas, model, settings.showSecondDeviation, overlayColors);
    DrawTitle(canvas);
    DrawAxes(canvas);
    DrawCurves(canvas);
    if (overlay) overlay->Draw(canvas, model, settings.backgroundColor);
    DrawDateLegend(canvas, model, settings.dateFormat, overlayColors);
}

OverlayColors PlotRenderer::Overlays() const {
    // The bands are the scale's colour faded far into the background; the legend's line
    // samples are shades of the first curve shown.
    const std::uint32_t background = settings.backgroundColor;
    int first = GraphModel::kNetCurve;
    while (first < GraphModel::kCurveCount - 1 && !model.IsCurveSelected(first)) ++first;
    return {Fade(scalePen, background, 0.8), Fade(scalePen, background, 0.9),
            settings.scaleTextColor, background, curvePens[first]};
}

std::string PlotRenderer::Title() const {
    const std::string axis = settings.percentScaled ? " % of Current Price$" : " Price$";
    const GraphType type = model.GetGraphType();
    if (type != GraphType::ValueOrProfit) {
        const std::string prefix = settings.shareWeighted ? "Share Weighted " : "Black-Scholes ";
        return prefix + kGreekNames[static_cast<int>(type)] + " vs." + axis;
    }
    if (settings.probabilityWeighted) return "Probability Weighted Profit$/Loss$ vs." + axis;
    if (settings.showProfit) return "Profit$/Loss$ on Position vs." + axis;
    return "Value of Option(s) vs." + axis;
}

std::string PlotRenderer::Readout(int px, int py) const {
    // A blank picture has no scale to read.
    if (model.GetSelectedCount() <= 0) return "";
    if (!model.GetGeometry().InPlotArea(px, py)) return "";
    const double price = PriceAt(px);
    // The percent view reads the price as it labels it, in percent of today's price.
    const double shown = settings.percentScaled && model.GetCurrentPrice() > 0
                             ? price / model.GetCurrentPrice() * 100
                             : price;
    std::string text = std::string("Price") + (settings.percentScaled ? "% : " : "$ : ") +
                       NumberText(shown, 2, false);
    // The value of each curve shown at that price, read off the curve, not the mouse's height;
    // the other dates give the first curve shown.
    int first = -1;
    for (int curve = 0; curve < GraphModel::kCurveCount; ++curve) {
        if (!model.IsCurveSelected(curve)) continue;
        if (first < 0) first = curve;
        AppendValue(text, kCurveNames[curve], model.ValueAtPrice(0, curve, price));
    }
    for (int d = 1; d < model.GetDateCount() && first >= 0; ++d)
        AppendValue(text, DateLabel(model, d, settings.dateFormat).substr(0, 10),
                    model.ValueAtPrice(d, first, price));
    return text;
}

void PlotRenderer::AppendValue(std::string& text, const std::string& name, double value) {
    const std::string number = NumberText(value, 2, false);
    text += "    " + name + " : " + (number.empty() ? "0" : number);
}

double PlotRenderer::PriceAt(int px) const {
    return model.GetXMin() +
           (px - model.GetGeometry().plotLeft) / model.GetPixelStep() * model.GetXStep();
}

int PlotRenderer::CurveRow(int px) const {
    // The height of the first curve shown at the price under px, or the plot's middle.
    const PlotGeometry& g = model.GetGeometry();
    for (int curve = 0; curve < GraphModel::kCurveCount; ++curve) {
        if (!model.IsCurveSelected(curve)) continue;
        const double value = model.ValueAtPrice(0, curve, PriceAt(px));
        if (!std::isfinite(value)) break;
        return std::clamp(
            TruncateToPixel((model.GetYMax() - value) * model.GetYScale()) + g.plotTop, g.plotTop,
            g.plotBottom - 1);
    }
    return (g.plotTop + g.plotBottom) / 2;
}

bool PlotRenderer::StepCrosshair(int steps) {
    if (model.GetSelectedCount() <= 0) return false;
    // From the price nearest today's when hidden; one point of the curve per step.
    const PlotGeometry& g = model.GetGeometry();
    int px = crosshairX;
    if (!crosshairShown) {
        const double at = (model.GetCurrentPrice() - model.GetXMin()) / model.GetXStep();
        px = g.plotLeft + (std::isfinite(at) ? TruncateToPixel(at * model.GetPixelStep()) : 0);
        steps = 0;
    }
    const int stride = std::max(1, TruncateToPixel(std::ceil(model.GetPixelStep())));
    px = std::clamp(px + steps * stride, g.plotLeft, g.plotRight - 1);
    return DrawCrosshair(px, CurveRow(px));
}

bool PlotRenderer::DrawCrosshair(int px, int py) {
    if (!model.GetGeometry().InPlotArea(px, py)) return false;
    crosshairShown = true;
    crosshairX = px;
    crosshairY = py;
    return true;
}

void PlotRenderer::DrawCrosshairLines(Canvas& screen) const {
    if (!crosshairShown) return;
    const PlotGeometry& g = model.GetGeometry();
    screen.Line(crosshairX, g.plotTop, crosshairX, g.plotBottom, crosshairPen);
    screen.Line(g.plotLeft, crosshairY, g.plotRight, crosshairY, crosshairPen);
}

void PlotRenderer::DrawTitle(Canvas& picture) const {
    const std::string title = Title();
    const int width = picture.MeasureText(title).width;
    const PlotGeometry& g = model.GetGeometry();
    picture.Text((g.pictureWidth - width) / 2, g.titleTop, title, settings.titleColor,
                 settings.backgroundColor);
}

void PlotRenderer::DrawAxes(Canvas& picture) const {
    PlotAxes axes(picture, {scalePen, settings.scaleTextColor, settings.backgroundColor},
                  model.GetGeometry());
    const PlotAxes::ValueRange values{model.GetYMin(), model.GetYMax(), model.GetYScale()};
    axes.DrawValueAxis(values);
    const PlotAxes::PriceRange prices{model.GetXMin(),         model.GetXMax(),
                                      model.GetXStep(),        model.GetPixelStep(),
                                      model.GetCurrentPrice(), model.GetPointCount()};
    const int h = PlotAxes::PriceAxisHeight(values, model.GetGeometry());
    if (settings.percentScaled)
        axes.DrawPercentAxis(prices, h);
    else
        axes.DrawPriceAxis(prices, h);
}

void PlotRenderer::DrawCurves(Canvas& picture) const {
    // The other dates first, in fading shades, so the slider's date lies on top.
    for (int d = model.GetDateCount() - 1; d >= 0; --d) {
        for (int curve = 0; curve < GraphModel::kCurveCount; ++curve) {
            if (!model.IsCurveSelected(curve)) continue;
            DrawCurve(picture, d, curve, DateShade(curvePens[curve], settings.backgroundColor, d));
        }
    }
}

int PlotRenderer::PointX(const GraphModel& model, int j) {
    const int left = model.GetGeometry().plotLeft;
    return j == 0 ? left : TruncateToPixel(j * model.GetPixelStep()) + left + 1;
}

void PlotRenderer::DrawCurve(Canvas& picture, int d, int curve, std::uint32_t pen) const {
    // Points after the first stand one pixel right of the even spacing; a point that is
    // not finite breaks the curve into runs drawn one by one.
    Canvas::Point run[GraphModel::kMaxPoints];
    int length = 0;
    for (int j = 0; j < model.GetPointCount(); ++j) {
        const int r = model.GetPixelRow(d, curve, j);
        if (r == GraphModel::kNoRow) {
            picture.Polyline(run, length, pen);
            length = 0;
            continue;
        }
        run[length++] = {PointX(model, j), r + model.GetGeometry().plotTop};
    }
    picture.Polyline(run, length, pen);
}

}  // namespace qx
