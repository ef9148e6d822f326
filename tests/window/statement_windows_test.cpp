#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "journal/results_model.h"
#include "journal/window/results_dlg.h"
#include "shell/settings.h"
#include "statement/statement_preview_model.h"
#include "statement/window/statement_preview_dlg.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "tracker/stock.h"
#include "tracker/tran_list.h"

namespace qx {

// The statement preview and the results view: what the keyboard does in them, and that
// they show their model's rows and tables.
class StatementWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void EnterImportsAndEscapeLeavesTheBook();
    void ResultsShowEveryTableOnAPage();
};

namespace {

const std::string kStatement = std::string(QX_STATEMENTS_DIR) + "/ibkr_activity.csv";

// Presses key in the dialog once it runs, then runs it; its result.
int RunWithKey(QDialog& dialog, Qt::Key key) {
    QTimer::singleShot(0, &dialog, [&dialog, key] {
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, key);
    });
    return dialog.exec();
}

}  // namespace

void StatementWindowsTest::EnterImportsAndEscapeLeavesTheBook() {
    TranList book;
    ScriptedFileChooser files;
    RecordingMessages messages;
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        StatementPreviewModel model(book, files, messages);
        QVERIFY(model.Read(kStatement));
        StatementPreviewDlg dialog(model, nullptr);
        auto* table = dialog.findChild<QTableWidget*>();
        QCOMPARE(table->rowCount(), model.RowCount());
        QCOMPARE(table->item(0, 7)->text(), QString("Not a trade (Deposits & Withdrawals)."));
        QVERIFY(dialog.findChild<QDialogButtonBox*>()->buttons().size() == 2);
        const int result = RunWithKey(dialog, key);
        QCOMPARE(result, key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(book.GetCount(), key == Qt::Key_Return ? 15 : 0);
    }
}

void StatementWindowsTest::ResultsShowEveryTableOnAPage() {
    TranList book;
    ScriptedFileChooser files;
    RecordingMessages messages;
    StatementPreviewModel preview(book, files, messages);
    QVERIFY(preview.Read(kStatement));
    preview.Import();
    ResultsModel model(book, Stock(), Settings(), CTime(2026, 4, 1), files, messages);
    ResultsDlg dialog(model, nullptr);
    auto* pages = dialog.findChild<QTabWidget*>();
    QCOMPARE(pages->count(), 4);
    auto* months = qobject_cast<QTableWidget*>(pages->widget(1));
    QCOMPARE(months->rowCount(), 4);  // three months and the total
    QCOMPARE(months->item(3, 0)->text(), QString("Total"));
}

}  // namespace qx

QTEST_MAIN(qx::StatementWindowsTest)
#include "statement_windows_test.moc"
