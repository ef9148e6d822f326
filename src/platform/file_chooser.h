#ifndef QX_PLATFORM_FILE_CHOOSER_H
#define QX_PLATFORM_FILE_CHOOSER_H

#include <string>
#include <vector>

namespace qx {

// A kind of file other than a document, as a file dialog offers it: its name in the
// dialog's type list ("PNG Picture") and its extension without the dot ("png").
struct FileKind {
    std::string name;
    std::string extension;
};

// The file dialogs of the program. The window layer shows real dialogs; tests answer
// with paths of their own.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // The document the user chose to open, or an empty text when the user cancelled.
    virtual std::string ChooseFileToOpen() = 0;

    // Where the user chose to save the document, proposing suggestedName; an existing
    // file has already been confirmed for replacing. Empty when the user cancelled.
    virtual std::string ChooseFileToSave(const std::string& suggestedName) = 0;

    // A file of one of kinds for the program to read, under the dialog caption title;
    // empty when the user cancelled.
    virtual std::string ChooseFileToRead(const std::string& title,
                                         const std::vector<FileKind>& kinds) = 0;

    // Where the user chose to write a file of one of kinds, proposing suggestedName; a
    // typed name without extension receives the extension of the kind chosen in the
    // dialog, and an existing file has already been confirmed for replacing. Empty
    // when the user cancelled.
    virtual std::string ChooseFileToWrite(const std::string& title,
                                          const std::vector<FileKind>& kinds,
                                          const std::string& suggestedName) = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_FILE_CHOOSER_H
