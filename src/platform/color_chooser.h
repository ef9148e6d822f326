#ifndef QX_PLATFORM_COLOR_CHOOSER_H
#define QX_PLATFORM_COLOR_CHOOSER_H

#include <array>
#include <cstdint>

namespace qx {

// The desktop's colour chooser. Colours are colour references as the settings keep
// them: red in the lowest byte, then green, then blue. The window layer shows the real
// dialog; tests answer with colours of their own.
class ColorChooser {
  public:
    // The chooser's table of custom colours the user may fill and reuse.
    using CustomColors = std::array<std::uint32_t, 16>;

    virtual ~ColorChooser() = default;

    // Runs the chooser modally, starting from start, with customColors in its custom
    // table. Returns the chosen colour, or start when the user cancelled; either way
    // customColors receives the table as the user left it.
    virtual std::uint32_t ChooseColor(std::uint32_t start, CustomColors& customColors) = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_COLOR_CHOOSER_H
