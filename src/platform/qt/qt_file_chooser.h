#ifndef QX_PLATFORM_QT_QT_FILE_CHOOSER_H
#define QX_PLATFORM_QT_QT_FILE_CHOOSER_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/file_chooser.h"

class QFileDialog;

namespace qx {

// The file dialogs as QFileDialog. The document dialogs are filtered to the extension
// "opt", the others to the kinds asked for; a typed name without extension receives
// the extension of the type chosen. Each dialog starts in the folder the previous one
// ended in, with no file name unless one is proposed.
class QtFileChooser : public FileChooser {
  public:
    // Starts in folder, or in the home folder while folder does not exist; the dialogs
    // appear over the window given later.
    explicit QtFileChooser(QString folder);

    // Centres the dialogs over window and blocks it while they run.
    void SetParentWindow(QWidget* window);
    // The window the dialogs appear over, or null.
    QWidget* ParentWindow() const { return parent; }

    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave(const std::string& suggestedName) override;
    std::string ChooseFileToRead(const std::string& title,
                                 const std::vector<FileKind>& kinds) override;
    std::string ChooseFileToWrite(const std::string& title, const std::vector<FileKind>& kinds,
                                  const std::string& suggestedName) override;

    // The name proposed for saving: suggestedName with the characters a file name on
    // this system cannot hold replaced by "_".
    static QString SafeFileName(const std::string& suggestedName);

  private:
    QString StartFolder() const;
    std::string Run(QFileDialog& dialog, const QString& defaultSuffix);
    std::string RunForKinds(QFileDialog& dialog, const std::vector<FileKind>& kinds);

    QPointer<QWidget> parent;
    QString folder;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_FILE_CHOOSER_H
