#ifndef QX_TEST_SUPPORT_MAIN_WINDOW_TEST_H
#define QX_TEST_SUPPORT_MAIN_WINDOW_TEST_H

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <memory>

#include "editor/window/editor_dlg.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "test_support/time_zone.h"

namespace qx {

// What the QtTest classes of the main window and the windows it opens share: fresh
// settings, recording stand-ins and a stopped clock, in New York's time zone, and the
// main window over them, shown and active.
class MainWindowTest : public QObject {
  protected:
    // Opens the main window on fresh parts; a test's init() calls it first.
    void OpenEditor() {
        zone = std::make_unique<ScopedTimeZone>("EST5EDT,M4.1.0,M10.5.0");
        settings = Settings();
        messages = RecordingMessages();
        desktop = RecordingDesktop();
        files = ScriptedFileChooser();
        clock = StoppedClock();
        editor = std::make_unique<EditorDlg>(settings, messages, desktop, files, clock);
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    }

    // Closes the main window and deletes the graph windows the test opened, which are
    // top-level and delete themselves once closed; a test's cleanup() calls it.
    void CloseEditor() {
        editor.reset();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zone.reset();
    }

    std::unique_ptr<ScopedTimeZone> zone;
    Settings settings;
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    StoppedClock clock;
    std::unique_ptr<EditorDlg> editor;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_MAIN_WINDOW_TEST_H
