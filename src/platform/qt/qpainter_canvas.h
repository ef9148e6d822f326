#ifndef QX_PLATFORM_QT_QPAINTER_CANVAS_H
#define QX_PLATFORM_QT_QPAINTER_CANVAS_H

#include <QFont>
#include <QFontMetrics>
#include <QPointF>

#include "platform/canvas.h"

class QImage;
class QPainter;

namespace qx {

// A canvas over an active QPainter: an off-screen picture, a widget or a printer page.
// Draws without antialiasing, in a small sans-serif font sized in pixels. Coordinates are
// the painter's logical pixels: where one of them spans several device pixels (a screen
// at 200 %, an enlarged picture, a PDF page) a stroke fills whole logical pixels, so
// lines keep their weight and place and text is drawn at the device's own sharpness.
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
    // The point a stroke through pixel (x, y) is drawn at: the pixel itself on a device
    // of single pixels, else its centre.
    QPointF StrokePoint(int x, int y) const;

    QPainter& painter;
    // True on a raster device whose pixels are the canvas's pixels (a picture at 100 %),
    // where strokes are drawn pixel by pixel as a pen on a bitmap draws them.
    bool singlePixels;
    QFont font;
    QFontMetrics metrics;
    // The pen colour set on the painter, so that a run of strokes sets it once.
    std::uint32_t penColor = 0;
    bool penSet = false;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QPAINTER_CANVAS_H
