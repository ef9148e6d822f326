#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/titled_group_box.h"
#include "test_support/temp_folder.h"

namespace qx {

// The Qt stand-ins of the platform: message boxes, file names for the save dialog and
// the desktop's help pages, without starting any browser.
class PlatformQtTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void warningShowsItsTextCaptionIconAndOkOverItsOwner();
    void questionAnswersWhatTheUserClicked();
    void threeWayQuestionAnswersWhatTheUserClicked();
    void dialogsStartAtHomeWhileTheirFolderIsMissing();
    void saveDialogProposesAFileNameThatStaysInItsFolder();
    void documentDialogsFilterDocumentsAndStartWhereTheLastEnded();
    void otherFilesTakeTheExtensionOfTheChosenKind();
    void helpPagesAreCopiedOutOfTheProgram();
    void helpOpensTheCopiedPageOnTheDesktop();
    void helpFallsBackToItsOwnViewerWithoutADesktop();
    void ownHelpViewerClosesWithEscapeAndCtrlW();
    void desktopRefusesWhatIsNotAHelpPageOrAWebAddress();
    void aGroupTitleTakesItsColourAloneAndPassesItOnToNothing();

  private:
    struct SeenBox {
        QString text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget* parent = nullptr;
    };
    // Reads the next message box that opens, then presses the button given.
    static void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton press);
};

void PlatformQtTest::AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) QFAIL("no message box is shown");
        seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                box->parentWidget()};
        QTest::mouseClick(box->button(press), Qt::LeftButton);
    });
}

