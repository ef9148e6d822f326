#ifndef QX_PLATFORM_CANVAS_H
#define QX_PLATFORM_CANVAS_H

#include <cstdint>
#include <string>

namespace qx {

// A surface the graph is drawn on: an off-screen picture, the screen or a printed page.
// Coordinates are device pixels, x to the right, y downwards. Colours are colour
// references as the settings keep them: red in the lowest byte, then green, then blue.
class Canvas {
  public:
    // The size a text takes when drawn.
    struct TextExtent {
        int width = 0;
        int height = 0;
    };

    // A pixel position.
    struct Point {
        int x = 0;
        int y = 0;
    };

    virtual ~Canvas() = default;

    // Paints the rectangle with its top left corner at (x, y) in one colour.
    virtual void FillRect(int x, int y, int width, int height, std::uint32_t color) = 0;

    // A solid pen stroke one pixel wide from (x1, y1) towards (x2, y2): it covers the
    // first point and stops one pixel short of the second, so joined strokes never
    // paint a shared point twice.
    virtual void Line(int x1, int y1, int x2, int y2, std::uint32_t color) = 0;

    // Joined strokes through count points, each as Line draws it, so the last point is
    // left out. A canvas may draw the whole run at once.
    virtual void Polyline(const Point* points, int count, std::uint32_t color) {
        for (int i = 1; i < count; ++i)
            Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, color);
    }

    // Draws a one-line text with its top left corner at (x, y), over an opaque box of
    // the background colour as large as the text's extent.
    virtual void Text(int x, int y, const std::string& text, std::uint32_t color,
                      std::uint32_t background) = 0;

    // The extent the text would take with the canvas's font.
    virtual TextExtent MeasureText(const std::string& text) const = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_CANVAS_H
