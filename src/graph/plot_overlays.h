#ifndef QX_GRAPH_PLOT_OVERLAYS_H
#define QX_GRAPH_PLOT_OVERLAYS_H

#include <cstdint>
#include <string>

namespace qx {

class Canvas;
class GraphModel;

// The prices one or two standard deviations either side of where the underlying is
// expected at the graph date: S·e^(μt ∓ k·σ·√t), σ and μ the sliders', t the years to the
// graph date.
struct PriceBand {
    double low = 0;
    double high = 0;
};
PriceBand ExpectedMove(const GraphModel& model, int deviations);

// The colour a fraction t of the way from color to the background.
std::uint32_t Fade(std::uint32_t color, std::uint32_t background, double t);

// A curve's colour for date d of the graph (0 the slider's date): the colour itself, then
// shades ever closer to the background.
std::uint32_t DateShade(std::uint32_t color, std::uint32_t background, int d);

// The legend's name of date d: the date in the chosen format (1 month first, else day
// first), "(expiration)" after the expiration's.
std::string DateLabel(const GraphModel& model, int d, int dateFormat);

// What the overlays are drawn in.
struct OverlayColors {
    std::uint32_t band = 0;       // the one-deviation band
    std::uint32_t outerBand = 0;  // the two-deviation band
    std::uint32_t text = 0;
    std::uint32_t background = 0;
    std::uint32_t legendLine = 0;  // the curve whose shades name the dates
};

// The expected move behind the curves: the two-deviation band when asked for, then the
// one-deviation band over it, labelled at the top with its two prices.
void DrawExpectedMove(Canvas& canvas, const GraphModel& model, bool twoDeviations,
                      const OverlayColors& colors);

// The dates' legend in the plot's top right corner, when the graph has more than one date.
void DrawDateLegend(Canvas& canvas, const GraphModel& model, int dateFormat,
                    const OverlayColors& colors);

}  // namespace qx

#endif  // QX_GRAPH_PLOT_OVERLAYS_H
