#include "graph/window/plot_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "graph/graph_controls.h"
#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "platform/qt/qpainter_canvas.h"

namespace qx {

namespace {

// The frame shows picture pixel (x, y) at its own (x, y); its one-pixel black edge lies
// over the picture's first row and column, which the picture never paints, and just
// beyond its last. So the frame is one pixel larger than the picture each way.
constexpr int kFrameMargin = 1;

}  // namespace

PlotView::PlotView(GraphWindowModel& graph, Handlers mouseHandlers, QWidget* parent)
    : QWidget(parent), model(graph), handlers(std::move(mouseHandlers)) {
    setMinimumSize(kPictureWidth + kFrameMargin, kPictureHeight + kFrameMargin);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab and a click give it the keyboard, whose arrows move the crosshair.
    setFocusPolicy(Qt::StrongFocus);
}

QPoint PlotView::PicturePoint(const QPointF& position) {
    // A point at 200 % lies between logical pixels; it belongs to the one it is in.
    return QPoint(qFloor(position.x()), qFloor(position.y()));
}

int PlotView::Flags(const QMouseEvent& event) {
    int flags = 0;
    if (event.buttons() & Qt::LeftButton) flags |= kLeftButton;
    if (event.buttons() & Qt::RightButton) flags |= kRightButton;
    if (event.buttons() & Qt::MiddleButton) flags |= kMiddleButton;
    if (event.modifiers() & Qt::ShiftModifier) flags |= kShiftKey;
    if (event.modifiers() & Qt::ControlModifier) flags |= kControlKey;
    return flags;
}

void PlotView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (model.IsPictureStale() || picture.devicePixelRatio() != ratio) DrawPicture(ratio);
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
    QPainterCanvas screen(painter);
    model.DrawCrosshair(screen);
    const int w = width();
    const int h = height();
    for (const QRect edge :
         {QRect(0, 0, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h), QRect(0, h - 1, w, 1)})
        painter.fillRect(edge, Qt::black);
}

void PlotView::DrawPicture(qreal ratio) {
    const QSize pixels(qCeil(width() * ratio), qCeil(height() * ratio));
    if (picture.isNull() || picture.devicePixelRatio() != ratio || picture.size() != pixels) {
        picture = QPainterCanvas::NewPicture(pixels.width(), pixels.height());
        picture.setDevicePixelRatio(ratio);
    }
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    model.DrawPicture(canvas);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
    handlers.move(PicturePoint(event->position()), Flags(*event));
}

void PlotView::mousePressEvent(QMouseEvent* event) {
    handlers.press(PicturePoint(event->position()), event->button());
}

void PlotView::keyPressEvent(QKeyEvent* event) {
    // Page keys move ten points at a time, the arrows one.
    const int steps = event->key() == Qt::Key_Left       ? -1
                      : event->key() == Qt::Key_Right    ? 1
                      : event->key() == Qt::Key_PageUp   ? -10
                      : event->key() == Qt::Key_PageDown ? 10
                                                         : 0;
    if (steps == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    handlers.step(steps);
    update();
}

void PlotView::resizeEvent(QResizeEvent*) {
    handlers.resize(QSize(width() - kFrameMargin, height() - kFrameMargin));
}

void PlotView::leaveEvent(QEvent*) {
    // Off the picture: a point outside it empties the readout.
    handlers.move(QPoint(-1, -1), 0);
}

}  // namespace qx
