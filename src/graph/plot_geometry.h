#ifndef QX_GRAPH_PLOT_GEOMETRY_H
#define QX_GRAPH_PLOT_GEOMETRY_H

#include <algorithm>

namespace qx {

// The smallest graph picture, the one a window opens with and a picture file keeps.
inline constexpr int kPictureWidth = 382;
inline constexpr int kPictureHeight = 344;

// Where the parts of a graph picture stand, in its pixels. The labels keep their font
// at every size, so the margins that hold them keep their widths and the plot area takes
// whatever the picture gains.
struct PlotGeometry {
    int pictureWidth = 0, pictureHeight = 0;
    // The plot area: prices from left to right, values from top (the largest) to bottom.
    int plotLeft = 0, plotRight = 0;
    int plotTop = 0, plotBottom = 0;
    // The top of the title, centred under the plot and its price scale.
    int titleTop = 0;

    constexpr int PlotWidth() const { return plotRight - plotLeft; }
    constexpr int PlotHeight() const { return plotBottom - plotTop; }
    // Whether a point has a readout and a crosshair: the plot area without its right and
    // bottom edges.
    constexpr bool InPlotArea(int px, int py) const {
        return px >= plotLeft && px < plotRight && py >= plotTop && py < plotBottom;
    }

    // The geometry of a picture of the given size, held to at least the smallest picture.
    static constexpr PlotGeometry ForPicture(int width, int height) {
        // Room left of the plot for the value labels, right of it for the last price
        // label's half, above it for the band's prices, and below it for the price labels
        // and the title.
        constexpr int kLeftMargin = 60;
        constexpr int kRightMargin = 22;
        constexpr int kTopMargin = 20;
        constexpr int kBottomMargin = 49;
        constexpr int kTitleFromBottom = 24;
        PlotGeometry g;
        g.pictureWidth = std::max(width, kPictureWidth);
        g.pictureHeight = std::max(height, kPictureHeight);
        g.plotLeft = kLeftMargin;
        g.plotRight = g.pictureWidth - kRightMargin;
        g.plotTop = kTopMargin;
        g.plotBottom = g.pictureHeight - kBottomMargin;
        g.titleTop = g.pictureHeight - kTitleFromBottom;
        return g;
    }
};

// The smallest picture's geometry.
inline constexpr PlotGeometry kSmallestPlot =
    PlotGeometry::ForPicture(kPictureWidth, kPictureHeight);

// The picture's top left corner in the window's client coordinates, which the mouse
// events of a graph window model take.
inline constexpr int kPictureLeft = 210;
inline constexpr int kPictureTop = 68;

}  // namespace qx

#endif  // QX_GRAPH_PLOT_GEOMETRY_H