void PlatformQtTest::warningShowsItsTextCaptionIconAndOkOverItsOwner() {
    QWidget mainWindow;
    QtMessages messages;
    messages.SetOwnerWindow(MessageOwner::kMainWindow, &mainWindow);
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    messages.Warning("/tmp/a.opt was not found.", "Qualtrixon", MessageOwner::kMainWindow);
    QCOMPARE(seen.text, QString("/tmp/a.opt was not found."));
    QCOMPARE(seen.caption, QString("Qualtrixon"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.parent, &mainWindow);

    // An owner with no window registered gets a box of its own.
    AnswerNextBox(seen, QMessageBox::Ok);
    messages.Warning("caf\xc3\xa9", "Qualtrixon", MessageOwner::kTracker);
    QCOMPARE(seen.text, QString::fromUtf8("caf\xc3\xa9"));
    QCOMPARE(seen.parent, nullptr);
}

void PlatformQtTest::questionAnswersWhatTheUserClicked() {
    QtMessages messages;
    for (const auto press : {QMessageBox::Yes, QMessageBox::No}) {
        SeenBox seen;
        AnswerNextBox(seen, press);
        const bool yes = messages.AskYesNo("Are you sure you want to replace x ?", "Warning",
                                           MessageOwner::kMainWindow);
        QCOMPARE(yes, press == QMessageBox::Yes);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.caption, QString("Warning"));
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

void PlatformQtTest::threeWayQuestionAnswersWhatTheUserClicked() {
    QtMessages messages;
    const std::pair<QMessageBox::StandardButton, Answer> presses[] = {
        {QMessageBox::Yes, Answer::kYes},
        {QMessageBox::No, Answer::kNo},
        {QMessageBox::Cancel, Answer::kCancel}};
    for (const auto& [press, answer] : presses) {
        SeenBox seen;
        AnswerNextBox(seen, press);
        QCOMPARE(
            messages.AskYesNoCancel("Save them first?", "Qualtrixon", MessageOwner::kMainWindow),
            answer);
        QCOMPARE(seen.caption, QString("Qualtrixon"));
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    // Escape is Cancel: nothing is saved and nothing is dropped.
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QCOMPARE(messages.AskYesNoCancel("Save them first?", "Qualtrixon", MessageOwner::kMainWindow),
             Answer::kCancel);
}

void PlatformQtTest::saveDialogProposesAFileNameThatStaysInItsFolder() {
    const struct {
        const char* symbol;
        const char* proposed;
    } cases[] = {
        {"[Stock]", "[Stock]"},
        {"XYZ", "XYZ"},
        {"BRK/B", "BRK_B"},
        {"../up", ".._up"},
        {"..", ""},
        {"", ""},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& c : cases)
        QVERIFY2(QtFileChooser::SafeFileName(c.symbol) == QString::fromUtf8(c.proposed), c.symbol);
}

void PlatformQtTest::documentDialogsFilterDocumentsAndStartWhereTheLastEnded() {
    TempFolder folder;
    const QString start = QString::fromStdString(folder.Path(""));
    QDir(start).mkdir("sub");
    QtFileChooser chooser(start);
    struct Seen {
        QStringList filters, proposed;
        QString suffix, folder;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        bool confirms = false;
    } seen;
    // Reads the next file dialog, then accepts it with name in folder/sub, or cancels.
    const auto answer = [&seen, start](const QString& name) {
        QTimer::singleShot(0, [&seen, start, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) QFAIL("no file dialog is shown");
            seen = {
                dialog->nameFilters(),   dialog->selectedFiles(),
                dialog->defaultSuffix(), QDir(dialog->directory()).absolutePath(),
                dialog->acceptMode(),    !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
            if (name.isEmpty()) return dialog->reject();
            dialog->setDirectory(start + "/sub");
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
    };

    answer("position");
    const std::string saved = chooser.ChooseFileToSave("BRK/B");
    QCOMPARE(QString::fromStdString(saved), QDir(start).absoluteFilePath("sub/position.opt"));
    QCOMPARE(seen.filters, QStringList({"Qualtrixon Files (*.opt)", "All Files (*)"}));
    QCOMPARE(seen.suffix, QString("opt"));
    QCOMPARE(seen.mode, QFileDialog::AcceptSave);
    QVERIFY(seen.confirms);
    QCOMPARE(QFileInfo(seen.proposed.value(0)).fileName(), QString("BRK_B.opt"));
    QCOMPARE(seen.folder, QDir(start).absolutePath());

    answer("");
    QCOMPARE(chooser.ChooseFileToOpen(), std::string());
    QCOMPARE(seen.mode, QFileDialog::AcceptOpen);
    QCOMPARE(seen.folder, QDir(start).absoluteFilePath("sub"));
}

void PlatformQtTest::dialogsStartAtHomeWhileTheirFolderIsMissing() {
    TempFolder folder;
    QtFileChooser chooser(QString::fromStdString(folder.Path("Documents")));
    const std::function<std::string()> dialogs[] = {
        [&] { return chooser.ChooseFileToOpen(); },
        [&] { return chooser.ChooseFileToSave(""); },
        [&] {
            return chooser.ChooseFileToRead("Import", {{"CSV File", "csv"}});
        },
    };
    for (const auto& run : dialogs) {
        QString start, name;
        QTimer::singleShot(0, [&start, &name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) QFAIL("no file dialog is shown");
            start = QDir(dialog->directory()).absolutePath();
            name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            dialog->reject();
        });
        QCOMPARE(run(), std::string());
        QCOMPARE(start, QDir::home().absolutePath());
        QCOMPARE(name, QString());  // no folder name offered as the file to choose
    }
}

void PlatformQtTest::otherFilesTakeTheExtensionOfTheChosenKind() {
    TempFolder folder;
    const QString start = QString::fromStdString(folder.Path(""));
    QtFileChooser chooser(start);
    const std::vector<FileKind> kinds = {{"PNG Picture", "png"}, {"PDF Document", "pdf"}};
    struct Case {
        const char* filter;  // the type the user picks, or none for the first
        const char* name;    // what the user types
        const char* written;
    } cases[] = {
        {nullptr, "graph", "graph.png"},
        {"PDF Document (*.pdf)", "graph", "graph.pdf"},
        {"PDF Document (*.pdf)", "graph.png", "graph.png"},
    };
    for (const Case& c : cases) {
        QStringList filters;
        QTimer::singleShot(0, [&filters, c] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) QFAIL("no file dialog is shown");
            filters = dialog->nameFilters();
            if (c.filter) {  // as the user picks it from the dialog's type list
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                if (!types) QFAIL("the dialog has no type list");
                while (types->currentText() != c.filter &&
                       types->currentIndex() + 1 < types->count())
                    QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->selectFile(c.name);
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::string path = chooser.ChooseFileToWrite("Save Picture", kinds, "graph");
        QCOMPARE(filters, QStringList({"PNG Picture (*.png)", "PDF Document (*.pdf)"}));
        QVERIFY2(QFileInfo(QString::fromStdString(path)).fileName() == QString(c.written),
                 path.c_str());
    }
}

void PlatformQtTest::helpPagesAreCopiedOutOfTheProgram() {
    TempFolder folder;
    const QString target = QString::fromStdString(folder.Path("help"));
    QtDesktop desktop(target);
    QVERIFY(desktop.CopyHelpPages());
    QVERIFY(desktop.CopyHelpPages());  // a second copy replaces the first
    QFile page(target + "/index.html");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.contains("<title>Qualtrixon Help</title>"));
    QVERIFY(QFile::exists(target + "/qualtrixon-48.png"));
    QVERIFY(QtDesktop::DefaultHelpFolder().endsWith("/help"));
}

// Takes the desktop's part for file addresses, so no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT

  public slots:
    void open(const QUrl& url) { urls.append(url); }

  public:
    QList<QUrl> urls;
};

void PlatformQtTest::helpOpensTheCopiedPageOnTheDesktop() {
    TempFolder folder;
    const QString target = QString::fromStdString(folder.Path("help"));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QtDesktop desktop(target);
    const bool opened = desktop.OpenHelp("index.html");
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY(opened);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(target + "/index.html")});
    QVERIFY(QFile::exists(target + "/index.html"));
}

void PlatformQtTest::helpFallsBackToItsOwnViewerWithoutADesktop() {
    if (QGuiApplication::platformName() != "offscreen")
        QSKIP("only the offscreen platform is sure to have no desktop to open the page");
    TempFolder folder;
    QtDesktop desktop(QString::fromStdString(folder.Path("help")));
    QVERIFY(desktop.OpenHelp("index.html"));
    QTextBrowser* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible())
            viewer = browser;
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), QString("Qualtrixon Help"));
    QVERIFY(viewer->toPlainText().contains("Entering a position"));
}

