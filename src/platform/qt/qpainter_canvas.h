#ifndef QX_PLATFORM_QT_QPAINTER_CANVAS_H
#define QX_PLATFORM_QT_QPAINTER_CANVAS_H

#include <QFont>
#include <QFontMetrics>

#include "platform/canvas.h"

class QImage;
class QPainter;

namespace qx {

// A canvas over an active QPainter: an off-screen picture, a widget or a printer page.
// Draws without antialiasing, in a small sans-serif font sized in pixels.
class QPainterCanvas : public Canvas {
  public:
    // Draws with the painter, which must stay active while the canvas is used.
    explicit QPainterCanvas(QPainter& painter);

    // A new picture of the given size, black as a freshly made bitmap is.
    static QImage NewPicture(int width, int height);

    void FillRect(int x, int y, int width, int height, std::uint32_t color) override;
    void Line(int x1, int y1, int x2, int y2, std::uint32_t color) override;
    void Polyline(const Point* points, int count, std::uint32_t color) override;
    void Text(int x, int y, const std::string& text, std::uint32_t color,
              std::uint32_t background) override;
    TextExtent MeasureText(const std::string& text) const override;

  private:
    void UsePen(std::uint32_t color);

    QPainter& painter;
    QFont font;
    QFontMetrics metrics;
    // The pen colour set on the painter, so that a run of strokes sets it once.
    std::uint32_t penColor = 0;
    bool penSet = false;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QPAINTER_CANVAS_H
