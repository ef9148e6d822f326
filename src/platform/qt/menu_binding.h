#ifndef QX_PLATFORM_QT_MENU_BINDING_H
#define QX_PLATFORM_QT_MENU_BINDING_H

#include <QKeySequence>
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/model_id.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace qx {

// A window's menu bar bound to the menu items of its model by command. Choosing an item
// runs the window's command; the model's items say which carry a check or radio mark
// (radio items next to each other make one choice) and, through Mirror, which are
// checked and which greyed.
class MenuBinding : public QObject {
  public:
    // One entry of a menu: an item with its command and shortcut, a separator (no
    // text), or a menu of its own (entries given). On the bar itself, an item is a
    // command of the bar and a menu is a pulldown.
    struct Entry {
        const char* text = nullptr;
        ModelId command = 0;
        QKeySequence key = {};
        std::vector<Entry> entries = {};
    };

    // The state of the item of a command, as the model holds it.
    using ItemOf = std::function<const MenuItem&(int command)>;

    // Calls run with the command of every item chosen; the items are as itemOf says.
    MenuBinding(std::function<void(int command)> run, ItemOf itemOf, QObject* parent);

    // The item states of a model whose GetMenuItem takes Command.
    template <class Command, class Model>
    static ItemOf ItemsOf(const Model& model) {
        return [&model](int command) -> const MenuItem& {
            return model.GetMenuItem(static_cast<Command>(command));
        };
    }

    // Adds the entries to the bar, each item with its mark.
    void Build(QMenuBar* bar, const std::vector<Entry>& entries);

    // The item of a command, or null when the menus have none.
    QAction* Action(ModelId command) const;

    // Copies every item's check mark and enabled state from the model.
    void Mirror();

  private:
    QAction* AddItem(QWidget* menu, const Entry& entry);
    void AddEntries(QMenu* menu, const std::vector<Entry>& entries);

    std::function<void(int command)> run;
    ItemOf itemOf;
    std::map<int, QAction*> actions;  // by command
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_MENU_BINDING_H
