#ifndef QX_GRAPH_PLOT_AXES_H
#define QX_GRAPH_PLOT_AXES_H

#include <cstdint>
#include <string>

#include "graph/plot_geometry.h"

namespace qx {

class Canvas;

// The two scales of the graph picture, with ticks and labels, placed around its plot
// area.
class PlotAxes {
  public:
    // The colours a scale is drawn in: its lines, its labels and the picture's
    // background, over which the labels are drawn opaque.
    struct Colors {
        std::uint32_t pen = 0;
        std::uint32_t text = 0;
        std::uint32_t background = 0;
    };

    // The vertical range of the plot: yMax at the plot's top, yMin yScale × (yMax − yMin)
    // pixels lower.
    struct ValueRange {
        double yMin = 0;
        double yMax = 0;
        double yScale = 0;
    };

    // The price axis: pointCount points from xMin, xStep apart, pixelStep pixels apart;
    // currentPrice is 100 % in the percent view.
    struct PriceRange {
        double xMin = 0, xMax = 0, xStep = 0;
        double pixelStep = 0;
        double currentPrice = 0;
        int pointCount = 0;
    };

    // Draws on the canvas in the given colours, around the plot area of geometry.
    PlotAxes(Canvas& canvas, Colors colors, const PlotGeometry& geometry);

    // The value scale left of the plot, labelled in units, thousands (K), millions (M)
    // or billions (B) by the size of the values.
    void DrawValueAxis(const ValueRange& range);

    // The height of the price axis: the plot's bottom when every value is above 0, its
    // top when every value is below 0, else the zero line.
    static int PriceAxisHeight(const ValueRange& range, const PlotGeometry& plot);

    // The price scale at height h, labelled in prices.
    void DrawPriceAxis(const PriceRange& range, int h);

    // The price scale at height h, labelled in whole percent of the current price.
    void DrawPercentAxis(const PriceRange& range, int h);

  private:
    void Tick(int x1, int y1, int x2, int y2);
    void ValueLabel(int y, const std::string& label);
    void PriceLabel(int offset, int h, const std::string& label);
    template <typename LabelOf>
    double LabelledStep(double first, double major, double last, double spacing,
                        LabelOf labelOf) const;

    Canvas& canvas;
    Colors colors;
    PlotGeometry geometry;
    int valueScaleX;  // the value scale's line, one pixel left of the plot
};

}  // namespace qx

#endif  // QX_GRAPH_PLOT_AXES_H
