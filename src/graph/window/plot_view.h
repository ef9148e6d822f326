#ifndef QX_GRAPH_WINDOW_PLOT_VIEW_H
#define QX_GRAPH_WINDOW_PLOT_VIEW_H

#include <QImage>
#include <QWidget>
#include <functional>

class QMouseEvent;

namespace qx {

class GraphWindowModel;

// The plot frame: shows the graph picture, drawn again whenever the model marks it
// stale, at the screen's pixel density so it stays sharp at any scaling; grows with the
// window from the smallest picture up; draws the crosshair over it on screen only;
// reports the mouse in picture pixels.
class PlotView : public QWidget {
  public:
    // What the window is told about the mouse: a point in picture pixels, with the
    // buttons and keys held (MouseFlags) for a move, or the button pressed.
    struct Handlers {
        std::function<void(QPoint point, int flags)> move;
        std::function<void(QPoint point, Qt::MouseButton button)> press;
        // An arrow key moved the crosshair this many points along the price axis.
        std::function<void(int steps)> step;
        // The frame was resized: the picture inside it now has this size.
        std::function<void(QSize picture)> resize;
    };

    // Shows the model's picture in a black frame one pixel wide, at first the smallest.
    PlotView(GraphWindowModel& model, Handlers handlers, QWidget* parent);

    // The picture as last drawn, at the device pixel ratio it was drawn for.
    const QImage& Picture() const { return picture; }

    // The picture pixel under a point of this widget, at any scaling.
    static QPoint PicturePoint(const QPointF& position);
    // MouseFlags for the buttons and keys of a mouse event.
    static int Flags(const QMouseEvent& event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QSize sizeHint() const override { return minimumSize(); }
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void DrawPicture(qreal ratio);

    GraphWindowModel& model;
    Handlers handlers;
    QImage picture;
};

}  // namespace qx

#endif  // QX_GRAPH_WINDOW_PLOT_VIEW_H
