#include "graph/plot_axes.h"

#include <algorithm>
#include <cmath>

#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "graph/tick_rule.h"
#include "platform/canvas.h"
#include "pricing/number_text.h"

namespace qx {

namespace {

// A guard against a step too small for its range: no scale has more ticks than this.
constexpr int kMaxTicks = 1000;

// The least space between two price labels, so neighbours never read as one word.
constexpr int kLabelGap = 4;

// Calls draw(v) for v = first, first + step, ... while v is not above last (below last
// when inclusive is off), allowing for the rounding of the steps. A sequence that is not
// finite draws nothing.
template <typename Draw>
void ForEachTick(double first, double step, double last, bool inclusive, Draw draw) {
    if (!std::isfinite(first) || !std::isfinite(step)) return;
    const double slack = std::fabs(step) * 1e-9;
    for (int k = 0; k < kMaxTicks; ++k) {
        const double v = first + k * step;
        if (inclusive ? !(v <= last + slack) : !(v < last - slack)) return;
        draw(v);
    }
}

// The divisor of the value labels and the suffix naming it.
struct ValueUnit {
    double divisor;
    const char* suffix;
};

ValueUnit ValueUnitOf(double yMin, double yMax) {
    if (yMax < 100000 && yMin > -100000) return {1, ""};
    if (yMax > 9999999999.0 || yMin < -9999999999.0) return {1000000000, "B"};
    if (yMax > 9999999 || yMin < -9999999) return {1000000, "M"};
    return {1000, "K"};
}

// Decimal digits of a value's whole part, "0" included, for the percent labels.
std::string WholeText(double v) {
    return IntegerText(std::fabs(v) < 1e18 ? static_cast<long long>(std::trunc(v)) : 0, true);
}

}  // namespace

PlotAxes::PlotAxes(Canvas& target, Colors axisColors, const PlotGeometry& plot)
    : canvas(target), colors(axisColors), geometry(plot), valueScaleX(plot.plotLeft - 1) {}

void PlotAxes::DrawValueAxis(const ValueRange& range) {
    const double R = range.yMax - range.yMin;
    const ValueUnit unit = ValueUnitOf(range.yMin, range.yMax);
    const TickSteps steps = ChooseTicks(R, TickAxis::kValues);
    Tick(valueScaleX, geometry.plotTop, valueScaleX,
         TruncateToPixel(R * range.yScale) + geometry.plotTop);

    const auto yOf = [&](double v) {
        return TruncateToPixel((range.yMax - v) * range.yScale) + geometry.plotTop;
    };
    // The rounding slack of a sequence may admit a value just outside a range far
    // narrower than the step (a theta of pure rounding noise); its tick would land
    // above the plot or on the title, so a tick stands only on the plot's height.
    const auto onPlot = [&](double v) {
        return yOf(v) >= geometry.plotTop && yOf(v) <= geometry.plotBottom;
    };
    const auto minorTick = [&](double v) {
        if (onPlot(v)) Tick(valueScaleX - 2, yOf(v), valueScaleX + 2, yOf(v));
    };
    // Labels with decimals name their unit too: 250000 is "250.00K", never "250.00".
    const auto majorTick = [&](double v) {
        if (!onPlot(v)) return;
        Tick(valueScaleX - 5, yOf(v), valueScaleX + 5, yOf(v));
        ValueLabel(yOf(v), NumberText(v / unit.divisor, steps.decimals, false) + unit.suffix);
    };
    const double firstMinor = FirstTick(range.yMin, steps.minor, range.yMin);
    if (steps.decimals > 0) {
        ForEachTick(firstMinor, steps.minor, range.yMax, true, minorTick);
        const double firstMajor = FirstTick(firstMinor, steps.major, range.yMin);
        ForEachTick(firstMajor, steps.major, range.yMax, true, majorTick);
        return;
    }
    ForEachTick(firstMinor, steps.minor, range.yMax, true, [&](double v) {
        if (IsMultipleOf(v, steps.major))
            majorTick(v);
        else
            minorTick(v);
    });
}

int PlotAxes::PriceAxisHeight(const ValueRange& range, const PlotGeometry& plot) {
    const int top = plot.plotTop;
    if (range.yMin > 0) return TruncateToPixel(range.yScale * (range.yMax - range.yMin)) + top;
    if (range.yMax >= 0) return TruncateToPixel(range.yMax * range.yScale) + top;
    return top;
}

void PlotAxes::DrawPriceAxis(const PriceRange& range, int h) {
    Tick(geometry.plotLeft, h, geometry.plotRight, h);
    const TickSteps steps = ChooseTicks(range.xMax - range.xMin, TickAxis::kPrices);
    // A collapsed axis (no time to the graph date, so xStep is 0) places no tick.
    const auto offsetOf = [&](double w) {
        return (w - range.xMin) * range.pixelStep / range.xStep;
    };
    const double firstMinor = FirstTick(range.xMin, steps.minor, range.xMin);
    ForEachTick(firstMinor, steps.minor, range.xMax, true, [&](double w) {
        if (!std::isfinite(offsetOf(w))) return;
        const int x = TruncateToPixel(offsetOf(w)) + geometry.plotLeft;
        Tick(x, h - 2, x, h + 2);
    });
    const double firstMajor = FirstTick(firstMinor, steps.major, range.xMin);
    const auto labelOf = [&](double w) { return NumberText(w, steps.decimals, false); };
    const double labelled = LabelledStep(firstMajor, steps.major, range.xMax,
                                         offsetOf(range.xMin + steps.major), labelOf);
    ForEachTick(firstMajor, steps.major, range.xMax, true, [&](double w) {
        if (!std::isfinite(offsetOf(w))) return;
        const int offset = TruncateToPixel(offsetOf(w));
        Tick(offset + geometry.plotLeft, h - 5, offset + geometry.plotLeft, h + 5);
        if (IsMultipleOf(w, labelled)) PriceLabel(offset, h, labelOf(w));
    });
}

void PlotAxes::DrawPercentAxis(const PriceRange& range, int h) {
    Tick(geometry.plotLeft, h, geometry.plotRight, h);
    const double u = range.xMin / range.currentPrice * 100;
    const double t = range.xMax / range.currentPrice * 100;
    const double p = (t - u) / range.pointCount;
    const TickSteps steps = ChooseTicks(t - u, TickAxis::kPrices);
    const double first = steps.minor * std::trunc(u / steps.minor);
    const auto labelOf = [](double w) { return WholeText(w) + "%"; };
    const double labelled = LabelledStep(FirstTick(first, steps.major, first), steps.major, t,
                                         steps.major * range.pixelStep / p, labelOf);
    ForEachTick(first, steps.minor, t, false, [&](double w) {
        const double exact = (w - u) * range.pixelStep / p;
        if (!std::isfinite(exact) || TruncateToPixel(exact) <= 0) return;
        const int offset = TruncateToPixel(exact);
        if (!IsMultipleOf(w, steps.major))
            return Tick(offset + geometry.plotLeft, h - 2, offset + geometry.plotLeft, h + 2);
        Tick(offset + geometry.plotLeft, h - 5, offset + geometry.plotLeft, h + 5);
        if (IsMultipleOf(w, labelled)) PriceLabel(offset, h, labelOf(w));
    });
}

// The step between labelled major ticks: the major step, or a whole multiple of it when
// the widest label would run into its neighbour spacing pixels away (a large font).
template <typename LabelOf>
double PlotAxes::LabelledStep(double first, double major, double last, double spacing,
                              LabelOf labelOf) const {
    int widest = 0;
    ForEachTick(first, major, last, true,
                [&](double w) { widest = std::max(widest, canvas.MeasureText(labelOf(w)).width); });
    if (!(spacing > 0) || widest + kLabelGap <= spacing) return major;
    return major * std::ceil((widest + kLabelGap) / spacing);
}

void PlotAxes::Tick(int x1, int y1, int x2, int y2) { canvas.Line(x1, y1, x2, y2, colors.pen); }

void PlotAxes::ValueLabel(int y, const std::string& label) {
    // Right-aligned a pixel short of the major ticks, centred on its tick.
    const std::string text = label.empty() ? "0" : label;
    const Canvas::TextExtent extent = canvas.MeasureText(text);
    canvas.Text(valueScaleX - 4 - extent.width, y - extent.height / 2, text, colors.text,
                colors.background);
}

void PlotAxes::PriceLabel(int offset, int h, const std::string& label) {
    // Centred under its tick; a label that would reach left of the plot area is left out.
    if (label.empty()) return;
    const int width = canvas.MeasureText(label).width;
    if (offset - width / 2 <= 0) return;
    canvas.Text(geometry.plotLeft + offset - width / 2, h + 5, label, colors.text,
                colors.background);
}

}  // namespace qx
