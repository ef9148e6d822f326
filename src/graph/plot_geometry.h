#ifndef QX_GRAPH_PLOT_GEOMETRY_H
#define QX_GRAPH_PLOT_GEOMETRY_H

namespace qx {

// Where the parts of the graph picture stand, in its pixels. The picture has one size,
// so a graph reads the same on the screen, in a file and on paper.

// The size of the whole picture.
inline constexpr int kPictureWidth = 382;
inline constexpr int kPictureHeight = 344;

// The plot area: prices from left to right, values from top (the largest) to bottom.
inline constexpr int kPlotLeft = 60;
inline constexpr int kPlotRight = 360;
inline constexpr int kPlotTop = 20;
inline constexpr int kPlotBottom = 295;
inline constexpr int kPlotWidth = kPlotRight - kPlotLeft;
inline constexpr int kPlotHeight = kPlotBottom - kPlotTop;

// The top of the title, centred under the plot and its price scale.
inline constexpr int kTitleTop = 320;

// The picture's top left corner in the window's client coordinates, which the mouse
// events of a graph window model take.
inline constexpr int kPictureLeft = 210;
inline constexpr int kPictureTop = 68;

}  // namespace qx

#endif  // QX_GRAPH_PLOT_GEOMETRY_H
