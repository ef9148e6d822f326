#include "platform/qt/menu_binding.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace qx {

MenuBinding::MenuBinding(std::function<void(int command)> runCommand, ItemOf items, QObject* parent)
    : QObject(parent), run(std::move(runCommand)), itemOf(std::move(items)) {}

void MenuBinding::Build(QMenuBar* bar, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (entry.entries.empty())
            AddItem(bar, entry);
        else
            AddEntries(bar->addMenu(QString::fromUtf8(entry.text)), entry.entries);
    }
}

void MenuBinding::AddEntries(QMenu* menu, const std::vector<Entry>& entries) {
    QActionGroup* choice = nullptr;  // the radio items just before, as one choice
    for (const Entry& entry : entries) {
        QAction* action = nullptr;
        if (!entry.text)
            menu->addSeparator();
        else if (!entry.entries.empty())
            AddEntries(menu->addMenu(QString::fromUtf8(entry.text)), entry.entries);
        else
            action = AddItem(menu, entry);
        if (!action || itemOf(entry.command.Index()).mark != MenuMark::kRadio) {
            choice = nullptr;
            continue;
        }
        if (!choice) choice = new QActionGroup(menu);
        choice->addAction(action);
    }
}

QAction* MenuBinding::AddItem(QWidget* menu, const Entry& entry) {
    auto* action = new QAction(QString::fromUtf8(entry.text), menu);
    menu->addAction(action);
    if (!entry.key.isEmpty()) action->setShortcut(entry.key);
    const int command = entry.command.Index();
    action->setCheckable(itemOf(command).mark != MenuMark::kNone);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    actions[command] = action;
    return action;
}

QAction* MenuBinding::Action(ModelId command) const {
    const auto found = actions.find(command.Index());
    return found == actions.end() ? nullptr : found->second;
}

void MenuBinding::Mirror() {
    for (const auto& [command, action] : actions) {
        const MenuItem& item = itemOf(command);
        if (action->isCheckable() && action->isChecked() != item.checked)
            action->setChecked(item.checked);
        if (action->isEnabled() != item.enabled) action->setEnabled(item.enabled);
    }
}

}  // namespace qx
