#include "app/window/app.h"

#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <filesystem>
#include <functional>
#include <system_error>

#include "editor/window/editor_dlg.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_settings_store.h"
#include "prefs/window/prop_sheet.h"

namespace qx {

namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/qualtrixon-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Shows the main window, runs shown, and dispatches events until the window ends; its
// result. Other windows (notes, tracker, graphs) stay usable beside it, as they are not
// its children.
int RunUntilEnded(QDialog& window, const std::function<void()>& shown) {
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::exit);
    window.show();
    shown();
    return loop.exec();
}

}  // namespace

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    // No sockets layer to start on this platform: nothing uses the network.
    // Dialog controls are drawn by the platform's style; there is no 3-D look to enable.
    setOrganizationName(QStringLiteral("Tallmoor"));
    setApplicationName(QStringLiteral("Qualtrixon"));
    setApplicationVersion(QString::fromLatin1(Settings::kVersion));
    setWindowIcon(ApplicationIcon());
    // The run ends when the main window ends, not when its last window closes.
    setQuitOnLastWindowClosed(false);
    desktop = std::make_unique<QtDesktop>(QtDesktop::DefaultHelpFolder());
    files = std::make_unique<QtFileChooser>(QDir::homePath());
    // Taken before the locale turns the bytes into text; QApplication has removed its
    // own options from argc and argv by now.
    document = DocumentArgument(std::vector<std::string>(argv, argv + argc));
}

App::~App() = default;

int App::Run() {
    QtSettingsStore store;
    RunMainWindow(store, document);
    return 0;
}

std::string App::DocumentArgument(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) return {};
    std::error_code failed;
    const std::filesystem::path path = std::filesystem::absolute(arguments[1], failed);
    return failed ? std::string() : path.string();
}

int App::RunMainWindow(SettingsStore& store, const std::string& document) {
    settings.WriteVersionRecord(store);
    settings.Load(store);
    EditorDlg editor(settings, messages, *desktop, *files, clock);
    messages.SetOwnerWindow(MessageOwner::kMainWindow, &editor);
    files->SetParentWindow(&editor);
    // Settings confirmed on a property sheet are kept at once, whichever window ran it,
    // and the main window shows them; leaving later with Escape cannot lose them.
    PropSheet::SetAcceptedHandler([&] {
        SaveSettings(store);
        editor.ApplySettings();
    });
    const int result = RunUntilEnded(editor, [&] {
        if (!document.empty()) editor.OpenDocument(document);
    });
    PropSheet::SetAcceptedHandler(nullptr);
    if (result == QDialog::Accepted) SaveSettings(store);
    return result;
}

void App::SaveSettings(SettingsStore& store) {
    const Outcome saved = settings.Save(store);
    if (!saved.IsAccepted())
        messages.Warning(saved.GetReason(), kMessageCaption, MessageOwner::kNone);
}

}  // namespace qx
