#ifndef QX_GRAPH_PLOT_RENDERER_H
#define QX_GRAPH_PLOT_RENDERER_H

#include <cstdint>
#include <string>

#include "graph/graph_model.h"
#include "graph/plot_overlays.h"

namespace qx {

class Canvas;
class PlotOverlay;
class Settings;

// Draws a graph model's curves into the graph picture at the model's geometry: background,
// title, value scale with its unit, price scale in price or percent, and the curves shown. Also
// keeps the crosshair, which is drawn over a copy of the picture and never into it.
class PlotRenderer {
  public:
    // Reads the model's results and the settings live; takes the pen colours now.
    PlotRenderer(const GraphModel& model, const Settings& settings);

    // Takes the curve, scale and crosshair colours from the settings again, as after
    // the properties were edited.
    void CreatePens();

    // Redraws the whole picture from the model and hides the crosshair.
    void DrawPicture(Canvas& picture);
    // Draws the same picture onto another surface (a file, a page), leaving the
    // crosshair as it is.
    void DrawCopy(Canvas& canvas) const;

    // The picture column of point j of the model's curves: the first at the plot's left
    // edge, the following ones one pixel right of the even spacing.
    static int PointX(const GraphModel& model, int j);

    // Something drawn over the curves (null for nothing); it must outlive the renderer.
    void SetOverlay(const PlotOverlay* drawnOver) { overlay = drawnOver; }

    // The title under the plot, for example "Share Weighted Delta vs. Price$".
    std::string Title() const;

    // The readout line for a picture point: the price under it and each shown curve's
    // value at that price, or an empty text outside the plot area and while the picture
    // is blank.
    std::string Readout(int px, int py) const;

    // Shows the crosshair at a picture point inside the plot area; false, and nothing
    // changes, outside it.
    bool DrawCrosshair(int px, int py);
    // Moves the crosshair the given number of curve points along the price axis, onto the
    // first curve shown; a hidden one appears at today's price. False on a blank picture.
    bool StepCrosshair(int steps);
    // Hides the crosshair.
    void ClearCrosshair() { crosshairShown = false; }
    // Draws the crosshair, when shown, over a fresh copy of the picture on the screen.
    void DrawCrosshairLines(Canvas& screen) const;

    bool IsCrosshairShown() const { return crosshairShown; }
    int GetCrosshairX() const { return crosshairX; }
    int GetCrosshairY() const { return crosshairY; }

  private:
    // The price under picture column px.
    double PriceAt(int px) const;
    void DrawTitle(Canvas& picture) const;
    void DrawAxes(Canvas& picture) const;
    void DrawCurves(Canvas& picture) const;
    void DrawCurve(Canvas& picture, int d, int curve, std::uint32_t pen) const;
    OverlayColors Overlays() const;
    static void AppendValue(std::string& text, const std::string& name, double value);
    int CurveRow(int px) const;

    const GraphModel& model;
    const Settings& settings;

    // Pens, taken from the settings at opening and after the properties were edited.
    std::uint32_t curvePens[GraphModel::kCurveCount] = {};
    std::uint32_t scalePen = 0;
    std::uint32_t crosshairPen = 0;

    const PlotOverlay* overlay = nullptr;
    bool crosshairShown = false;
    int crosshairX = 0;
    int crosshairY = 0;
};

}  // namespace qx

#endif  // QX_GRAPH_PLOT_RENDERER_H
