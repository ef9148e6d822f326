#ifndef QX_PLATFORM_MESSAGES_H
#define QX_PLATFORM_MESSAGES_H

#include <string>

namespace qx {

// The window a message box belongs to; the window layer centres and blocks that one.
enum class MessageOwner { kNone, kMainWindow, kTracker, kGraph, kNotes };

// The button the user pressed to answer a Yes/No/Cancel question; Escape is Cancel.
enum class Answer { kYes, kNo, kCancel };

// The modal message boxes the models show. The window layer implements them with
// real dialogs; tests record what was asked.
class Messages {
  public:
    virtual ~Messages() = default;

    // A warning (exclamation icon) with an OK button.
    virtual void Warning(const std::string& text, const std::string& caption,
                         MessageOwner owner) = 0;

    // A question with a warning icon and Yes/No buttons; true when the user says Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption,
                          MessageOwner owner) = 0;

    // A question with a warning icon and Yes, No and Cancel buttons. Boxes that nobody
    // sees (a benchmark, a fuzzer) answer Cancel, which leaves everything as it was.
    virtual Answer AskYesNoCancel(const std::string& /*text*/, const std::string& /*caption*/,
                                  MessageOwner /*owner*/) {
        return Answer::kCancel;
    }
};

// The caption every message of the program carries unless its definition names another.
inline constexpr const char* kMessageCaption = "Qualtrixon";

}  // namespace qx

#endif  // QX_PLATFORM_MESSAGES_H
