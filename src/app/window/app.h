#ifndef QX_APP_WINDOW_APP_H
#define QX_APP_WINDOW_APP_H

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/qt_messages.h"
#include "platform/system_clock.h"
#include "shell/settings.h"

namespace qx {

class QtDesktop;
class QtFileChooser;
class SettingsStore;

// The application: starts the platform, loads the settings, runs the main window for
// the whole run and saves the settings when the window ends with OK, and whenever a
// property sheet is confirmed with OK.
class App : public QApplication {
    Q_OBJECT

  public:
    // Starts the platform side: the names the settings store files the values under,
    // and the application icon.
    App(int& argc, char** argv);
    ~App() override;

    // Runs Qualtrixon on the user's own settings store; the process's exit code.
    int Run();

    // Writes the version record, loads the settings from store, runs the main window
    // until it ends, and saves the settings into store when it ended with OK. A
    // document path given opens as soon as the window shows, as File > Open opens it.
    // Returns the window's result (QDialog::Accepted or Rejected).
    int RunMainWindow(SettingsStore& store, const std::string& document = {});

    // The document a file manager hands over as the program's single argument (the
    // program has no options), as an absolute path; empty unless there is exactly one.
    // The arguments are the command line's own bytes, as the file system names files:
    // a name need not be text in the locale's encoding.
    static std::string DocumentArgument(const std::vector<std::string>& arguments);

    // The settings of the run.
    const Settings& GetSettings() const { return settings; }

  private:
    // Writes the settings into store, warning when it cannot keep them.
    void SaveSettings(SettingsStore& store);

    Settings settings;
    QtMessages messages;
    std::unique_ptr<QtDesktop> desktop;
    std::unique_ptr<QtFileChooser> files;
    SystemClock clock;
    std::string document;  // the document argument, when there is one
};

}  // namespace qx

#endif  // QX_APP_WINDOW_APP_H
