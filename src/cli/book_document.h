#ifndef QX_CLI_BOOK_DOCUMENT_H
#define QX_CLI_BOOK_DOCUMENT_H

#include <string>

namespace qx {

class Document;
class Messages;
class Settings;

// Opens the document at path for a command, with its environment taken over into
// settings as the window takes it. A missing file is a new document when createMissing
// is set; otherwise, and for a file that is damaged or no document, messages are told
// why and the result is false.
bool OpenBookDocument(const std::string& path, bool createMissing, Document& document,
                      Settings& settings, Messages& messages);

}  // namespace qx

#endif  // QX_CLI_BOOK_DOCUMENT_H
