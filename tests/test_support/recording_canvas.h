#ifndef QX_TEST_SUPPORT_RECORDING_CANVAS_H
#define QX_TEST_SUPPORT_RECORDING_CANVAS_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace qx {

// Remembers everything drawn on it. Its font is fixed: every character is kCharWidth
// pixels wide and every text kTextHeight high, so placements can be checked exactly.
class RecordingCanvas : public Canvas {
  public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 12;

    struct Fill {
        int x, y, width, height;
        std::uint32_t color;
    };
    struct Stroke {
        int x1, y1, x2, y2;
        std::uint32_t color;
    };
    struct Label {
        int x, y;
        std::string text;
        std::uint32_t color, background;
    };

    void FillRect(int x, int y, int width, int height, std::uint32_t color) override {
        fills.push_back({x, y, width, height, color});
    }
    void Line(int x1, int y1, int x2, int y2, std::uint32_t color) override {
        lines.push_back({x1, y1, x2, y2, color});
    }
    void Text(int x, int y, const std::string& text, std::uint32_t color,
              std::uint32_t background) override {
        texts.push_back({x, y, text, color, background});
    }
    TextExtent MeasureText(const std::string& text) const override {
        return {static_cast<int>(text.size()) * kCharWidth, kTextHeight};
    }

    // The texts drawn in one colour, in drawing order.
    std::vector<std::string> TextsIn(std::uint32_t color) const {
        std::vector<std::string> found;
        for (const Label& label : texts)
            if (label.color == color) found.push_back(label.text);
        return found;
    }

    // The strokes drawn in one colour, in drawing order.
    std::vector<Stroke> LinesIn(std::uint32_t color) const {
        std::vector<Stroke> found;
        for (const Stroke& stroke : lines)
            if (stroke.color == color) found.push_back(stroke);
        return found;
    }

    void Reset() {
        fills.clear();
        lines.clear();
        texts.clear();
    }

    std::vector<Fill> fills;
    std::vector<Stroke> lines;
    std::vector<Label> texts;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_RECORDING_CANVAS_H
