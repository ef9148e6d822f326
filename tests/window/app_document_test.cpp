#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/window/app.h"
#include "editor/editor_model.h"
#include "editor/window/editor_dlg.h"
#include "shell/document.h"
#include "test_support/memory_settings_store.h"
#include "test_support/temp_folder.h"

namespace qx {

namespace {

// Runs the main window on a fresh store with document as the program's argument. Every
// message box shown meanwhile is answered and its text kept in boxes; once the window
// shows with no box over it, inspect sees it and Exit ends it.
void RunWithDocument(const std::string& document, QStringList& boxes,
                     const std::function<void(EditorDlg&)>& inspect) {
    MemorySettingsStore store;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + ": " + box->text();
            return box->done(QMessageBox::Ok);
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<EditorDlg*>(window); editor && editor->isVisible()) {
                poll.stop();
                inspect(*editor);
                return editor->GetMenuAction(EditorCommand::kExit)->trigger();
            }
        }
    });
    poll.start(10);
    static_cast<App*>(QApplication::instance())->RunMainWindow(store, document);
}

QString SymbolShown(EditorDlg& editor) {
    return qobject_cast<QLineEdit*>(editor.GetControlWidget(EditorControl::kSymbol))->text();
}

}  // namespace

// A document handed to the program by the file manager opens at start-up as File > Open
// opens it, with the same messages.
class AppDocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyASingleArgumentNamesADocument();
    void theArgumentOpensInTheMainWindow();
    void aMissingOrForeignArgumentGivesFileOpensMessages();
};

void AppDocumentTest::onlyASingleArgumentNamesADocument() {
    const std::string here = QDir::currentPath().toStdString();
    const struct {
        std::vector<std::string> arguments;
        std::string document;
    } cases[] = {
        {{"qualtrixon"}, ""},
        {{"qualtrixon", "/home/ann/collar.opt"}, "/home/ann/collar.opt"},
        {{"qualtrixon", "collar.opt"}, here + "/collar.opt"},
        // A Latin-1 name, which no UTF-8 text can stand for, keeps its byte.
        {{"qualtrixon", "/home/ann/caf\xE9.opt"}, "/home/ann/caf\xE9.opt"},
        {{"qualtrixon", "a.opt", "b.opt"}, ""},
    };
    for (const auto& c : cases) QCOMPARE(App::DocumentArgument(c.arguments), c.document);
}

void AppDocumentTest::theArgumentOpensInTheMainWindow() {
    TempFolder folder;
    const std::string path = folder.Path("collar.opt");
    {
        const Settings settings;
        Document doc(settings);
        doc.GetStock().SetSymbol("ACME");
        doc.GetStock().SetPrice(42.5);
        QVERIFY(doc.Save(path).IsAccepted());
    }
    QStringList boxes;
    QString symbol;
    std::string opened;
    RunWithDocument(path, boxes, [&](EditorDlg& editor) {
        symbol = SymbolShown(editor);
        opened = editor.GetModel().GetDocument().GetPath();
    });
    QCOMPARE(boxes, QStringList());
    QCOMPARE(symbol, QString("ACME"));
    QCOMPARE(opened, path);
}

void AppDocumentTest::aMissingOrForeignArgumentGivesFileOpensMessages() {
    TempFolder folder;
    const std::string foreign = folder.Path("notes.txt");
    WriteFileBytes(foreign, "\x05hello, not a position");
    const std::string missing = folder.Path("gone.opt");
    const struct {
        std::string path;
        QString message;
    } cases[] = {
        {missing, QString::fromStdString("Qualtrixon: " + missing + " was not found.")},
        {foreign, QString::fromStdString("Qualtrixon: " + foreign + " is not an Qualtrixon file.")},
    };
    for (const auto& c : cases) {
        QStringList boxes;
        QString symbol;
        RunWithDocument(c.path, boxes, [&](EditorDlg& editor) { symbol = SymbolShown(editor); });
        QCOMPARE(boxes, QStringList{c.message});
        QCOMPARE(symbol, QString("[Stock]"));
    }
}

}  // namespace qx

int main(int argc, char** argv) {
    qx::App app(argc, argv);
    qx::AppDocumentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_document_test.moc"
