#include "editor/window/editor_dlg.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "editor/editor_model.h"
#include "platform/qt/titled_group_box.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "shell/window/about_dlg.h"
#include "shell/window/notes_dlg.h"
#include "test_support/main_window_test.h"
#include "test_support/temp_folder.h"

namespace qx {

namespace {

using C = EditorControl;
using R = RowControl;

QString Qt(const std::string& text) { return QString::fromStdString(text); }

EditorControl Row0(RowControl control) { return RowControlId(0, control); }
EditorControl Row1(RowControl control) { return RowControlId(1, control); }

// Every control id, the rows' included, for the checks that go over them all.
std::vector<EditorControl> EveryControl() {
    std::vector<EditorControl> every;
    for (int id = 0; id < kEditorControlCount; ++id)
        every.push_back(static_cast<EditorControl>(id));
    return every;
}

// What a widget shows, in the terms of the model's control state, so the two compare.
struct Shown {
    QString text;
    bool checked = false;
    bool hidden = false;
    bool enabled = true;
    QStringList items;
    int selected = -1;
    int position = 0;
};

Shown WhatWidgetShows(QWidget* widget) {
    Shown shown;
    shown.hidden = widget->isHidden();
    shown.enabled = widget->isEnabled();
    if (auto* label = qobject_cast<QLabel*>(widget)) shown.text = label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) shown.text = group->title();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) shown.text = box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        shown.text = button->text();
        shown.checked = button->isChecked();
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < list->count(); ++i) shown.items.append(list->itemText(i));
        shown.selected = list->currentIndex();
        if (list->isEditable()) shown.text = list->currentText();
    }
    if (auto* slider = qobject_cast<QSlider*>(widget)) shown.position = slider->value();
    if (auto* table = qobject_cast<QListWidget*>(widget))
        for (int i = 0; i < table->count(); ++i) shown.items.append(table->item(i)->text());
    return shown;
}

}  // namespace

// The main window driven through its widgets, keyboard and focus as a user drives it.
class EditorDlgTest : public MainWindowTest {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void everyControlOfTheModelHasItsOwnWidget();
    void typedPriceReachesTheModelAndTheWindowShowsItsTexts();
    void rowFilledThroughItsWidgetsValuesTheOption();
    void settingsMenuMovesItsCheckAndRadioMarks();
    void enterReadsTheBoxAndNeverClosesTheWindow();
    void boxesAreReadOnlyWhenTheUserChangedThem();
    void escapeEndsTheWindowWithCancel();
    void exitAndCloseBoxEndWithOkAndTheCloseBoxDestroysTheNotesFirst();
    void notesTypedInTheNotesWindowAreInTheSavedFile();
    void notesCommandShowsTheOneNotesWindowAgain();
    void saveNewAndOpenRoundTripThePosition();
    void saveAsksBeforeReplacingTheDocumentsFile();
    void fileErrorsAreShownAndLeaveTheDocument();
    void helpAndHomePageGoThroughTheDesktop();
    void graphAndTrackerFollowTheModelAndHandOverTheirRequests();
    void aboutBoxShowsTheVersion();
    void highlightColorsOfTheSettingsColourOnlyTheirTexts();
    void typedEntriesInListsAreReadAsTheyStand();
    void aResultTooLongForItsBoxKeepsItsSign();
    void changedDocumentIsOfferedForSavingBeforeTheWindowEnds();
    void arrowKeysPassTheRecordTheOtherRowShows();
    void choosingFutureMovesNoColumn();
    void buttonsActTheSameHoweverTheyAreToggled();
    void everyBoxIsNamedByItsLabel();
    void titleNamesTheDocumentAndMarksUnsavedWork();
    void undoKeysGoToTheBoxWhileItHasTypingToUndo();
    void aStrategyFillsThePositionTableWhoseLinesPickARow();

  private:
    QWidget* W(EditorControl control) const { return editor->GetControlWidget(control); }
    QLineEdit* BoxOf(EditorControl control) const;
    void Type(EditorControl control, const QString& text);
    void PressKey(EditorControl control, const QString& keys);
    void Click(EditorControl control);
    void Trigger(EditorCommand command);
    void EnterPosition();
    void VerifyWindowMirrorsModel();

    std::unique_ptr<TempFolder> folder;
};

void EditorDlgTest::init() {
    folder = std::make_unique<TempFolder>();
    OpenEditor();
}

void EditorDlgTest::cleanup() {
    CloseEditor();
    folder.reset();
}

QLineEdit* EditorDlgTest::BoxOf(EditorControl control) const {
    if (auto* list = qobject_cast<QComboBox*>(W(control))) return list->lineEdit();
    return qobject_cast<QLineEdit*>(W(control));
}

