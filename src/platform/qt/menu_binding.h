#ifndef QX_PLATFORM_QT_MENU_BINDING_H
#define QX_PLATFORM_QT_MENU_BINDING_H

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/controls.h"

namespace qx {

// A window's menu bar bound to the menu items of its model by Command, the model's
// command enum. Choosing an item runs the window's command; the model's items say which
// carry a check or radio mark (radio items next to each other make one choice) and,
// through Mirror, which are checked and which greyed.
template <class Command>
class MenuBinding : public QObject {
  public:
    // One entry of a menu: an item with its command and shortcut, a separator, or a menu
    // of its own. On the bar itself, an item is a command of the bar and a menu is a
    // pulldown.
    struct Entry {
        // A separator.
        Entry() = default;
        // An item with its shortcut, if any.
        Entry(const char* text, Command command, QKeySequence key = {})
            : text(text), command(command), key(std::move(key)) {}
        // An item whose shortcut is written out ("Ctrl+N"): the same on every desktop.
        Entry(const char* text, Command command, const char* key)
            : Entry(text, command, QKeySequence(QString::fromLatin1(key))) {}
        // A menu of the entries.
        Entry(const char* text, std::vector<Entry> entries)
            : text(text), entries(std::move(entries)) {}

        const char* text = nullptr;
        Command command = {};  // an item's; none for a menu or a separator
        QKeySequence key;
        std::vector<Entry> entries;
    };

    // Runs the window's run member with the command of every item chosen; the items are
    // as the model's GetMenuItem says. The model must outlive the binding.
    template <class Model, class Window>
    MenuBinding(const Model& model, Window* window, void (Window::*run)(Command command))
        : QObject(window),
          run([window, run](Command command) { (window->*run)(command); }),
          itemOf([&model](Command command) -> const MenuItem& {
              return model.GetMenuItem(command);
          }) {}

    // A menu bar for window with the entries, each item with its mark.
    QMenuBar* Build(const std::vector<Entry>& entries, QWidget* window) {
        auto* bar = new QMenuBar(window);
        for (const Entry& entry : entries) {
            if (entry.entries.empty())
                AddItem(bar, entry);
            else
                AddEntries(bar->addMenu(QString::fromUtf8(entry.text)), entry.entries);
        }
        return bar;
    }

    // The item of a command, or null when the menus have none.
    QAction* Action(Command command) const {
        const auto found = actions.find(command);
        return found == actions.end() ? nullptr : found->second;
    }

    // Copies every item's check mark and enabled state from the model.
    void Mirror() {
        for (const auto& [command, action] : actions) {
            const MenuItem& item = itemOf(command);
            if (action->isCheckable() && action->isChecked() != item.checked)
                action->setChecked(item.checked);
            if (action->isEnabled() != item.enabled) action->setEnabled(item.enabled);
        }
    }

  private:
    QAction* AddItem(QWidget* menu, const Entry& entry) {
        auto* action = new QAction(QString::fromUtf8(entry.text), menu);
        menu->addAction(action);
        if (!entry.key.isEmpty()) action->setShortcut(entry.key);
        const Command command = entry.command;
        action->setCheckable(itemOf(command).mark != MenuMark::kNone);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        actions[command] = action;
        return action;
    }

    void AddEntries(QMenu* menu, const std::vector<Entry>& entries) {
        QActionGroup* choice = nullptr;  // the radio items just before, as one choice
        for (const Entry& entry : entries) {
            QAction* action = nullptr;
            if (!entry.text)
                menu->addSeparator();
            else if (!entry.entries.empty())
                AddEntries(menu->addMenu(QString::fromUtf8(entry.text)), entry.entries);
            else
                action = AddItem(menu, entry);
            if (!action || itemOf(entry.command).mark != MenuMark::kRadio) {
                choice = nullptr;
                continue;
            }
            if (!choice) choice = new QActionGroup(menu);
            choice->addAction(action);
        }
    }

    std::function<void(Command command)> run;
    std::function<const MenuItem&(Command command)> itemOf;
    std::map<Command, QAction*> actions;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_MENU_BINDING_H
