#ifndef QX_CLI_COMMAND_DOCUMENT_H
#define QX_CLI_COMMAND_DOCUMENT_H

#include <ostream>
#include <string>

#include "cli/stream_messages.h"
#include "shell/document.h"

namespace qx {

class Settings;

// A document a command reads. What the window would show in a message box (a file that
// will not open, a damaged document) goes to the command's error stream in the same
// words.
class CommandDocument {
  public:
    CommandDocument(const Settings& settings, std::ostream& err);

    // Reads the document at path; false, with the reason on the error stream, unless the
    // whole document was read.
    bool Open(const std::string& path);

    const Document& Get() const { return document; }
    // The messages of whatever the command does with the document, written alike.
    Messages& GetMessages() { return messages; }
    // The option records of the document in slot order.
    const Option (&Options() const)[kOptionSlots] { return options; }

  private:
    StreamMessages messages;
    Document document;
    Option options[kOptionSlots];
};

}  // namespace qx

#endif  // QX_CLI_COMMAND_DOCUMENT_H
