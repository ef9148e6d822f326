#include "app/window/app.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "editor/window/editor_dlg.h"
#include "platform/qt/qt_settings_store.h"
#include "prefs/window/prop_sheet.h"
#include "test_support/memory_settings_store.h"
#include "test_support/temp_folder.h"

namespace qx {

namespace {

// Runs act on the main window as soon as the application shows it.
void WhenMainWindowShows(std::function<void(EditorDlg&)> act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<EditorDlg*>(window); editor && editor->isVisible())
                return act(*editor);
        QFAIL("the main window is not shown");
    });
}

void Trigger(EditorDlg& editor, EditorCommand command) { editor.GetMenuAction(command)->trigger(); }

}  // namespace

// The application's run: settings loaded before the main window opens, saved only when
// it ends with OK, into a test store.
class AppTest : public QObject {
    Q_OBJECT

  private slots:
    void startsUnderTheNamesTheSettingsStoreUses();
    void settingsAreLoadedBeforeTheMainWindowOpens();
    void exitAndTheCloseBoxSaveTheSettings();
    void escapeKeepsTheStoreAsItWas();
    void settingsConfirmedOnThePropertySheetAreKeptAtOnce();
    void aQSettingsStoreInATemporaryFolderKeepsTheRun();
    void settingsThatCannotBeWrittenAreNamedInAWarning();
    void helpListsEveryShortcutOfTheMenus();

  private:
    App& app() { return *static_cast<App*>(QApplication::instance()); }
};

void AppTest::startsUnderTheNamesTheSettingsStoreUses() {
    QCOMPARE(QApplication::organizationName(), QString("Tallmoor"));
    QCOMPARE(QApplication::applicationName(), QString("Qualtrixon"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(QFile::exists(":/help/index.html"));
}

void AppTest::settingsAreLoadedBeforeTheMainWindowOpens() {
    MemorySettingsStore store;
    store.SetInt("Editor", "Volatility", 30);
    store.SetInt("Editor", "Basic Mode", 0);
    int shownVolatility = 0;
    bool advanced = false;
    WhenMainWindowShows([&](EditorDlg& editor) {
        shownVolatility =
            qobject_cast<QSlider*>(editor.GetControlWidget(EditorControl::kVolatilitySlider))
                ->value();
        advanced = editor.GetMenuAction(EditorCommand::kAdvancedMode)->isChecked();
        Trigger(editor, EditorCommand::kExit);
    });
    app().RunMainWindow(store);
    QCOMPARE(shownVolatility, 30);
    QVERIFY(advanced);
}

void AppTest::exitAndTheCloseBoxSaveTheSettings() {
    const std::function<void(EditorDlg&)> endings[] = {
        [](EditorDlg& editor) { Trigger(editor, EditorCommand::kExit); },
        [](EditorDlg& editor) { editor.close(); },
    };
    for (const auto& end : endings) {
        MemorySettingsStore store;
        WhenMainWindowShows([&](EditorDlg& editor) {
            Trigger(editor, EditorCommand::kIncludeFees);
            Trigger(editor, EditorCommand::kAmericanRule);
            end(editor);
        });
        QCOMPARE(app().RunMainWindow(store), int(QDialog::Accepted));
        QCOMPARE(store.GetInt("Editor", "Include Fees", -1), 1);
        QCOMPARE(store.GetInt("Editor", "European Rule", -1), 0);
        // Every value is written, the untouched defaults as well.
        QCOMPARE(store.GetText("Editor", "Stock Fees", "none"), std::string("25.00"));
        QCOMPARE(store.GetInt("Tracker", "Column Width 9", -1), 78);
        QCOMPARE(store.GetText("Global", "Version", ""), std::string("1.04"));
    }
}

void AppTest::escapeKeepsTheStoreAsItWas() {
    MemorySettingsStore store;
    store.SetInt("Editor", "Include Fees", 0);
    WhenMainWindowShows([](EditorDlg& editor) {
        Trigger(editor, EditorCommand::kIncludeFees);
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
    QCOMPARE(app().RunMainWindow(store), int(QDialog::Rejected));
    QCOMPARE(store.GetInt("Editor", "Include Fees", -1), 0);
    QVERIFY(!store.Contains("Editor", "European Rule"));
    // Besides the test's own value, only the version record's changed text was written.
    QCOMPARE(store.GetText("Global", "Version", ""), std::string("1.04"));
    QCOMPARE(store.GetSize(), size_t(2));
}

void AppTest::settingsConfirmedOnThePropertySheetAreKeptAtOnce() {
    MemorySettingsStore store;
    store.SetInt("Editor", "Include Fees", 0);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (auto* sheet = qobject_cast<PropSheet*>(QApplication::activeModalWidget()))
            sheet->accept();
    });
    watch.start(10);
    WhenMainWindowShows([](EditorDlg& editor) {
        Trigger(editor, EditorCommand::kIncludeFees);
        Trigger(editor, EditorCommand::kProperties);
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
    QCOMPARE(app().RunMainWindow(store), int(QDialog::Rejected));
    QCOMPARE(store.GetInt("Editor", "Include Fees", -1), 1);
}

void AppTest::aQSettingsStoreInATemporaryFolderKeepsTheRun() {
    TempFolder folder;
    const std::string ini = folder.Path("Qualtrixon.conf");
    {
        QtSettingsStore store(ini);
        WhenMainWindowShows([](EditorDlg& editor) {
            Trigger(editor, EditorCommand::kDividend);
            Trigger(editor, EditorCommand::kExit);
        });
        app().RunMainWindow(store);
    }
    QtSettingsStore reread(ini);
    QCOMPARE(reread.GetInt("Editor", "Include Dividend", -1), 1);
    QCOMPARE(reread.GetInt("Editor", "Volatility", -1), 15);
}

void AppTest::settingsThatCannotBeWrittenAreNamedInAWarning() {
    TempFolder folder;
    WriteFileBytes(folder.Path("blocked"), "a file where the settings folder should be");
    const std::string ini = folder.Path("blocked/Qualtrixon.conf");
    QtSettingsStore store(ini);
    // Answers the warning shown once the main window has ended.
    QTimer watch;
    QString text, caption;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        caption = box->windowTitle();
        box->accept();
    });
    watch.start(10);
    WhenMainWindowShows([](EditorDlg& editor) { Trigger(editor, EditorCommand::kExit); });
    QCOMPARE(app().RunMainWindow(store), int(QDialog::Accepted));
    QCOMPARE(caption, QString("Qualtrixon"));
    QCOMPARE(text, "The settings could not be saved to " + QString::fromStdString(ini) + ".");
}

void AppTest::helpListsEveryShortcutOfTheMenus() {
    QStringList keys;
    MemorySettingsStore store;
    WhenMainWindowShows([&keys](EditorDlg& editor) {
        for (const QAction* action : editor.findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts()) keys << key.toString();
        Trigger(editor, EditorCommand::kExit);
    });
    app().RunMainWindow(store);
    QFile page(":/help/index.html");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    const QString section = html.mid(html.indexOf("id=\"keys\""));
    QVERIFY(keys.contains("Ctrl+Q"));
    for (const QString& key : keys)
        QVERIFY2(section.contains("<kbd>" + key + "</kbd>"), qPrintable(key));
}

}  // namespace qx

int main(int argc, char** argv) {
    qx::App app(argc, argv);
    qx::AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
