#ifndef QX_GRAPH_WINDOW_GRAPH_DLG_H
#define QX_GRAPH_WINDOW_GRAPH_DLG_H

#include <QDialog>
#include <memory>

#include "graph/graph_controls.h"
#include "platform/qt/window_file_chooser.h"
#include "platform/qt/window_messages.h"
#include "pricing/option.h"

class QAction;
class QGroupBox;
class QLabel;
class QMouseEvent;

namespace qx {

class ControlBinding;
class Desktop;
class FileChooser;
class GraphWindowModel;
class Messages;
class PlotView;
class Settings;
class Stock;
template <class Command>
class MenuBinding;

// A graph window: the curves of a position against the underlying price, with the
// curve and Greek boxes, the date, volatility and drift sliders, the readout and the
// crosshair, printing and pictures to keep. Every widget is bound to a control of its
// GraphWindowModel; the window forwards events, mirrors the model and carries out its
// requests. Each window works on copies of its own and deletes itself when closed.
class GraphDlg : public QDialog {
    Q_OBJECT

  public:
    // Opens a new top-level, non-modal graph window on copies of the options and the
    // holding, shows it and returns it; or warns and returns null when no option has a
    // side. The references must outlive the window. document is the path of the
    // document the position is of (empty when never saved): its kept reference is drawn.
    static GraphDlg* Open(const Option (&options)[kOptionSlots], const Stock& stock,
                          Settings& settings, Messages& messages, Desktop& desktop,
                          FileChooser& files, const std::string& document = {});
    ~GraphDlg() override;

    // The model behind the window.
    GraphWindowModel& GetModel() { return *model; }
    // The widget bound to a control.
    QWidget* GetControlWidget(GraphControl control) const;
    // The menu item of a command, or null when the menu has none.
    QAction* GetMenuAction(GraphCommand command) const;
    // The plot frame.
    PlotView* GetPlotView() const { return plot; }

  public slots:
    // Escape: the window closes.
    void reject() override;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    GraphDlg(const Option (&options)[kOptionSlots], const Stock& stock, Settings& settings,
             Messages& messages, Desktop& desktop, FileChooser& files);

    void BuildLayout();
    QGroupBox* BuildBoxGroup(GraphControl group, std::initializer_list<GraphControl> boxes);
    QGroupBox* BuildSliderGroup(GraphControl group, GraphControl slider, GraphControl text);
    QWidget* BuildPlot();
    QLabel* BuildSummary(GraphControl control, int lines);

    void MouseMoved(QPoint picturePoint, int flags);
    void MousePressed(QPoint picturePoint, Qt::MouseButton button);
    void RunCommand(GraphCommand command);
    void Handle(GraphRequest request = GraphRequest::kNone);
    void RunProperties();
    void Print();
    void SavePictureAs();
    void CopyPicture();
    void OpenProfitTable();
    void ApplyColors();
    void MirrorModel();

    Settings& settings;
    Messages& appMessages;  // the application's, for the windows this one opens
    FileChooser& appFiles;
    std::string document;
    WindowMessages messages;
    WindowFileChooser files;
    std::unique_ptr<GraphWindowModel> model;
    ControlBinding* binding;
    PlotView* plot = nullptr;
    MenuBinding<GraphCommand>* menus;
};

}  // namespace qx

#endif  // QX_GRAPH_WINDOW_GRAPH_DLG_H
