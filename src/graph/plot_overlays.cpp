#include "graph/plot_overlays.h"

#include <algorithm>
#include <cmath>

#include "graph/graph_model.h"
#include "graph/pixel.h"
#include "graph/plot_geometry.h"
#include "platform/canvas.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"

namespace qx {

namespace {

// One channel of a colour reference (0 red, 1 green, 2 blue).
int Channel(std::uint32_t color, int c) { return static_cast<int>((color >> (8 * c)) & 0xff); }

}  // namespace

std::uint32_t Fade(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t mixed = 0;
    for (int c = 0; c < 3; ++c) {
        const double v = Channel(a, c) + t * (Channel(b, c) - Channel(a, c));
        mixed |= static_cast<std::uint32_t>(std::lround(v)) << (8 * c);
    }
    return mixed;
}

namespace {

// The plot's x of a price, held inside the plot area.
int PriceX(const GraphModel& model, double price) {
    const PlotGeometry& g = model.GetGeometry();
    if (!(model.GetXStep() > 0)) return g.plotLeft;
    const double offset = (price - model.GetXMin()) * model.GetPixelStep() / model.GetXStep();
    return std::clamp(TruncateToPixel(offset) + g.plotLeft, g.plotLeft, g.plotRight);
}

void FillBand(Canvas& canvas, const GraphModel& model, PriceBand band, std::uint32_t color) {
    const int left = PriceX(model, band.low);
    const int right = PriceX(model, band.high);
    const PlotGeometry& g = model.GetGeometry();
    if (right > left) canvas.FillRect(left, g.plotTop, right - left, g.PlotHeight(), color);
}

}  // namespace

PriceBand ExpectedMove(const GraphModel& model, int deviations) {
    const double S = model.GetCurrentPrice();
    const double t = model.GetHorizonDays() * Option::kYearsPerDay;
    const double centre = model.GetDrift() * t;
    const double spread = deviations * model.GetRangeVolatility() * std::sqrt(t);
    return {S * std::exp(centre - spread), S * std::exp(centre + spread)};
}

std::uint32_t DateShade(std::uint32_t color, std::uint32_t background, int d) {
    // Far enough apart to tell, never so close to the background as to vanish.
    return Fade(color, background, 0.16 * d);
}

std::string DateLabel(const GraphModel& model, int d, int dateFormat) {
    std::string label =
        model.DateOf(d).Format(dateFormat == kMonthDayYear ? "%m/%d/%Y" : "%d/%m/%Y");
    if (model.GetDateKind(d) == DateKind::kExpiration) label += " (expiration)";
    return label;
}

void DrawExpectedMove(Canvas& canvas, const GraphModel& model, bool twoDeviations,
                      const OverlayColors& colors) {
    if (model.GetDateOffset() <= 0) return;
    if (twoDeviations) FillBand(canvas, model, ExpectedMove(model, 2), colors.outerBand);
    const PriceBand band = ExpectedMove(model, 1);
    FillBand(canvas, model, band, colors.band);
    // The two prices inside the band's edges, at the top of the plot.
    const std::string low = NumberText(band.low, 2, false);
    const std::string high = NumberText(band.high, 2, false);
    const int left = PriceX(model, band.low);
    const int right = PriceX(model, band.high);
    const int highWidth = canvas.MeasureText(high).width;
    if (right - left < canvas.MeasureText(low).width + highWidth + 6) return;
    const int top = model.GetGeometry().plotTop + 1;
    canvas.Text(left + 2, top, low, colors.text, colors.band);
    canvas.Text(right - 2 - highWidth, top, high, colors.text, colors.band);
}

void DrawDateLegend(Canvas& canvas, const GraphModel& model, int dateFormat,
                    const OverlayColors& colors) {
    const int count = model.GetDateCount();
    if (count < 2) return;
    constexpr int kSample = 16;  // length of a date's line sample
    int width = 0;
    int height = 0;
    for (int d = 0; d < count; ++d) {
        const Canvas::TextExtent extent = canvas.MeasureText(DateLabel(model, d, dateFormat));
        width = std::max(width, extent.width);
        height = std::max(height, extent.height);
    }
    const int boxWidth = kSample + 6 + width + 4;
    const PlotGeometry& g = model.GetGeometry();
    const int left = g.plotRight - boxWidth - 2;
    const int top = g.plotTop + height + 4;  // below the expected move's prices
    canvas.FillRect(left, top, boxWidth, count * height + 4, colors.background);
    for (int d = 0; d < count; ++d) {
        const int y = top + 2 + d * height;
        const std::uint32_t shade = DateShade(colors.legendLine, colors.background, d);
        for (int dy : {0, 1})
            canvas.Line(left + 2, y + height / 2 + dy, left + 2 + kSample, y + height / 2 + dy,
                        shade);
        canvas.Text(left + kSample + 6, y, DateLabel(model, d, dateFormat), colors.text,
                    colors.background);
    }
}

}  // namespace qx
