#ifndef QX_PLATFORM_CONTROLS_H
#define QX_PLATFORM_CONTROLS_H

#include <map>
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

// A control's caption, for the tables of captions a model starts from.
template <class Id>
struct Caption {
    Id control;
    const char* text;
};

// How a menu item shows that it is on: not at all, by a check mark, or by a radio mark
// that makes it one choice among the radio items next to it.
enum class MenuMark { kNone, kCheck, kRadio };

// What a window shows for one menu item.
struct MenuItem {
    MenuMark mark = MenuMark::kNone;
    bool checked = false;
    bool enabled = true;
};

// The menu items of one window that carry a mark or can be greyed, by command; every
// other command is a plain item that is always enabled.
template <class Command>
class MenuItems {
  public:
    // Adds the item of a command, with its mark.
    MenuItem& Add(Command command, MenuMark mark = MenuMark::kNone) {
        MenuItem& item = items[command];
        item.mark = mark;
        return item;
    }

    // The item of a command that was added.
    MenuItem& operator[](Command command) { return items.at(command); }

    // The item of any command.
    const MenuItem& Get(Command command) const {
        static const MenuItem kPlain;
        const auto found = items.find(command);
        return found == items.end() ? kPlain : found->second;
    }

  private:
    std::map<Command, MenuItem> items;
};

}  // namespace qx

#endif  // QX_PLATFORM_CONTROLS_H