void PlatformQtTest::ownHelpViewerClosesWithEscapeAndCtrlW() {
    if (QGuiApplication::platformName() != "offscreen")
        QSKIP("only the offscreen platform is sure to have no desktop to open the page");
    TempFolder folder;
    QtDesktop desktop(QString::fromStdString(folder.Path("help")));
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
        QVERIFY(desktop.OpenHelp("index.html"));
        QWidget* viewer = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<QTextBrowser*>(window) && window->isVisible()) viewer = window;
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keySequence(viewer, key);
        QVERIFY2(viewer->isHidden(), qPrintable(key.toString()));
    }
}

void PlatformQtTest::desktopRefusesWhatIsNotAHelpPageOrAWebAddress() {
    TempFolder folder;
    QtDesktop desktop(QString::fromStdString(folder.Path("help")));
    for (const char* page : {"", "missing.html", "../help/index.html", "/etc/passwd"})
        QVERIFY2(!desktop.OpenHelp(page), page);
    for (const char* address : {"", "file:///etc/passwd", "javascript:alert(1)", "not an address"})
        QVERIFY2(!desktop.OpenAddress(address), address);
    QCOMPARE(folder.CountEntries(), 0);  // nothing was copied for a refused page
}

// Counts the pixels of widget drawn in color.
static int PixelsIn(QWidget& widget, QColor color) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color;
    return count;
}

void PlatformQtTest::aGroupTitleTakesItsColourAloneAndPassesItOnToNothing() {
    const QColor red(255, 0, 0);
    TitledGroupBox group(QStringLiteral("WWWW"));
    auto* label = new QLabel(QStringLiteral("WWWW"), &group);
    label->move(10, 30);
    group.resize(200, 80);
    QCOMPARE(PixelsIn(group, red), 0);
    group.SetTitleColor(red);
    QVERIFY(PixelsIn(group, red) > 0);
    QCOMPARE(PixelsIn(*label, red), 0);
    QCOMPARE(group.palette().cacheKey(), QApplication::palette().cacheKey());
    group.SetTitleColor(QColor());
    QCOMPARE(PixelsIn(group, red), 0);
}

}  // namespace qx

QTEST_MAIN(qx::PlatformQtTest)
#include "platform_qt_test.moc"
