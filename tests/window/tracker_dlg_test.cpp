#include "tracker/window/tracker_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "editor/editor_model.h"
#include "editor/window/editor_dlg.h"
#include "graph/graph_window_model.h"
#include "graph/window/graph_dlg.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/main_window_test.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_list.h"
#include "tracker/window/tracker_list_ctrl.h"

namespace qx {

using C = TrackerControl;

// The tracker driven through its widgets as a user drives it, over the document of a
// real main window.
class TrackerDlgTest : public MainWindowTest {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void recordChangeAndDeleteThroughTheWidgets();
    void viewSwitchListsThePositions();
    void enterInTheFormRecords();
    void unitsAreReadAsTypedAndLabelsNameTheirBoxes();
    void draggedColumnWidthsGoIntoTheSettings();
    void trackerCommandCreatesOnceAndTheCloseBoxesHideOrDestroy();
    void editorRowsAndNewDocumentsRefreshTheTracker();
    void graphOpensAGraphWindowOnTheOpenPositions();

  private:
    TrackerDlg& Tracker();
    QWidget* W(C control) { return Tracker().GetControlWidget(control); }
    void Click(C control);
    void Type(C control, const QString& text);
    void ChooseEntry(int entry);
    void EnterTrade(int entry, C action, C side, const QString& units, const QString& price);
    QString Cell(int row, int column) {
        return Tracker().GetList()->model()->index(row, column).data().toString();
    }
    void EnterUnderlyingPrice();
    void FillEditorRow();
    void Activate(QWidget* window);
    void VerifyWindowMirrorsModel();
};

void TrackerDlgTest::init() {
    OpenEditor();
    EnterUnderlyingPrice();
}

void TrackerDlgTest::cleanup() { CloseEditor(); }

TrackerDlg& TrackerDlgTest::Tracker() {
    if (!editor->GetTrackerWindow()) {
        editor->GetMenuAction(EditorCommand::kTracker)->trigger();
        Activate(editor->GetTrackerWindow());
    }
    return *editor->GetTrackerWindow();
}

void TrackerDlgTest::EnterUnderlyingPrice() {
    auto* price = qobject_cast<QLineEdit*>(editor->GetControlWidget(EditorControl::kPrice));
    price->setFocus();
    QTest::keyClicks(price, "47.3");
    QTest::keyClick(price, Qt::Key_Return);
}

void TrackerDlgTest::Click(C control) {
    QWidget* button = W(control);
    QVERIFY2(button->isVisible() && button->isEnabled(),
             qPrintable(QString("control %1 cannot be clicked").arg(int(control))));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the box's text by typing, then leaves it with Tab.
void TrackerDlgTest::Type(C control, const QString& text) {
    QWidget* box = W(control);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

void TrackerDlgTest::ChooseEntry(int entry) {
    auto* entries = qobject_cast<QListWidget*>(W(C::kEntryList));
    const QRect place = entries->visualItemRect(entries->item(entry));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, place.center());
}

// Fills the form for a trade in the entry: opening or closing, the side, units and price.
void TrackerDlgTest::EnterTrade(int entry, C action, C side, const QString& units,
                                const QString& price) {
    ChooseEntry(entry);
    Click(action);
    Click(side);
    Type(C::kUnits, units);
    Type(C::kPrice, price);
}

// A bought March 50 call in the editor's first row, typed in as a user would.
void TrackerDlgTest::FillEditorRow() {
    Activate(editor.get());
    auto* choice =
        qobject_cast<QComboBox*>(editor->GetControlWidget(RowControlId(0, RowControl::kRowChoice)));
    choice->setFocus();
    QTest::keyClicks(choice, "1");
    for (const auto& [control, text] :
         {std::pair{RowControl::kExpires, "mar 1999"}, std::pair{RowControl::kStrike, "50"}}) {
        QWidget* box = editor->GetControlWidget(RowControlId(0, control));
        box->setFocus();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    QTest::mouseClick(editor->GetControlWidget(RowControlId(0, RowControl::kCallButton)),
                      Qt::LeftButton);
    Activate(&Tracker());
}

// Typed text is read as the focus leaves a box, which takes the window being active.
void TrackerDlgTest::Activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Every widget shows what the model's control holds.
void TrackerDlgTest::VerifyWindowMirrorsModel() {
    const TrackerWindowModel& model = Tracker().GetModel();
    for (int id = 0; id < int(C::kCount); ++id) {
        const Control& state = model.GetControl(C(id));
        QWidget* widget = W(C(id));
        const QByteArray where = QString("control %1").arg(id).toUtf8();
        QVERIFY2(widget, where);
        QVERIFY2(widget->isHidden() == !state.visible, where);
        QVERIFY2(widget->isEnabled() == state.enabled, where);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QVERIFY2(button->isChecked() == state.checked, where);
            QVERIFY2(button->text().toStdString() == state.text, where);
        }
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            QVERIFY2(box->text().toStdString() == state.text, where);
        if (auto* units = qobject_cast<QComboBox*>(widget))
            QVERIFY2(units->currentText().toStdString() == state.text, where);
    }
    auto* entries = qobject_cast<QListWidget*>(W(C::kEntryList));
    const QList<QListWidgetItem*> picked = entries->selectedItems();
    QCOMPARE(picked.isEmpty() ? -1 : entries->row(picked.front()),
             model.GetControl(C::kEntryList).selected);
    TrackerListCtrl* list = Tracker().GetList();
    QCOMPARE(list->model()->rowCount(), model.GetRowCount());
    QCOMPARE(list->SelectedRow(), model.GetSelectedRow());
}

void TrackerDlgTest::recordChangeAndDeleteThroughTheWidgets() {
    QCOMPARE(Tracker().windowTitle(), QString("Trade Tracker"));
    // Tabbing into the entries makes one current without choosing it.
    W(C::kEntryList)->setFocus(Qt::TabFocusReason);
    QCOMPARE(Tracker().GetModel().GetControl(C::kEntryList).selected, -1);
    QVERIFY(W(C::kPrice)->isHidden());
    VerifyWindowMirrorsModel();
    EnterTrade(0, C::kOpen, C::kBuy, "100", "46");
    Click(C::kFees);
    VerifyWindowMirrorsModel();
    Click(C::kRecord);
    TranList& book = editor->GetModel().GetDocument().GetTransactions();
    QCOMPARE(book.GetCount(), 1);
    QCOMPARE(Cell(0, 0), QString("01/15/1999"));
    QCOMPARE(Cell(0, 3), QString("100"));
    QCOMPARE(Cell(0, 8), QString("-4625.00"));
    QVERIFY(W(C::kPrice)->isHidden());

    TrackerListCtrl* list = Tracker().GetList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 4)).center());
    QCOMPARE(qobject_cast<QLineEdit*>(W(C::kPrice))->text(), QString("46.00"));
    QVERIFY(qobject_cast<QAbstractButton*>(W(C::kFees))->isChecked());
    Type(C::kPrice, "45.5");
    Click(C::kChange);
    QCOMPARE(Cell(0, 4), QString("45.50"));
    QCOMPARE(list->SelectedRow(), -1);

    // A sale closes part of the position; keyboard moves the selection onto it.
    EnterTrade(0, C::kClose, C::kSell, "40", "50");
    Click(C::kRecord);
    QCOMPARE(Cell(1, 3), QString("-40"));
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(Tracker().GetModel().GetSelectedRow(), 1);
    QCOMPARE(Tracker().GetModel().GetForm().GetUnits(), 40);
    Click(C::kDelete);
    QCOMPARE(book.GetCount(), 1);
    QCOMPARE(list->model()->rowCount(), 1);
    VerifyWindowMirrorsModel();
}

