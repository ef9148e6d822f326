#ifndef QX_PLATFORM_QT_WINDOW_FILE_CHOOSER_H
#define QX_PLATFORM_QT_WINDOW_FILE_CHOOSER_H

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/file_chooser.h"

namespace qx {

// The file dialogs of one window among several (graph windows): passes each dialog on to
// the program's file chooser, and when that is the desktop's, shows the dialog over this
// window, giving the chooser back its own window afterwards.
class WindowFileChooser : public FileChooser {
  public:
    // Dialogs go to files, over window; both must outlive this object's use.
    WindowFileChooser(FileChooser& files, QWidget* window);

    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave(const std::string& suggestedName) override;
    std::string ChooseFileToRead(const std::string& title,
                                 const std::vector<FileKind>& kinds) override;
    std::string ChooseFileToWrite(const std::string& title, const std::vector<FileKind>& kinds,
                                  const std::string& suggestedName) override;

  private:
    std::string OverWindow(const std::function<std::string()>& dialog);

    FileChooser& files;
    QPointer<QWidget> window;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_WINDOW_FILE_CHOOSER_H
