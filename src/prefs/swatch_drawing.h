#ifndef QX_PREFS_SWATCH_DRAWING_H
#define QX_PREFS_SWATCH_DRAWING_H

#include <cstdint>

namespace qx {

class Canvas;

// How a colour swatch button looks at the moment.
enum class SwatchLook {
    kSunken,   // the left mouse button is down on it
    kFocused,  // it has the keyboard focus and nothing else is going on
    kRaised,   // anything else
};

// The look of a swatch: pressed wins; the focus alone frames it in black.
SwatchLook SwatchLookOf(bool pressed, bool focusOnly);

// Draws a swatch over the rectangle from (left, top) to (right, bottom), the right and
// bottom edges excluded: the colour inside a one-pixel frame of the given look.
void DrawSwatch(Canvas& canvas, int left, int top, int right, int bottom, std::uint32_t color,
                SwatchLook look);

}  // namespace qx

#endif  // QX_PREFS_SWATCH_DRAWING_H
