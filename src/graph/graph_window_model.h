#ifndef QX_GRAPH_GRAPH_WINDOW_MODEL_H
#define QX_GRAPH_GRAPH_WINDOW_MODEL_H

#include <string>
#include <vector>

#include "graph/graph_controls.h"
#include "graph/graph_model.h"
#include "graph/plot_renderer.h"
#include "graph/position_greeks.h"
#include "graph/position_reference.h"
#include "graph/position_summary.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"

namespace qx {

class Canvas;
class Desktop;
class Messages;
class Settings;

// The behaviour of one graph window: which curves and what quantity are shown, the
// three what-if sliders, the menu toggles, the readout and the crosshair. It holds the
// state of every control and menu mark; the window only mirrors it, forwards events and
// draws the picture when it is stale.
class GraphWindowModel {
  public:
    // Takes copies of the position; reads the settings live and changes four of them
    // from the menu.
    GraphWindowModel(const Option (&options)[kOptionSlots], const Stock& stock, Settings& settings,
                     Messages& messages, Desktop& desktop);
    GraphWindowModel(const GraphWindowModel&) = delete;
    GraphWindowModel& operator=(const GraphWindowModel&) = delete;

    // Draws the reference the document has in store, if any, in this window; before Open.
    void AttachReference(ReferenceStore& store, const std::string& document);

    // Sets up the controls and computes the first curves, at the nearest expiration.
    // Without any option it warns and returns false: the window closes as if cancelled.
    bool Open();

    // A click on a check box: a curve box, the holding's box or a Greek box.
    void ClickButton(GraphControl control);
    // A slider moved to a position; every slider that differs from what the curves
    // were computed with is then applied, date first, volatility, then drift.
    void MoveSlider(GraphControl slider, int position);
    // The mouse moved over the window with the given buttons and keys down (MouseFlags);
    // client coordinates, in which the picture stands at kPictureLeft, kPictureTop.
    void MouseMove(int x, int y, int flags);
    // The left button was pressed at a client point: the crosshair goes there.
    void LeftButtonDown(int x, int y);
    // An arrow key on the picture: the crosshair moves that many curve points along the
    // price axis and the readout follows it.
    void StepCrosshair(int steps);
    // The right button was pressed: the crosshair goes away.
    void RightButtonDown();
    // The picture was given a new size (held to at least the smallest): the curves are
    // laid out on it again, and the crosshair and readout, which stood on the old
    // layout, go away.
    void ResizePicture(int width, int height);
    // A menu command or the window's cancel.
    GraphRequest Command(GraphCommand command);
    // After the property sheet closed, whatever its result: new resolution, pens and
    // date format.
    void AfterProperties();

    // Whether the picture must be drawn again before it is shown.
    bool IsPictureStale() const { return pictureStale; }
    // Draws the picture from the curves as they are now.
    void DrawPicture(Canvas& picture);
    // Draws the crosshair, when shown, over a copy of the picture on the screen.
    void DrawCrosshair(Canvas& screen) const { renderer.DrawCrosshairLines(screen); }
    // Draws the picture as it is now onto another surface (a file, the clipboard, a
    // page), leaving the picture on screen and its crosshair as they are.
    void DrawPictureCopy(Canvas& canvas) const { renderer.DrawCopy(canvas); }

    // The kinds a picture can be saved as, PNG first.
    static std::vector<FileKind> PictureKinds();
    // The format a picture is saved in: PDF for a path ending in ".pdf" in any case,
    // PNG otherwise.
    static PictureFormat PictureFormatOf(const std::string& path);
    // The name the save dialog proposes: the underlying's symbol and "Graph".
    std::string SuggestedPictureName() const;
    // Says that the picture could not be written to path.
    void PictureNotSaved(const std::string& path);
    // Says that the print job failed and was abandoned.
    void PrintFailed();

    const Control& GetControl(GraphControl control) const {
        return controls[static_cast<int>(control)];
    }
    // The marks of the menu's toggles and choices; other commands have none.
    const MenuItem& GetMenuItem(GraphCommand command) const { return menu.Get(command); }
    // The curve whose colour a box's caption takes (0 NET, 1..4 options, 5 holding), or -1
    // for its normal colour.
    int CaptionPlotColor(GraphControl control) const;

    const GraphModel& GetModel() const { return model; }
    const PositionReference& GetReference() const { return reference; }
    const PlotRenderer& GetRenderer() const { return renderer; }

  private:
    Control& Ctl(GraphControl control) { return controls[static_cast<int>(control)]; }
    void InitControls();
    void OpenSliders();
    void SetSlider(GraphControl slider, int minimum, int maximum, int position);
    void SetDateSlider();
    void FullUpdate();
    void ApplyHoldingRule();
    void ShowDate();
    void ShowVolatility();
    void ShowDrift();
    void ShowSummary();
    void ApplySliders();
    void ClickCurveBox(GraphControl control);
    void ClickGreekBox(GraphControl control);
    void ToggleSetting(bool& setting, GraphCommand command);
    void ChooseProfit(bool showProfit);
    void PinDate();
    void Redraw();
    void ComputeCurves();
    void ShowReferenceMenu();

    Settings& settings;
    Messages& messages;
    Desktop& desktop;
    GraphModel model;
    PlotRenderer renderer;
    PositionSummary summary;
    PositionReference reference;
    PositionGreeks greeks;

    Control controls[static_cast<int>(GraphControl::kCount)];
    MenuItems<GraphCommand> menu;
    bool pictureStale = true;
};

}  // namespace qx

#endif  // QX_GRAPH_GRAPH_WINDOW_MODEL_H
