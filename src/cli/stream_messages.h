#ifndef QX_CLI_STREAM_MESSAGES_H
#define QX_CLI_STREAM_MESSAGES_H

#include <ostream>
#include <string>

#include "platform/messages.h"

namespace qx {

// The message boxes of the core as lines on a stream: a command has no one to ask, so
// every question is answered No (or Cancel), which leaves everything as it was.
class StreamMessages : public Messages {
  public:
    explicit StreamMessages(std::ostream& stream) : stream(stream) {}

    void Warning(const std::string& text, const std::string&, MessageOwner) override { Line(text); }
    bool AskYesNo(const std::string& text, const std::string&, MessageOwner) override {
        Line(text);
        return false;
    }
    // Whether a warning was written.
    bool Warned() const { return warned; }

    // "qualtrixon: " and the text on one line.
    static std::string OneLine(std::string text) {
        for (char& c : text)
            if (c == '\n' || c == '\r') c = ' ';
        return text;
    }

  private:
    void Line(const std::string& text) {
        stream << "qualtrixon: " << OneLine(text) << "\n";
        warned = true;
    }

    std::ostream& stream;
    bool warned = false;
};

}  // namespace qx

#endif  // QX_CLI_STREAM_MESSAGES_H
