#ifndef QX_TEST_SUPPORT_RECORDING_MESSAGES_H
#define QX_TEST_SUPPORT_RECORDING_MESSAGES_H

#include <string>
#include <vector>

#include "platform/messages.h"

namespace qx {

// Remembers every message box a model showed, and answers questions as told.
class RecordingMessages : public Messages {
  public:
    struct Shown {
        bool question;
        std::string text;
        std::string caption;
        MessageOwner owner;
    };

    void Warning(const std::string& text, const std::string& caption, MessageOwner owner) override {
        shown.push_back({false, text, caption, owner});
    }

    bool AskYesNo(const std::string& text, const std::string& caption,
                  MessageOwner owner) override {
        shown.push_back({true, text, caption, owner});
        return answer;
    }

    Answer AskYesNoCancel(const std::string& text, const std::string& caption,
                          MessageOwner owner) override {
        shown.push_back({true, text, caption, owner});
        return threeWayAnswer;
    }

    // The text of the last box shown, or empty when none was.
    std::string LastText() const { return shown.empty() ? "" : shown.back().text; }

    std::vector<Shown> shown;
    bool answer = true;                   // what AskYesNo replies
    Answer threeWayAnswer = Answer::kNo;  // what AskYesNoCancel replies
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_RECORDING_MESSAGES_H
