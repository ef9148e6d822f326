#include "prefs/window/color_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/qpainter_canvas.h"
#include "prefs/swatch_drawing.h"

namespace qx {

ColorButton::ColorButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColorButton::SetColor(std::uint32_t newColor) {
    color = newColor;
    update();
}

QSize ColorButton::sizeHint() const {
    // About as high as a text box beside it, and square.
    const int side = fontMetrics().height() + 8;
    return QSize(side, side);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    // The key held down on the swatch pushes it without the mouse, which is not the
    // focus alone.
    DrawSwatch(canvas, 0, 0, width(), height(), color,
               SwatchLookOf(pressed, hasFocus() && !isDown()));
}

void ColorButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed = true;
    QAbstractButton::mousePressEvent(event);
}

void ColorButton::mouseReleaseEvent(QMouseEvent* event) {
    // Cleared before the button's own handling, which reports the click.
    if (event->button() == Qt::LeftButton) pressed = false;
    QAbstractButton::mouseReleaseEvent(event);
    update();
}

}  // namespace qx