void TrackerDlgTest::enterInTheFormRecords() {
    ChooseEntry(0);
    Click(C::kOpen);
    Click(C::kBuy);
    Type(C::kUnits, "100");
    QWidget* price = W(C::kPrice);
    price->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(price, "46");
    QTest::keyClick(price, Qt::Key_Return);
    QCOMPARE(editor->GetModel().GetDocument().GetTransactions().GetCount(), 1);
    QCOMPARE(Cell(0, 4), QString("46.00"));
    // An incomplete form records nothing.
    QTest::keyClick(price, Qt::Key_Return);
    QCOMPARE(editor->GetModel().GetDocument().GetTransactions().GetCount(), 1);
    // Enter on a count the box refuses shows the refusal and records nothing.
    EnterTrade(0, C::kOpen, C::kBuy, "100", "46");
    QWidget* units = W(C::kUnits);
    units->setFocus(Qt::TabFocusReason);
    QTest::keyClick(units, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(units, "1,25");
    QTest::keyClick(units, Qt::Key_Return);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(editor->GetModel().GetDocument().GetTransactions().GetCount(), 1);
}

void TrackerDlgTest::viewSwitchListsThePositions() {
    EnterTrade(0, C::kOpen, C::kBuy, "300", "46");
    Click(C::kRecord);
    ChooseEntry(5);
    Type(C::kPrice, "25");
    Click(C::kRecord);
    TrackerListCtrl* list = Tracker().GetList();
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(Cell(1, 4), QString());

    Click(C::kShowOpenOnly);
    QVERIFY(settings.showOpenOnly);
    QCOMPARE(list->model()->headerData(4, Qt::Horizontal).toString(), QString("Avg. Price"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(Cell(0, 1), QString("[Stock]"));
    QVERIFY(!W(C::kDelete)->isEnabled());
    Click(C::kShowAll);
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->model()->headerData(4, Qt::Horizontal).toString(), QString("Price"));
    QCOMPARE(list->model()->headerData(8, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                 Qt::AlignRight,
             int(Qt::AlignRight));
    VerifyWindowMirrorsModel();
}

void TrackerDlgTest::unitsAreReadAsTypedAndLabelsNameTheirBoxes() {
    ChooseEntry(0);
    auto* units = qobject_cast<QComboBox*>(W(C::kUnits));
    QVERIFY(units->completer() == nullptr);
    units->setFocus();
    QTest::keyClicks(units, "1");
    QCOMPARE(units->currentText(), QString("1"));
    QCOMPARE(Tracker().GetModel().GetForm().GetUnits(), 1);
    QTest::keyClicks(units, "x");
    QCOMPARE(units->currentText(), QString("1"));
    QTest::keyClick(units, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(units, "007");
    QCOMPARE(units->currentText(), QString("7"));
    QTest::keyClick(units, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(units, "1,000");
    QCOMPARE(Tracker().GetModel().GetForm().GetUnits(), 1000);
    QVERIFY(messages.shown.empty());

    for (C label : {C::kEntryLabel, C::kDateLabel, C::kUnitsLabel, C::kPriceLabel}) {
        auto* caption = qobject_cast<QLabel*>(W(label));
        QVERIFY2(caption && caption->buddy() == W(C(int(label) + 1)),
                 qPrintable(QString("label %1").arg(int(label))));
    }
}

void TrackerDlgTest::draggedColumnWidthsGoIntoTheSettings() {
    QHeaderView* header = Tracker().GetList()->horizontalHeader();
    const int shown = header->sectionSize(1);
    QVERIFY(shown >= settings.columnWidths[1]);
    header->resizeSection(1, shown * 2);
    QVERIFY(std::abs(settings.columnWidths[1] - 2 * 82) <= 1);
}

void TrackerDlgTest::trackerCommandCreatesOnceAndTheCloseBoxesHideOrDestroy() {
    QVERIFY(!editor->GetTrackerWindow());
    TrackerDlg* first = &Tracker();
    QVERIFY(first->isVisible());
    first->close();
    QVERIFY(first->isHidden());
    QCOMPARE(editor->GetTrackerWindow(), first);
    editor->GetMenuAction(EditorCommand::kTracker)->trigger();
    QCOMPARE(editor->GetTrackerWindow(), first);
    QVERIFY(first->isVisible());

    editor->close();
    QVERIFY(!editor->GetTrackerWindow());
}

void TrackerDlgTest::editorRowsAndNewDocumentsRefreshTheTracker() {
    auto* entries = qobject_cast<QListWidget*>(W(C::kEntryList));
    QCOMPARE(entries->item(1)->text(), QString("1 New Option"));
    // An option filled in the editor's first row becomes an entry of the tracker.
    FillEditorRow();
    QCOMPARE(entries->item(1)->text(), QString("Mar 50 Call"));

    ChooseEntry(5);
    Type(C::kPrice, "25");
    Click(C::kRecord);
    QCOMPARE(Tracker().GetList()->model()->rowCount(), 1);
    editor->GetMenuAction(EditorCommand::kNew)->trigger();
    QCOMPARE(Tracker().GetList()->model()->rowCount(), 0);
    QCOMPARE(entries->item(1)->text(), QString("1 New Option"));
}

void TrackerDlgTest::graphOpensAGraphWindowOnTheOpenPositions() {
    FillEditorRow();
    EnterTrade(1, C::kOpen, C::kBuy, "2", "2.5");
    Click(C::kRecord);
    const auto graphs = [] {
        QList<GraphDlg*> found;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* graph = qobject_cast<GraphDlg*>(window); graph && graph->isVisible())
                found.append(graph);
        return found;
    };
    QVERIFY(graphs().isEmpty());
    Click(C::kGraph);
    QCOMPARE(graphs().size(), 1);
    GraphDlg* graph = graphs().front();
    QCOMPARE(graph->GetModel().GetModel().GetOptionCount(), 1);
    QCOMPARE(graph->GetModel().GetModel().GetOption(1).GetContracts(), 2);
    QVERIFY(messages.shown.empty());
    graph->close();
}

}  // namespace qx

QTEST_MAIN(qx::TrackerDlgTest)
#include "tracker_dlg_test.moc"
