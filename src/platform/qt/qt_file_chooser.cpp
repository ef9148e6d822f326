#include "platform/qt/qt_file_chooser.h"

#include <QFile>
#include <QFileDialog>

namespace qx {

namespace {

const char* const kDocumentFilter = "Qualtrixon Files (*.opt);;All Files (*)";
const char* const kDocumentExtension = "opt";

}  // namespace

QtFileChooser::QtFileChooser(QString startFolder) : folder(std::move(startFolder)) {}

void QtFileChooser::SetParentWindow(QWidget* window) { parent = window; }

QString QtFileChooser::SafeFileName(const std::string& suggestedName) {
    QString name = QString::fromStdString(suggestedName);
    // A symbol such as "BRK/B" must not send the file into another folder.
    name.replace('/', '_');
    name.replace(QChar(0), '_');
    if (name == "." || name == "..") name.clear();
    return name;
}

std::string QtFileChooser::ChooseFileToOpen() {
    QFileDialog dialog(parent, QStringLiteral("Open"), folder, kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::string QtFileChooser::ChooseFileToSave(const std::string& suggestedName) {
    QFileDialog dialog(parent, QStringLiteral("Save As"), folder, kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(SafeFileName(suggestedName));
    return Run(dialog);
}

std::string QtFileChooser::Run(QFileDialog& dialog) {
    dialog.setDefaultSuffix(kDocumentExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    folder = dialog.directory().absolutePath();
    // The documents open their files through the C library, which takes the name in
    // the file system's encoding.
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace qx
