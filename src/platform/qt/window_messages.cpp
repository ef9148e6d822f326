#include "platform/qt/window_messages.h"

#include <QApplication>

#include "platform/qt/qt_messages.h"

namespace qx {

WindowMessages::WindowMessages(Messages& target, QWidget* over, MessageOwner owner)
    : messages(target), window(over), windowOwner(owner) {}

void WindowMessages::Warning(const std::string& text, const std::string& caption,
                             MessageOwner owner) {
    PlaceOver(owner);
    messages.Warning(text, caption, owner);
}

bool WindowMessages::AskYesNo(const std::string& text, const std::string& caption,
                              MessageOwner owner) {
    PlaceOver(owner);
    return messages.AskYesNo(text, caption, owner);
}

void WindowMessages::PlaceOver(MessageOwner owner) {
    // Other messages (a test's record) have no windows to place.
    auto* boxes = dynamic_cast<QtMessages*>(&messages);
    if (!boxes || owner != windowOwner) return;
    QWidget* over = window && window->isVisible() ? window.data() : QApplication::activeWindow();
    boxes->SetOwnerWindow(owner, over);
}

}  // namespace qx
