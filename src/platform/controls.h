#ifndef QX_PLATFORM_CONTROLS_H
#define QX_PLATFORM_CONTROLS_H

#include <string>
#include <vector>

namespace qx {

// Which of the settings' highlight colours a control's text is painted in.
enum class TextColor { kNormal, kGroupHighlight, kTextHighlight, kMessageHighlight };

// What a window shows in one control; the model writes it, the window mirrors it.
// Buttons use checked, lists use items and selected, sliders use position and range,
// boxes and labels use text.
struct Control {
    std::string text;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    std::vector<std::string> items;
    int selected = -1;             // index into items, or -1 for no selection
    std::vector<int> unavailable;  // indexes of items shown greyed, which cannot be chosen
    int position = 0;              // a slider's position within minimum..maximum
    int minimum = 0;
    int maximum = 0;
    TextColor color = TextColor::kNormal;
};

// What a window shows for one menu item; radio marks a choice among its neighbours.
struct MenuItem {
    bool checked = false;
    bool radio = false;
    bool enabled = true;
};

}  // namespace qx

#endif  // QX_PLATFORM_CONTROLS_H
