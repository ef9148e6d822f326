#include "platform/qt/qt_file_chooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace qx {

namespace {

const char* const kDocumentFilter = "Qualtrixon Files (*.opt);;All Files (*)";
const char* const kDocumentExtension = "opt";

// The dialog's type list for kinds, one entry each, in their order.
QStringList KindFilters(const std::vector<FileKind>& kinds) {
    QStringList filters;
    for (const FileKind& kind : kinds)
        filters << QStringLiteral("%1 (*.%2)")
                       .arg(QString::fromStdString(kind.name),
                            QString::fromStdString(kind.extension));
    return filters;
}

}  // namespace

QtFileChooser::QtFileChooser(QString startFolder) : folder(std::move(startFolder)) {}

void QtFileChooser::SetParentWindow(QWidget* window) { parent = window; }

// A folder that is not there would reach the dialog as a file name to choose, with
// the dialog's button greyed; the home folder always exists.
QString QtFileChooser::StartFolder() const {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString QtFileChooser::SafeFileName(const std::string& suggestedName) {
    QString name = QString::fromStdString(suggestedName);
    // A symbol such as "BRK/B" must not send the file into another folder.
    name.replace('/', '_');
    name.replace(QChar(0), '_');
    if (name == "." || name == "..") name.clear();
    return name;
}

std::string QtFileChooser::ChooseFileToOpen() {
    QFileDialog dialog(parent, QStringLiteral("Open"), StartFolder(), kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog, kDocumentExtension);
}

std::string QtFileChooser::ChooseFileToSave(const std::string& suggestedName) {
    QFileDialog dialog(parent, QStringLiteral("Save As"), StartFolder(), kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(SafeFileName(suggestedName));
    return Run(dialog, kDocumentExtension);
}

std::string QtFileChooser::ChooseFileToRead(const std::string& title,
                                            const std::vector<FileKind>& kinds) {
    QFileDialog dialog(parent, QString::fromStdString(title), StartFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunForKinds(dialog, kinds);
}

std::string QtFileChooser::ChooseFileToWrite(const std::string& title,
                                             const std::vector<FileKind>& kinds,
                                             const std::string& suggestedName) {
    QFileDialog dialog(parent, QString::fromStdString(title), StartFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(SafeFileName(suggestedName));
    return RunForKinds(dialog, kinds);
}

std::string QtFileChooser::RunForKinds(QFileDialog& dialog, const std::vector<FileKind>& kinds) {
    const QStringList filters = KindFilters(kinds);
    dialog.setNameFilters(filters);
    // The extension a bare typed name receives follows the type the user picks.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &kinds, filters](const QString& filter) {
            const auto index = filters.indexOf(filter);
            if (index >= 0) dialog.setDefaultSuffix(QString::fromStdString(kinds[index].extension));
        });
    const QString first = kinds.empty() ? QString() : QString::fromStdString(kinds[0].extension);
    return Run(dialog, first);
}

std::string QtFileChooser::Run(QFileDialog& dialog, const QString& defaultSuffix) {
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    folder = dialog.directory().absolutePath();
    // The program opens its files through the C library, which takes the name in the
    // file system's encoding.
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace qx
