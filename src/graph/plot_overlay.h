#ifndef QX_GRAPH_PLOT_OVERLAY_H
#define QX_GRAPH_PLOT_OVERLAY_H

#include <cstdint>

namespace qx {

class Canvas;
class GraphModel;

// Something drawn over the curves of a graph picture, on the model's scales.
class PlotOverlay {
  public:
    virtual ~PlotOverlay() = default;
    // Draws onto the picture after the curves, its text over the picture's background.
    virtual void Draw(Canvas& picture, const GraphModel& model, std::uint32_t background) const = 0;
};

}  // namespace qx

#endif  // QX_GRAPH_PLOT_OVERLAY_H
