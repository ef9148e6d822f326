#ifndef QX_PLATFORM_QT_WINDOW_MESSAGES_H
#define QX_PLATFORM_QT_WINDOW_MESSAGES_H

#include <QPointer>
#include <QWidget>

#include "platform/messages.h"

namespace qx {

// The message boxes of one window among several of a kind (graph windows): passes each
// box on to the program's messages, and when those are the desktop's boxes, puts the
// boxes of the window's owner over this window. Until the window is shown, they go over
// the window the user is working in, which is the one that asked for this window. Boxes
// of other owners go where they would go anyway.
class WindowMessages : public Messages {
  public:
    // Boxes go to messages, those of owner over window; both must outlive this object's
    // use.
    WindowMessages(Messages& messages, QWidget* window, MessageOwner owner);

    void Warning(const std::string& text, const std::string& caption, MessageOwner owner) override;
    bool AskYesNo(const std::string& text, const std::string& caption, MessageOwner owner) override;

  private:
    void PlaceOver(MessageOwner owner);

    Messages& messages;
    QPointer<QWidget> window;
    MessageOwner windowOwner;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_WINDOW_MESSAGES_H
