#ifndef QX_PLATFORM_QT_QT_MESSAGES_H
#define QX_PLATFORM_QT_QT_MESSAGES_H

#include <QPointer>
#include <QWidget>
#include <array>

#include "platform/messages.h"

namespace qx {

// Message boxes as modal QMessageBox dialogs, each over the window of its owner.
class QtMessages : public Messages {
  public:
    // Makes window the parent of the boxes shown for owner; a null window forgets it.
    void SetOwnerWindow(MessageOwner owner, QWidget* window);

    void Warning(const std::string& text, const std::string& caption, MessageOwner owner) override;
    bool AskYesNo(const std::string& text, const std::string& caption, MessageOwner owner) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& caption,
                          MessageOwner owner) override;

  private:
    QWidget* OwnerWindow(MessageOwner owner) const;

    // One slot per MessageOwner value; a window that is destroyed empties its slot.
    std::array<QPointer<QWidget>, 5> windows;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_MESSAGES_H
