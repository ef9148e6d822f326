#include "prefs/swatch_drawing.h"

#include <utility>

#include "platform/canvas.h"

namespace qx {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

SwatchLook SwatchLookOf(bool pressed, bool focusOnly) {
    if (pressed) return SwatchLook::kSunken;
    return focusOnly ? SwatchLook::kFocused : SwatchLook::kRaised;
}

void DrawSwatch(Canvas& canvas, int a, int b, int c, int d, std::uint32_t color, SwatchLook look) {
    canvas.FillRect(a + 1, b + 1, c - a - 2, d - b - 2, color);
    // Light from the top left: a raised square is white there, a sunken one black.
    std::uint32_t topLeft = kWhite;
    std::uint32_t bottomRight = kBlack;
    if (look == SwatchLook::kSunken) std::swap(topLeft, bottomRight);
    if (look == SwatchLook::kFocused) topLeft = kBlack;
    canvas.Line(a, b, c, b, topLeft);
    canvas.Line(a, b, a, d, topLeft);
    canvas.Line(c - 1, b, c - 1, d - 1, bottomRight);
    canvas.Line(a, d - 1, c, d - 1, bottomRight);
}

}  // namespace qx