// Replaces the box's text by typing, then leaves it with Tab.
void EditorDlgTest::Type(EditorControl control, const QString& text) {
    QWidget* box = W(control);  // an editable list takes the keys of its box itself
    QVERIFY2(box->isVisible(), qPrintable(QString("box %1 is not there").arg(int(control))));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

// Types keys into a list that is not editable, which picks the item they begin.
void EditorDlgTest::PressKey(EditorControl control, const QString& keys) {
    QWidget* list = W(control);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(list, keys);
}

void EditorDlgTest::Click(EditorControl control) {
    QWidget* button = W(control);
    QVERIFY2(button->isVisible() && button->isEnabled(),
             qPrintable(QString("control %1 cannot be clicked").arg(int(control))));
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorDlgTest::Trigger(EditorCommand command) {
    QAction* action = editor->GetMenuAction(command);
    QVERIFY2(action, qPrintable(QString("no menu item for command %1").arg(int(command))));
    action->trigger();
}

// A bought underlying and a complete bought call in row 1, entered as a user would.
void EditorDlgTest::EnterPosition() {
    Type(C::kSymbol, "XYZ");
    Type(C::kPrice, "47.3");
    Type(C::kShares, "100");
    Click(C::kBuyButton);
    PressKey(Row0(R::kRowChoice), "1");
    Type(Row0(R::kExpires), "mar 1999");
    Type(Row0(R::kStrike), "50");
    Click(Row0(R::kCallButton));
    Type(Row0(R::kRowPrice), "2 1/2");
    Type(Row0(R::kContracts), "10");
    Click(Row0(R::kRowBuy));
}

// Every widget shows exactly what the model's control holds.
void EditorDlgTest::VerifyWindowMirrorsModel() {
    for (EditorControl control : EveryControl()) {
        const Control& state = editor->GetModel().GetControl(control);
        const Shown shown = WhatWidgetShows(W(control));
        const QByteArray where = QString("control %1").arg(int(control)).toUtf8();
        QVERIFY2(shown.hidden == !state.visible, where);
        QVERIFY2(shown.enabled == state.enabled, where);
        if (qobject_cast<QSlider*>(W(control))) {
            QVERIFY2(shown.position == state.position, where);
            continue;
        }
        QStringList items;
        for (const std::string& item : state.items) items.append(Qt(item));
        if (qobject_cast<QListWidget*>(W(control))) QVERIFY2(shown.items == items, where);
        if (auto* list = qobject_cast<QComboBox*>(W(control))) {
            QVERIFY2(shown.items == items, where);
            QVERIFY2(shown.selected == state.selected, where);
            if (!list->isEditable()) continue;
        }
        QVERIFY2(shown.text == Qt(state.text),
                 where + ": " + shown.text.toUtf8() + " shown, " + state.text.c_str() + " held");
        if (qobject_cast<QAbstractButton*>(W(control)))
            QVERIFY2(shown.checked == state.checked, where);
    }
}

void EditorDlgTest::everyControlOfTheModelHasItsOwnWidget() {
    QSet<QWidget*> widgets;
    for (EditorControl control : EveryControl()) {
        QVERIFY2(W(control), qPrintable(QString("control %1 has no widget").arg(int(control))));
        widgets.insert(W(control));
    }
    QCOMPARE(widgets.size(), kEditorControlCount);
    QCOMPARE(editor->windowTitle(), QString("Untitled - Qualtrixon"));
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::typedPriceReachesTheModelAndTheWindowShowsItsTexts() {
    QCOMPARE(qobject_cast<QLabel*>(W(C::kPrompt))->text(), QString("Enter price."));
    QVERIFY(W(Row0(R::kRowChoice))->isHidden());

    Type(C::kPrice, "47.3");
    QCOMPARE(editor->GetModel().GetDocument().GetStock().GetPrice(), 47.3);
    QCOMPARE(BoxOf(C::kPrice)->text(), QString("47.30"));
    QCOMPARE(qobject_cast<QLabel*>(W(C::kPrompt))->text(),
             QString("Enter shares or select a new option."));
    QVERIFY(!W(Row0(R::kRowChoice))->isHidden());
    QVERIFY(!W(Row1(R::kRowChoice))->isHidden());
    QCOMPARE(qobject_cast<QComboBox*>(W(Row0(R::kRowChoice)))->itemText(0),
             QString("1 New Option"));
    VerifyWindowMirrorsModel();

    Type(C::kPrice, "0");
    QCOMPARE(BoxOf(C::kPrice)->text(), QString());
    QVERIFY(W(Row0(R::kRowChoice))->isHidden());
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::rowFilledThroughItsWidgetsValuesTheOption() {
    EnterPosition();
    const Option& option = editor->GetModel().GetDocument().GetOption(0);
    QCOMPARE(option.GetStrike(), 50.0);
    QCOMPARE(option.GetPrice(), 2.5);
    QCOMPARE(option.GetContracts(), 10);
    QVERIFY(option.GetSide() == Side::kBuy);
    QCOMPARE(BoxOf(Row0(R::kExpires))->text(), QString("Mar 1999"));
    QCOMPARE(BoxOf(Row0(R::kDaysLeft))->text(), QString("63"));
    QCOMPARE(BoxOf(Row0(R::kRowPrice))->text(), QString("2.50"));
    QVERIFY(!BoxOf(Row0(R::kFairValue))->text().isEmpty());
    QVERIFY(!BoxOf(Row0(R::kRowNet))->text().isEmpty());
    QVERIFY(qobject_cast<QGroupBox*>(W(Row0(R::kRowGroup)))->title().startsWith("Option 1"));
    QCOMPARE(editor->GetModel().GetDocument().GetStock().GetSymbol(), std::string("XYZ"));
    VerifyWindowMirrorsModel();

    // The volatility slider moved by keyboard revalues the row.
    const QString fairValue = BoxOf(Row0(R::kFairValue))->text();
    W(C::kVolatilitySlider)->setFocus();
    QTest::keyClick(W(C::kVolatilitySlider), Qt::Key_PageUp);
    QCOMPARE(settings.volatility, qobject_cast<QSlider*>(W(C::kVolatilitySlider))->value());
    QVERIFY(settings.volatility > 15);
    QVERIFY(BoxOf(Row0(R::kFairValue))->text() != fairValue);
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::settingsMenuMovesItsCheckAndRadioMarks() {
    struct Step {
        EditorCommand command;
        std::vector<std::pair<EditorCommand, bool>> checked;  // command and its expected mark
    };
    const Step steps[] = {
        {EditorCommand::kIncludeFees, {{EditorCommand::kIncludeFees, true}}},
        {EditorCommand::kIncludeFees, {{EditorCommand::kIncludeFees, false}}},
        {EditorCommand::kAdvancedMode,
         {{EditorCommand::kAdvancedMode, true}, {EditorCommand::kBasicMode, false}}},
        {EditorCommand::kBasicMode,
         {{EditorCommand::kAdvancedMode, false}, {EditorCommand::kBasicMode, true}}},
        {EditorCommand::kAmericanRule,
         {{EditorCommand::kAmericanRule, true}, {EditorCommand::kEuropeanRule, false}}},
        {EditorCommand::kEuropeanRule,
         {{EditorCommand::kAmericanRule, false}, {EditorCommand::kEuropeanRule, true}}},
        {EditorCommand::kDividend, {{EditorCommand::kDividend, true}}},
        {EditorCommand::kShowDecimal, {{EditorCommand::kShowDecimal, false}}},
        {EditorCommand::kShowUnits, {{EditorCommand::kShowUnits, true}}},
    };
    for (const Step& step : steps) {
        Trigger(step.command);
        for (const auto& [command, mark] : step.checked) {
            const QByteArray where = QString("after command %1, item %2")
                                         .arg(int(step.command))
                                         .arg(int(command))
                                         .toUtf8();
            QVERIFY2(editor->GetMenuAction(command)->isChecked() == mark, where);
        }
        VerifyWindowMirrorsModel();
    }
    QVERIFY(editor->GetMenuAction(EditorCommand::kBasicMode)->actionGroup()->isExclusive());
    QVERIFY(editor->GetMenuAction(EditorCommand::kIncludeFees)->actionGroup() == nullptr);

    Trigger(EditorCommand::kAmericanRule);
    QCOMPARE(qobject_cast<QLabel*>(W(C::kRuleLabel))->text(), QString("American Rule (25)"));
    Trigger(EditorCommand::kAdvancedMode);
    QCOMPARE(qobject_cast<QLabel*>(W(C::kModeLabel))->text(), QString("Advanced Mode"));
    QVERIFY(!editor->GetMenuAction(EditorCommand::kIncludeFees)->isEnabled());
    QVERIFY(!settings.basicMode);
    QVERIFY(!settings.europeanRule);
    QVERIFY(settings.includeDividend);
    QVERIFY(settings.showFractions);
}

void EditorDlgTest::enterReadsTheBoxAndNeverClosesTheWindow() {
    QLineEdit* price = BoxOf(C::kPrice);
    price->setFocus();
    QTest::keyClicks(price, "120");
    QTest::keyClick(price, Qt::Key_Return);
    QVERIFY(editor->isVisible());
    QCOMPARE(price->text(), QString("120.00"));
    QCOMPARE(editor->GetModel().GetDocument().GetStock().GetPrice(), 120.0);

    for (EditorControl control : {C::kVolatilitySlider, C::kStock, Row0(R::kRowChoice)}) {
        W(control)->setFocus();
        QTest::keyClick(W(control), Qt::Key_Enter);
        QVERIFY2(editor->isVisible(),
                 qPrintable(QString("closed from control %1").arg(int(control))));
    }
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->result(), 0);
}

void EditorDlgTest::boxesAreReadOnlyWhenTheUserChangedThem() {
    // Passing through the date box leaves the valuation date at the clock's time of day.
    W(C::kDate)->setFocus();
    QTest::keyClick(W(C::kDate), Qt::Key_Tab);
    QVERIFY(editor->GetModel().GetValuationDate() == clock.now);

    // Text still being typed is read before a menu command acts on the document.
    W(C::kPrice)->setFocus();
    QTest::keyClicks(W(C::kPrice), "80");
    const std::string path = folder->Path("typed.opt");
    files.answers.push_back(path);
    Trigger(EditorCommand::kSaveAs);
    QCOMPARE(editor->GetModel().GetDocument().GetStock().GetPrice(), 80.0);
    QCOMPARE(BoxOf(C::kPrice)->text(), QString("80.00"));

    // ... and before a click elsewhere, even one that does not take the focus.
    QTest::keyClick(W(C::kPrice), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(W(C::kPrice), "120");
    W(C::kStock)->setFocusPolicy(Qt::NoFocus);
    QTest::mouseClick(W(C::kStock), Qt::LeftButton);
    QCOMPARE(editor->GetModel().GetDocument().GetStock().GetPrice(), 120.0);
}

void EditorDlgTest::escapeEndsTheWindowWithCancel() {
    QSignalSpy finished(editor.get(), &QDialog::finished);
    BoxOf(C::kPrice)->setFocus();
    QTest::keyClick(BoxOf(C::kPrice), Qt::Key_Escape);
    QVERIFY(editor->isHidden());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
}

void EditorDlgTest::exitAndCloseBoxEndWithOkAndTheCloseBoxDestroysTheNotesFirst() {
    Trigger(EditorCommand::kExit);
    QVERIFY(editor->isHidden());
    QCOMPARE(editor->result(), int(QDialog::Accepted));

    init();
    Trigger(EditorCommand::kNotes);
    QPointer<NotesDlg> notes = editor->GetNotesWindow();
    QVERIFY(notes);
    QVERIFY(editor->close());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(notes.isNull());
}

void EditorDlgTest::notesTypedInTheNotesWindowAreInTheSavedFile() {
    Trigger(EditorCommand::kNotes);
    NotesDlg* notes = editor->GetNotesWindow();
    QVERIFY(notes && notes->isVisible());
    auto* text = notes->findChild<QPlainTextEdit*>();
    text->setFocus();
    QTest::keyClicks(text, "rolled from Feb");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "watch earnings");
    QVERIFY(notes->isVisible());  // Enter is a new line, it does not close the notes

    const std::string path = folder->Path("notes.opt");
    files.answers.push_back(path);
    Trigger(EditorCommand::kSaveAs);
    const std::string bytes = ReadFileBytes(path);
    QVERIFY(bytes.find("rolled from Feb\r\nwatch earnings") != std::string::npos);

    Trigger(EditorCommand::kNew);
    QCOMPARE(text->toPlainText(), QString());
    files.answers.push_back(path);
    Trigger(EditorCommand::kOpen);
    QCOMPARE(text->toPlainText(), QString("rolled from Feb\nwatch earnings"));
}

void EditorDlgTest::notesCommandShowsTheOneNotesWindowAgain() {
    Trigger(EditorCommand::kNotes);
    NotesDlg* first = editor->GetNotesWindow();
    QTest::keyClicks(first->findChild<QPlainTextEdit*>(), "kept");
    QTest::keyClick(first, Qt::Key_Escape);
    QVERIFY(first->isHidden());
    Trigger(EditorCommand::kNotes);
    QCOMPARE(editor->GetNotesWindow(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QString("Notes"));
    QVERIFY(first->isWindow() && first->parentWidget() == nullptr);
    QCOMPARE(first->findChild<QPlainTextEdit*>()->toPlainText(), QString("kept"));
}

void EditorDlgTest::saveNewAndOpenRoundTripThePosition() {
    EnterPosition();
    Trigger(EditorCommand::kIncludeFees);
    std::vector<Shown> before;
    for (EditorControl control : EveryControl()) before.push_back(WhatWidgetShows(W(control)));

    const std::string path = folder->Path("position.opt");
    files.answers.push_back(path);
    Trigger(EditorCommand::kSave);  // a new document has no path: Save acts as Save As
    QCOMPARE(files.suggestedNames, std::vector<std::string>{"XYZ"});
    QVERIFY(!ReadFileBytes(path).empty());
    QVERIFY(messages.shown.empty());

    Trigger(EditorCommand::kNew);
    QCOMPARE(BoxOf(C::kPrice)->text(), QString());
    QCOMPARE(BoxOf(C::kSymbol)->text(), QString("[Stock]"));
    QVERIFY(W(Row0(R::kExpires))->isHidden());
    VerifyWindowMirrorsModel();

    files.answers.push_back(path);
    Trigger(EditorCommand::kOpen);
    QCOMPARE(files.openDialogs, 1);
    QCOMPARE(editor->GetModel().GetDocument().GetPath(), path);
    for (EditorControl control : EveryControl()) {
        const Shown after = WhatWidgetShows(W(control));
        const Shown& saved = before[static_cast<int>(control)];
        const QByteArray where = QString("control %1").arg(int(control)).toUtf8();
        QVERIFY2(after.text == saved.text, where + ": " + after.text.toUtf8());
        QVERIFY2(after.checked == saved.checked, where);
        QVERIFY2(after.hidden == saved.hidden, where);
        QVERIFY2(after.enabled == saved.enabled, where);
    }
    VerifyWindowMirrorsModel();

    // A cancelled dialog changes nothing.
    Trigger(EditorCommand::kOpen);
    QCOMPARE(editor->GetModel().GetDocument().GetPath(), path);
}

void EditorDlgTest::titleNamesTheDocumentAndMarksUnsavedWork() {
    Type(C::kPrice, "50");
    QCOMPARE(editor->windowTitle(), QString("Untitled* - Qualtrixon"));
    files.answers.push_back(folder->Path("collar.opt"));
    Trigger(EditorCommand::kSaveAs);
    QCOMPARE(editor->windowTitle(), QString("collar.opt - Qualtrixon"));
    Type(C::kPrice, "55");
    QCOMPARE(editor->windowTitle(), QString("collar.opt* - Qualtrixon"));
    QTest::keyClick(W(C::kSymbol), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->windowTitle(), QString("collar.opt - Qualtrixon"));
}

void EditorDlgTest::undoKeysGoToTheBoxWhileItHasTypingToUndo() {
    Type(C::kPrice, "50");
    QLineEdit* price = BoxOf(C::kPrice);
    price->setFocus();
    QTest::keyClicks(price, "7");
    QTest::keyClick(price, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(price->text(), QString("50.00"));  // the box's own typing went first
    QTest::keyClick(price, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(price->text(), QString());
    QVERIFY(!W(RowControlId(0, R::kRowChoice))->isVisible());
    QTest::keyClick(price, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(price->text(), QString("50.00"));
}

void EditorDlgTest::aStrategyFillsThePositionTableWhoseLinesPickARow() {
    Type(C::kPrice, "50");
    Trigger(StrategyCommand(Strategy::kIronCondor));
    auto* table = editor->GetPositionTable();
    QCOMPARE(table->count(), 6);
    QVERIFY(table->item(1)->text().startsWith("Sell 1 "));
    QVERIFY(table->item(5)->text().startsWith("Net credit "));
    auto* row2 = qobject_cast<QComboBox*>(W(RowControlId(1, R::kRowChoice)));
    QCOMPARE(row2->currentIndex(), 1);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(4)).center());
    QCOMPARE(row2->currentIndex(), 3);
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::saveAsksBeforeReplacingTheDocumentsFile() {
    Type(C::kPrice, "50");
    const std::string path = folder->Path("asked.opt");
    files.answers.push_back(path);
    Trigger(EditorCommand::kSaveAs);
    const std::string saved = ReadFileBytes(path);

    Type(C::kSymbol, "CHANGED");
    messages.answer = false;
    Trigger(EditorCommand::kSave);
    QCOMPARE(messages.shown.size(), size_t(1));
    QVERIFY(messages.shown[0].question);
    QCOMPARE(messages.shown[0].text, "Are you sure you want to replace " + path + " ?");
    QCOMPARE(messages.shown[0].caption, std::string("Warning"));
    QCOMPARE(ReadFileBytes(path), saved);
    QVERIFY(files.suggestedNames.size() == 1);  // no second dialog

    messages.answer = true;
    Trigger(EditorCommand::kSave);
    QVERIFY(ReadFileBytes(path).find("CHANGED") != std::string::npos);
}

void EditorDlgTest::fileErrorsAreShownAndLeaveTheDocument() {
    Type(C::kPrice, "50");
    const std::string missing = folder->Path("missing.opt");
    files.answers.push_back(missing);
    Trigger(EditorCommand::kOpen);
    QCOMPARE(messages.LastText(), missing + " was not found.");
    QCOMPARE(BoxOf(C::kPrice)->text(), QString("50.00"));

    const std::string foreign = folder->Path("foreign.opt");
    WriteFileBytes(foreign, std::string("\x05Other", 6));
    files.answers.push_back(foreign);
    Trigger(EditorCommand::kOpen);
    QCOMPARE(messages.LastText(), foreign + " is not an Qualtrixon file.");
    QCOMPARE(BoxOf(C::kPrice)->text(), QString("50.00"));
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::helpAndHomePageGoThroughTheDesktop() {
    Trigger(EditorCommand::kContents);
    Trigger(EditorCommand::kHomePage);
    QCOMPARE(desktop.helpPages, std::vector<std::string>{kHelpContentsPage});
    QCOMPARE(desktop.addresses, std::vector<std::string>{kHomePageAddress});
    QVERIFY(messages.shown.empty());

    desktop.succeed = false;
    Trigger(EditorCommand::kContents);
    Trigger(EditorCommand::kHomePage);
    QCOMPARE(messages.shown.size(), size_t(2));
    QCOMPARE(messages.shown[0].caption, std::string(kMessageCaption));
}

void EditorDlgTest::graphAndTrackerFollowTheModelAndHandOverTheirRequests() {
    QSignalSpy graphs(editor.get(), &EditorDlg::graphRequested);
    QSignalSpy trackers(editor.get(), &EditorDlg::trackerRequested);
    QAction* graphItem = editor->GetMenuAction(EditorCommand::kGraph);
    QVERIFY(!W(C::kGraphButton)->isEnabled());
    QVERIFY(!graphItem->isEnabled());

    EnterPosition();
    QVERIFY(W(C::kGraphButton)->isEnabled());
    QVERIFY(graphItem->isEnabled());
    Click(C::kGraphButton);
    Trigger(EditorCommand::kGraph);
    QCOMPARE(graphs.count(), 2);

    Click(C::kTrackerButton);
    Trigger(EditorCommand::kTracker);
    QCOMPARE(trackers.count(), 2);

    Trigger(EditorCommand::kAdvancedMode);
    QVERIFY(!W(C::kGraphButton)->isEnabled());
    QVERIFY(!graphItem->isEnabled());
    QTest::mouseClick(W(C::kGraphButton), Qt::LeftButton);
    QCOMPARE(graphs.count(), 2);
}

void EditorDlgTest::aboutBoxShowsTheVersion() {
    QString version;
    bool sawAbout = false;
    QRect text, ok;
    int height = 0;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDlg*>(QApplication::activeModalWidget());
        sawAbout = about != nullptr;
        if (!about) return;
        auto* versionLabel = about->findChild<QLabel*>("version");
        auto* button = about->findChild<QPushButton*>();
        version = versionLabel->text();
        text = QRect(versionLabel->mapTo(about, QPoint()), versionLabel->size());
        ok = QRect(button->mapTo(about, QPoint()), button->size());
        height = about->height();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    Trigger(EditorCommand::kAbout);
    QVERIFY(sawAbout);
    QCOMPARE(version, QString("1.04 "));
    // Name and version at the top, OK below them at the bottom: no empty half.
    QVERIFY(ok.top() > text.bottom());
    QVERIFY(height - ok.bottom() < height / 4);
    QVERIFY(editor->isVisible());
}

void EditorDlgTest::highlightColorsOfTheSettingsColourOnlyTheirTexts() {
    const auto colorOf = [this](EditorControl control) {
        return W(control)->palette().color(QPalette::Active, QPalette::WindowText);
    };
    const auto titleColorOf = [this](EditorControl control) {
        return static_cast<TitledGroupBox*>(W(control))->GetTitleColor();
    };
    const QColor group(0, 0, 225), text(25, 25, 225), message(255, 0, 0);
    QCOMPARE(titleColorOf(C::kEnvironmentGroup), group);
    QCOMPARE(titleColorOf(Row0(R::kRowGroup)), group);
    QCOMPARE(colorOf(C::kVolatilityText), text);
    QCOMPARE(W(Row0(R::kFairValue))->palette().color(QPalette::Active, QPalette::Text), text);
    QCOMPARE(colorOf(C::kPrompt), message);
    QCOMPARE(colorOf(C::kModeLabel), message);
    // Controls inside a highlighted group keep the ordinary text colour.
    const QColor normal = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    // They share the application's palette, and with it its style-cache keys, so that
    // the caches stay the same size however many windows open and close.
    for (EditorControl control : {C::kEnvironmentGroup, C::kSymbolLabel, C::kStock,
                                  Row0(R::kStrikeLabel), Row0(R::kCallButton)}) {
        const QString name = QString("control %1").arg(int(control));
        QVERIFY2(colorOf(control) == normal, qPrintable(name));
        QVERIFY2(W(control)->palette().cacheKey() == QApplication::palette().cacheKey(),
                 qPrintable(name));
    }
    QCOMPARE(BoxOf(C::kPrice)->palette().color(QPalette::Active, QPalette::Text),
             QApplication::palette().color(QPalette::Active, QPalette::Text));
}

void EditorDlgTest::typedEntriesInListsAreReadAsTheyStand() {
    Type(C::kPrice, "47.3");
    Trigger(EditorCommand::kShowUnits);
    PressKey(Row0(R::kRowChoice), "1");
    Type(Row0(R::kExpires), "mar 1999");
    const Document& document = editor->GetModel().GetDocument();
    struct Case {
        EditorControl control;
        const char* typed;  // replaces the box's text; none for a key on the list alone
        Qt::Key key;        // how the user leaves or moves in the list
        const char* shown;
        std::function<double()> taken;
        double expected;
    };
    const auto shares = [&] { return double(document.GetStock().GetShares()); };
    const auto units = [&] { return double(settings.unitsPerContract); };
    const auto strike = [&] { return document.GetOption(0).GetStrike(); };
    const Case cases[] = {
        {C::kShares, "50", Qt::Key_Tab, "50", shares, 50},
        {C::kShares, "10", Qt::Key_Tab, "10", shares, 10},
        {C::kShares, "25", Qt::Key_Return, "25", shares, 25},
        {C::kShares, "700", Qt::Key_Enter, "700", shares, 700},
        {C::kShares, nullptr, Qt::Key_Down, "800", shares, 800},  // a chosen item is taken
        {C::kUnits, "50", Qt::Key_Tab, "50", units, 50},
        {C::kUnits, "10", Qt::Key_Return, "10", units, 10},
        {Row0(R::kStrike), "4", Qt::Key_Tab, "4.00", strike, 4},
        {Row0(R::kStrike), "5", Qt::Key_Return, "5.00", strike, 5},
    };
    for (const Case& c : cases) {
        QWidget* list = W(c.control);
        list->setFocus(Qt::TabFocusReason);
        if (c.typed) {
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(list, c.typed);
        }
        QTest::keyClick(list, c.key);
        const QByteArray where = QString("%1 then key %2").arg(c.typed).arg(c.key).toUtf8();
        QVERIFY2(BoxOf(c.control)->text() == c.shown,
                 where + ": " + BoxOf(c.control)->text().toUtf8());
        QVERIFY2(c.taken() == c.expected, where);
        QVERIFY2(editor->isVisible(), where);
    }
    Click(C::kBuyButton);
    QCOMPARE(BoxOf(C::kNet)->text(), QString("-37840.00"));  // 800 shares at 47.30
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::aResultTooLongForItsBoxKeepsItsSign() {
    Type(C::kPrice, "123456789");
    Type(C::kShares, "10000");
    Click(C::kBuyButton);
    QLineEdit* net = BoxOf(C::kNet);
    QCOMPARE(net->text(), QString("-1234567890000.00"));
    net->grab();  // the box places its text as it paints it
    // The start of the text, its sign, is in view, and the tooltip holds the whole.
    const QRect start = net->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(net->cursorPosition(), 0);
    QVERIFY(start.center().x() >= 0);
    QVERIFY(start.center().x() < net->width() / 4);
    QCOMPARE(net->toolTip(), net->text());

    Type(C::kShares, "1");
    net->grab();
    QCOMPARE(net->text(), QString("-123456789.00"));
    QCOMPARE(net->toolTip(), QString());
}

void EditorDlgTest::changedDocumentIsOfferedForSavingBeforeTheWindowEnds() {
    enum Ending { kEscapeKey, kCloseBox, kExitItem };
    struct Case {
        Ending ending;
        Answer answer;
        bool saved;
        bool ended;
        int result;
    };
    const Case cases[] = {
        {kEscapeKey, Answer::kCancel, false, false, 0},
        {kEscapeKey, Answer::kYes, true, true, QDialog::Rejected},
        {kCloseBox, Answer::kNo, false, true, QDialog::Accepted},
        {kExitItem, Answer::kYes, true, true, QDialog::Accepted},
    };
    for (const Case& c : cases) {
        init();
        const std::string path = folder->Path("asked.opt");
        std::remove(path.c_str());
        Type(C::kPrice, "50");
        messages.threeWayAnswer = c.answer;
        files.answers.push_back(path);
        if (c.ending == kEscapeKey) QTest::keyClick(BoxOf(C::kPrice), Qt::Key_Escape);
        if (c.ending == kCloseBox) editor->close();
        if (c.ending == kExitItem) Trigger(EditorCommand::kExit);
        const QByteArray where =
            QString("ending %1, answer %2").arg(c.ending).arg(int(c.answer)).toUtf8();
        QVERIFY2(messages.shown.size() == 1 && messages.shown[0].caption == "Qualtrixon", where);
        QVERIFY2(!ReadFileBytes(path).empty() == c.saved, where);
        QVERIFY2(editor->isHidden() == c.ended, where);
        QVERIFY2(editor->result() == c.result, where);
    }
}

void EditorDlgTest::arrowKeysPassTheRecordTheOtherRowShows() {
    Type(C::kPrice, "50");
    PressKey(Row0(R::kRowChoice), "1");
    QCOMPARE(editor->GetModel().GetRowRecord(0), 0);
    QWidget* list = W(Row1(R::kRowChoice));
    list->setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Up, 1}};
    for (const auto& [key, record] : steps) {
        QTest::keyClick(list, key);
        QCOMPARE(editor->GetModel().GetRowRecord(1), record);
    }
    VerifyWindowMirrorsModel();
}

void EditorDlgTest::choosingFutureMovesNoColumn() {
    const EditorControl watched[] = {C::kShares,          C::kBuyButton,        C::kNet,
                                     C::kVolatilityLabel, C::kVolatilitySlider, C::kVolatilityText,
                                     C::kModeLabel};
    const auto columns = [&] {
        QApplication::processEvents();  // the window lays itself out again first
        std::vector<int> x;
        for (EditorControl control : watched)
            x.push_back(W(control)->mapTo(editor.get(), QPoint()).x());
        return x;
    };
    const std::vector<int> stock = columns();
    Click(C::kFuture);
    QCOMPARE(qobject_cast<QLabel*>(W(C::kSharesLabel))->text(), QString("Contracts"));
    QCOMPARE(columns(), stock);
    Click(C::kStock);
    QCOMPARE(columns(), stock);
}

void EditorDlgTest::buttonsActTheSameHoweverTheyAreToggled() {
    enum Way { kMouse, kSpaceKey, kAssistiveToggle };
    const auto toggle = [this](EditorControl control, Way way) {
        QWidget* button = W(control);
        if (way == kMouse) QTest::mouseClick(button, Qt::LeftButton);
        if (way == kSpaceKey) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        }
        if (way == kAssistiveToggle)
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
    };
    for (const Way way : {kMouse, kSpaceKey, kAssistiveToggle}) {
        init();
        const Document& document = editor->GetModel().GetDocument();
        const QByteArray where = QString("way %1").arg(way).toUtf8();
        Type(C::kPrice, "50");
        toggle(C::kBuyButton, way);  // refused without shares: the tick goes again
        QVERIFY2(!qobject_cast<QCheckBox*>(W(C::kBuyButton))->isChecked(), where);
        Type(C::kShares, "100");
        toggle(C::kSellButton, way);
        QVERIFY2(document.GetStock().GetSide() == Side::kSell, where);
        toggle(C::kIndex, way);
        QVERIFY2(document.GetStock().GetAssetType() == AssetType::kIndex, where);
        toggle(C::kIndex, way);  // a second toggle does not take the type back
        QVERIFY2(qobject_cast<QAbstractButton*>(W(C::kIndex))->isChecked(), where);
        VerifyWindowMirrorsModel();
    }
}

void EditorDlgTest::everyBoxIsNamedByItsLabel() {
    QHash<QWidget*, QLabel*> labelOf;
    for (QLabel* label : editor->findChildren<QLabel*>())
        if (label->buddy()) labelOf[label->buddy()] = label;
    for (EditorControl control : EveryControl()) {
        QWidget* widget = W(control);
        const bool isBox =
            qobject_cast<QLineEdit*>(widget) || qobject_cast<QSlider*>(widget) ||
            (qobject_cast<QComboBox*>(widget) && qobject_cast<QComboBox*>(widget)->isEditable());
        if (!isBox) continue;
        const QByteArray where = QString("control %1").arg(int(control)).toUtf8();
        QVERIFY2(labelOf.contains(widget), where + " has no label as buddy");
        // A screen reader names a box by the label its accessibility relations give.
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(labelOf[widget]);
        bool labelled = false;
        for (const auto& [other, relation] :
             QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
            labelled = labelled || other == label;
        QVERIFY2(labelled, where + " is not labelled by its label");
    }
}

}  // namespace qx

QTEST_MAIN(qx::EditorDlgTest)
#include "editor_dlg_test.moc"
