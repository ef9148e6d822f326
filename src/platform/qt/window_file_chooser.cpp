#include "platform/qt/window_file_chooser.h"

#include "platform/qt/qt_file_chooser.h"

namespace qx {

WindowFileChooser::WindowFileChooser(FileChooser& target, QWidget* owner)
    : files(target), window(owner) {}

std::string WindowFileChooser::ChooseFileToOpen() {
    return OverWindow([this] { return files.ChooseFileToOpen(); });
}

std::string WindowFileChooser::ChooseFileToSave(const std::string& suggestedName) {
    return OverWindow([&] { return files.ChooseFileToSave(suggestedName); });
}

std::string WindowFileChooser::ChooseFileToRead(const std::string& title,
                                                const std::vector<FileKind>& kinds) {
    return OverWindow([&] { return files.ChooseFileToRead(title, kinds); });
}

std::string WindowFileChooser::ChooseFileToWrite(const std::string& title,
                                                 const std::vector<FileKind>& kinds,
                                                 const std::string& suggestedName) {
    return OverWindow([&] { return files.ChooseFileToWrite(title, kinds, suggestedName); });
}

std::string WindowFileChooser::OverWindow(const std::function<std::string()>& dialog) {
    // Other choosers (a test's script) have no windows to place.
    auto* desktop = dynamic_cast<QtFileChooser*>(&files);
    if (!desktop) return dialog();
    const QPointer<QWidget> previous = desktop->ParentWindow();
    desktop->SetParentWindow(window);
    std::string path = dialog();
    desktop->SetParentWindow(previous);
    return path;
}

}  // namespace qx
