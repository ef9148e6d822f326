#include "graph/plot_renderer.h"

#include "graph/graph_model.h"
#include "graph/pixel.h"
#include "graph/plot_axes.h"
#include "graph/plot_geometry.h"
#include "graph/plot_overlay.h"
#include "platform/canvas.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

namespace {

// Names of the Greeks, by GraphType; ValueOrProfit has none.
constexpr const char* kGreekNames[] = {"", "Gamma", "Delta", "Theta", "Vega", "Rho"};

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
    canvas.FillRect(1, 1, kPictureWidth, kPictureHeight, settings.backgroundColor);
    if (model.GetSelectedCount() <= 0) return;
    DrawTitle(canvas);
    DrawAxes(canvas);
    DrawCurves(canvas);
    if (overlay) overlay->Draw(canvas, model);
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
    if (!InPlotArea(px, py)) return "";
    const double price =
        model.GetXMin() + (px - kPlotLeft) / model.GetPixelStep() * model.GetXStep();
    const double value = model.GetYMax() - (py - kPlotTop) / model.GetYScale();
    std::string quantity;
    const GraphType type = model.GetGraphType();
    if (type != GraphType::ValueOrProfit)
        quantity = kGreekNames[static_cast<int>(type)];
    else if (settings.showProfit || settings.probabilityWeighted)
        quantity = "Profit$";
    else
        quantity = "Value$";
    return std::string("Price") + (settings.percentScaled ? "% : " : "$ : ") +
           NumberText(price, 2, false) + "          " + quantity + " : " +
           NumberText(value, 2, false);
}

bool PlotRenderer::DrawCrosshair(int px, int py) {
    if (!InPlotArea(px, py)) return false;
    crosshairShown = true;
    crosshairX = px;
    crosshairY = py;
    return true;
}

bool PlotRenderer::InPlotArea(int px, int py) {
    return px >= kPlotLeft && px < kPlotRight && py >= kPlotTop && py < kPlotBottom;
}

void PlotRenderer::DrawCrosshairLines(Canvas& screen) const {
    if (!crosshairShown) return;
    screen.Line(crosshairX, kPlotTop, crosshairX, kPlotBottom, crosshairPen);
    screen.Line(kPlotLeft, crosshairY, kPlotRight, crosshairY, crosshairPen);
}

void PlotRenderer::DrawTitle(Canvas& picture) const {
    const std::string title = Title();
    const int width = picture.MeasureText(title).width;
    picture.Text((kPictureWidth - width) / 2, kTitleTop, title, settings.titleColor,
                 settings.backgroundColor);
}

void PlotRenderer::DrawAxes(Canvas& picture) const {
    PlotAxes axes(picture, {scalePen, settings.scaleTextColor, settings.backgroundColor});
    const PlotAxes::ValueRange values{model.GetYMin(), model.GetYMax(), model.GetYScale()};
    axes.DrawValueAxis(values);
    const PlotAxes::PriceRange prices{model.GetXMin(),         model.GetXMax(),
                                      model.GetXStep(),        model.GetPixelStep(),
                                      model.GetCurrentPrice(), model.GetPointCount()};
    const int h = PlotAxes::PriceAxisHeight(values);
    if (settings.percentScaled)
        axes.DrawPercentAxis(prices, h);
    else
        axes.DrawPriceAxis(prices, h);
}

void PlotRenderer::DrawCurves(Canvas& picture) const {
    if (model.IsNetSelected()) DrawCurve(picture, GraphModel::kNetCurve, curvePens[0]);
    for (int k = 1; k <= model.GetOptionCount(); ++k) {
        if (model.IsOptionSelected(k)) DrawCurve(picture, k, curvePens[k]);
    }
    if (model.IsStockSelected())
        DrawCurve(picture, GraphModel::kStockCurve, curvePens[GraphModel::kStockCurve]);
}

int PlotRenderer::PointX(const GraphModel& model, int j) {
    return j == 0 ? kPlotLeft : TruncateToPixel(j * model.GetPixelStep()) + kPlotLeft + 1;
}

void PlotRenderer::DrawCurve(Canvas& picture, int curve, std::uint32_t pen) const {
    // A point that is not finite breaks the curve into runs drawn one by one.
    Canvas::Point run[GraphModel::kMaxPoints];
    int length = 0;
    for (int j = 0; j < model.GetPointCount(); ++j) {
        const int r = model.GetPixelRow(curve, j);
        if (r == GraphModel::kNoRow) {
            picture.Polyline(run, length, pen);
            length = 0;
            continue;
        }
        run[length++] = {PointX(model, j), r + kPlotTop};
    }
    picture.Polyline(run, length, pen);
}

}  // namespace qx
