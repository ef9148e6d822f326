#ifndef QX_PLATFORM_QT_QT_FILE_CHOOSER_H
#define QX_PLATFORM_QT_QT_FILE_CHOOSER_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/file_chooser.h"

class QFileDialog;

namespace qx {

// The document file dialogs as QFileDialog, filtered to documents with the extension
// "opt", which a typed name without extension receives. Each dialog starts in the
// folder the previous one ended in.
class QtFileChooser : public FileChooser {
  public:
    // Starts in folder; the dialogs appear over the window given later.
    explicit QtFileChooser(QString folder);

    // Centres the dialogs over window and blocks it while they run.
    void SetParentWindow(QWidget* window);

    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave(const std::string& suggestedName) override;

    // The name proposed for saving: suggestedName with the characters a file name on
    // this system cannot hold replaced by "_".
    static QString SafeFileName(const std::string& suggestedName);

  private:
    std::string Run(QFileDialog& dialog);

    QPointer<QWidget> parent;
    QString folder;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_FILE_CHOOSER_H
