#include "graph/position_reference.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "graph/plot_renderer.h"
#include "platform/canvas.h"

namespace qx {

namespace {

// Pixels on and off along a dashed curve.
constexpr int kDash = 6;
constexpr int kSecondsPerDay = 86400;

}  // namespace

PositionReference::PositionReference(const Option (&options)[kOptionSlots], const Stock& stock,
                                     const Settings& settingsRecord)
    : settings(settingsRecord) {
    for (int k = 0; k < kOptionSlots; ++k) own.options[k].CopyFrom(options[k]);
    own.stock.CopyFrom(stock);
}

void PositionReference::Attach(ReferenceStore& referenceStore, std::string documentPath,
                               const GraphModel& current) {
    store = &referenceStore;
    document = std::move(documentPath);
    const KeptPosition* kept = store->Find(document);
    if (!kept || current.GetOptionCount() == 0) return;
    // The reference is valued in today's market: the current underlying price and
    // volatility, and its days counted from the current base date, so that its price
    // axis is the current graph's to the last bit.
    Option aligned[kOptionSlots];
    const Option* first = nullptr;
    for (const Option& option : kept->options)
        if (!first && option.GetSide() != Side::kNone) first = &option;
    if (!first) return;
    const double seconds = static_cast<double>(current.GetBaseDate().GetWallClockSeconds() -
                                               first->GetValuationDate().GetWallClockSeconds());
    const int shift = static_cast<int>(std::lround(seconds / kSecondsPerDay));
    for (int k = 0; k < kOptionSlots; ++k) {
        aligned[k].CopyFrom(kept->options[k]);
        aligned[k].SetUnderlyingPrice(current.GetCurrentPrice());
        aligned[k].SetVolatility(current.GetRangeVolatility());
        if (shift != 0) aligned[k].SetDaysLeft(std::max(aligned[k].GetDaysLeft() - shift, 0));
    }
    reference = std::make_unique<GraphModel>(aligned, kept->stock, settings);
}

void PositionReference::Keep() {
    if (store) store->Keep(document, own.options, own.stock);
}

void PositionReference::Clear() {
    if (store) store->Clear(document);
    reference.reset();
}

bool PositionReference::CanClear() const { return store && store->Find(document); }

void PositionReference::Follow(GraphModel& current) {
    if (!reference) {
        current.SetCompanionCurves(nullptr, nullptr);
        return;
    }
    reference->ApplyResolution();
    reference->SetGraphType(current.GetGraphType());
    reference->SetDateOffset(current.GetDateOffset());
    reference->SetDriftPosition(current.GetDriftPosition());
    // Both start from the same volatility; once the slider moves they follow it alike.
    if (reference->GetVolatilityPosition() != current.GetVolatilityPosition())
        reference->SetVolatilityPosition(current.GetVolatilityPosition());
    reference->RecomputeCurves();
    for (int i = 0; i < reference->GetPointCount(); ++i)
        net[i] = reference->GetCurve(GraphModel::kNetCurve, i);
    current.SetCompanionCurves(net, differenceShown ? difference : nullptr);
}

void PositionReference::AfterCurves(GraphModel& current) {
    if (!reference) return;
    for (int i = 0; i < current.GetPointCount(); ++i)
        difference[i] = current.GetCurve(GraphModel::kNetCurve, i) - net[i];
    if (differenceShown) current.RecomputeRange();
}

std::string PositionReference::SummaryText(int digits) {
    if (!reference) return "";
    summary.Compute(*reference);
    const std::string& text = summary.Text(digits);
    return text.empty() ? "" : "Reference: " + text;
}

void PositionReference::Draw(Canvas& picture, const GraphModel& model,
                             std::uint32_t background) const {
    if (!reference || !model.IsNetSelected()) return;
    DrawValues(picture, model, net, kReferenceColor, true);
    if (differenceShown) DrawValues(picture, model, difference, kDifferenceColor, false);
    // The names, at the plot's top right corner.
    const PlotGeometry& g = model.GetGeometry();
    int top = g.plotTop + 2;
    for (const auto& [name, color] :
         {std::pair{"- - Reference", kReferenceColor}, std::pair{"Difference", kDifferenceColor}}) {
        if (color == kDifferenceColor && !differenceShown) break;
        const Canvas::TextExtent extent = picture.MeasureText(name);
        picture.Text(g.plotRight - extent.width - 2, top, name, color, background);
        top += extent.height;
    }
}

void PositionReference::DrawValues(Canvas& picture, const GraphModel& model, const double* values,
                                   std::uint32_t color, bool dashed) const {
    const PlotGeometry& g = model.GetGeometry();
    bool previous = false;
    Canvas::Point from;
    for (int j = 0; j < model.GetPointCount(); ++j) {
        if (!std::isfinite(values[j])) {
            previous = false;
            continue;
        }
        const Canvas::Point to{
            PlotRenderer::PointX(model, j),
            TruncateToPixel((model.GetYMax() - values[j]) * model.GetYScale()) + g.plotTop};
        // A dashed curve draws the strokes that start in every other stretch of kDash
        // pixels across the plot.
        if (previous && (!dashed || (from.x - g.plotLeft) / kDash % 2 == 0))
            picture.Line(from.x, from.y, to.x, to.y, color);
        from = to;
        previous = true;
    }
}

}  // namespace qx
