#include "platform/qt/qpainter_canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_color.h"

namespace qx {

namespace {

// The picture's labels are small: about the height of a dialog's default font.
constexpr int kFontPixels = 11;

QFont PictureFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Whether the painter's logical pixels are its device's pixels on a raster device.
bool DrawsSinglePixels(const QPainter& painter) {
    const QTransform scale = painter.deviceTransform();
    return painter.paintEngine() != nullptr &&
           painter.paintEngine()->type() == QPaintEngine::Raster && scale.m11() == 1.0 &&
           scale.m22() == 1.0;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& activePainter)
    : painter(activePainter),
      singlePixels(DrawsSinglePixels(activePainter)),
      font(PictureFont()),
      metrics(font) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
}

QImage QPainterCanvas::NewPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

void QPainterCanvas::FillRect(int x, int y, int width, int height, std::uint32_t color) {
    painter.fillRect(x, y, width, height, ToQColor(color));
}

void QPainterCanvas::Line(int x1, int y1, int x2, int y2, std::uint32_t color) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 && dy == 0) return;
    // Stop one pixel short of the end along the longer direction, as a pen stroke from
    // a current position does; the shorter direction follows the line's slope.
    int endX = x2;
    int endY = y2;
    if (std::abs(dx) >= std::abs(dy)) {
        endX = x2 - (dx > 0 ? 1 : -1);
        endY = y1 + (endX - x1) * dy / dx;
    } else {
        endY = y2 - (dy > 0 ? 1 : -1);
        endX = x1 + (endY - y1) * dx / dy;
    }
    if (endX == x1 && endY == y1 && !singlePixels) return FillRect(x1, y1, 1, 1, color);
    UsePen(color);
    if (endX == x1 && endY == y1)
        painter.drawPoint(x1, y1);
    else if (singlePixels)
        painter.drawLine(x1, y1, endX, endY);
    else
        painter.drawLine(StrokePoint(x1, y1), StrokePoint(endX, endY));
}

void QPainterCanvas::Polyline(const Point* points, int count, std::uint32_t color) {
    if (count < 2) return;
    UsePen(color);
    // Every stroke but the last in runs through the points; the last one stops short of
    // its end as Line does.
    constexpr int kChunk = 64;
    int start = 0;
    while (start < count - 2) {
        const int n = std::min(kChunk, count - 1 - start);
        if (singlePixels) {
            QPoint run[kChunk];
            for (int i = 0; i < n; ++i) run[i] = QPoint(points[start + i].x, points[start + i].y);
            painter.drawPolyline(run, n);
        } else {
            // Strokes one by one: their square ends cover each shared point whole, where
            // the join of a wide aliased run can leave a pixel out.
            QLineF strokes[kChunk];
            for (int i = 0; i + 1 < n; ++i)
                strokes[i] = QLineF(StrokePoint(points[start + i].x, points[start + i].y),
                                    StrokePoint(points[start + i + 1].x, points[start + i + 1].y));
            painter.drawLines(strokes, n - 1);
        }
        start += n - 1;
    }
    Line(points[count - 2].x, points[count - 2].y, points[count - 1].x, points[count - 1].y, color);
}

void QPainterCanvas::Text(int x, int y, const std::string& text, std::uint32_t color,
                          std::uint32_t background) {
    const QString line = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    const TextExtent extent = MeasureText(text);
    painter.fillRect(x, y, extent.width, extent.height, ToQColor(background));
    UsePen(color);
    painter.drawText(x, y + metrics.ascent(), line);
}

Canvas::TextExtent QPainterCanvas::MeasureText(const std::string& text) const {
    const QString line = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    return {metrics.horizontalAdvance(line), metrics.height()};
}

QPointF QPainterCanvas::StrokePoint(int x, int y) const {
    return singlePixels ? QPointF(x, y) : QPointF(x + 0.5, y + 0.5);
}

void QPainterCanvas::UsePen(std::uint32_t color) {
    if (penSet && penColor == color) return;
    QPen pen(ToQColor(color));
    if (singlePixels) {
        pen.setWidth(1);
        pen.setCosmetic(true);
    } else {
        // One logical pixel wide through the pixels' centres; the square ends cover
        // the first and last pixel whole.
        pen.setWidthF(1.0);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    painter.setPen(pen);
    penColor = color;
    penSet = true;
}

}  // namespace qx
