#ifndef QX_PLATFORM_FILE_CHOOSER_H
#define QX_PLATFORM_FILE_CHOOSER_H

#include <string>

namespace qx {

// The file dialogs of the document commands. The window layer shows real dialogs;
// tests answer with paths of their own.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // The document the user chose to open, or an empty text when the user cancelled.
    virtual std::string ChooseFileToOpen() = 0;

    // Where the user chose to save the document, proposing suggestedName; an existing
    // file has already been confirmed for replacing. Empty when the user cancelled.
    virtual std::string ChooseFileToSave(const std::string& suggestedName) = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_FILE_CHOOSER_H
