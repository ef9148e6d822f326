#include "prefs/window/prop_sheet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "editor/editor_model.h"
#include "editor/window/editor_dlg.h"
#include "prefs/prop_sheet_model.h"
#include "prefs/window/color_button.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_color_chooser.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/settings_snapshot.h"
#include "test_support/stopped_clock.h"

namespace qx {

namespace {

using C = PropControl;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QPushButton* SheetButton(PropSheet& sheet, QDialogButtonBox::StandardButton which) {
    return sheet.findChild<QDialogButtonBox*>()->button(which);
}

// Replaces the text of a box or editable list by typing, then leaves it with Tab.
void Type(QWidget* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QString BoxText(QWidget* box) {
    if (auto* list = qobject_cast<QComboBox*>(box)) return list->currentText();
    return qobject_cast<QLineEdit*>(box)->text();
}

// The colour of the swatch's frame at its top left and its bottom right corner.
std::pair<QColor, QColor> FrameCorners(ColorButton* swatch) {
    const QImage image = swatch->grab().toImage();
    return {image.pixelColor(0, 0), image.pixelColor(image.width() - 1, image.height() - 1)};
}

}  // namespace

// The property sheet driven through its widgets, and from the main window's menu.
class PropSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void sheetShowsItsPagesControlsAndLabelsAsBuddies();
    void typedValuesAreRewrittenAndOkStoresThem();
    void overlongFeeKeepsThePageAndTheFocusOnIt();
    void escapeAfterChangesWritesNothing();
    void swatchClickAsksTheChooserAndShowsItsAnswer();
    void swatchFrameFollowsPressAndFocus();
    void okFromTheMainWindowChangesWhatItShowsAndCancelNothing();

  private:
    QWidget* W(C control) const { return sheet->GetControlWidget(control); }
    void ShowPage(PropPage page);
    // Runs Settings > Properties in the main window; script works on the sheet, which
    // then ends with OK or Cancel.
    void RunFromMainWindow(EditorDlg& editor, const std::function<void(PropSheet&)>& script,
                           QDialogButtonBox::StandardButton end);

    Settings settings;
    RecordingMessages messages;
    ScriptedColorChooser chooser;
    std::unique_ptr<PropSheet> sheet;
};

void PropSheetTest::init() {
    settings = Settings();
    messages = RecordingMessages();
    chooser = ScriptedColorChooser();
    sheet = std::make_unique<PropSheet>(settings, messages, nullptr, &chooser);
    sheet->show();
    sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
}

void PropSheetTest::cleanup() { sheet.reset(); }

void PropSheetTest::ShowPage(PropPage page) {
    sheet->GetTabs()->setCurrentIndex(static_cast<int>(page));
    QCOMPARE(sheet->GetTabs()->currentIndex(), static_cast<int>(page));
}

void PropSheetTest::sheetShowsItsPagesControlsAndLabelsAsBuddies() {
    QCOMPARE(sheet->windowTitle(), QString("Properties"));
    QTabWidget* tabs = sheet->GetTabs();
    const QStringList pages = {tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)};
    QCOMPARE(pages, QStringList({"General", "Graph", "Colors"}));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(SheetButton(*sheet, QDialogButtonBox::Ok)->isDefault());

    // Every control shows the model's text, on the page the control belongs to.
    for (int i = 0; i < static_cast<int>(C::kCount); ++i) {
        const auto control = static_cast<C>(i);
        const int page = control < C::kResolutionLabel ? 0 : control < C::kPlotColorsGroup ? 1 : 2;
        QVERIFY2(W(control) && tabs->widget(page)->isAncestorOf(W(control)),
                 qPrintable(QString("control %1").arg(i)));
        const QString text = Text(sheet->GetModel().GetControl(control).text);
        if (auto* label = qobject_cast<QLabel*>(W(control))) QCOMPARE(label->text(), text);
        if (auto* group = qobject_cast<QGroupBox*>(W(control))) QCOMPARE(group->title(), text);
    }
    QCOMPARE(qobject_cast<QComboBox*>(W(C::kUnits))->itemText(5), QString("1000000"));

    // Every input is named by a label whose buddy it is; the slider texts by their name.
    QList<QWidget*> inputs = {W(C::kStockFees), W(C::kOptionFees), W(C::kUnits),
                              W(C::kIterationsSlider), W(C::kResolutionSlider)};
    for (auto* swatch : sheet->findChildren<ColorButton*>()) inputs.append(swatch);
    QCOMPARE(inputs.size(), 5 + kSwatchCount);
    const QList<QLabel*> labels = sheet->findChildren<QLabel*>();
    for (QWidget* input : inputs) {
        const bool named = std::any_of(labels.begin(), labels.end(),
                                       [input](QLabel* label) { return label->buddy() == input; });
        QVERIFY2(named, qPrintable(input->accessibleName()));
    }
    QCOMPARE(W(C::kIterationsText)->accessibleName(),
             QString("Number of iterations for american options"));
    QCOMPARE(sheet->GetSwatch(Swatch::kScaleText)->accessibleName(), QString("Scale text color"));

    // The swatches show the settings' colours, each in its group.
    QCOMPARE(sheet->GetSwatch(Swatch::kOption2)->GetColor(), Rgb(255, 255, 0));
    QVERIFY(W(C::kPlotColorsGroup)->isAncestorOf(sheet->GetSwatch(Swatch::kStock)));
    QVERIFY(W(C::kGraphColorsGroup)->isAncestorOf(sheet->GetSwatch(Swatch::kCrosshair)));
    QVERIFY(W(C::kApplicationColorsGroup)->isAncestorOf(sheet->GetSwatch(Swatch::kTextHighlight)));
}

void PropSheetTest::typedValuesAreRewrittenAndOkStoresThem() {
    Type(W(C::kStockFees), "12.5");
    QCOMPARE(BoxText(W(C::kStockFees)), QString("12.50"));
    Type(W(C::kOptionFees), "-3");
    QCOMPARE(BoxText(W(C::kOptionFees)), QString(""));
    Type(W(C::kUnits), "0");
    QCOMPARE(BoxText(W(C::kUnits)), QString(""));
    QTest::mouseClick(W(C::kDigits3), Qt::LeftButton);
    QVERIFY(!qobject_cast<QCheckBox*>(W(C::kDigits2))->isChecked());
    W(C::kIterationsSlider)->setFocus();
    QTest::keyClick(W(C::kIterationsSlider), Qt::Key_End);
    QCOMPARE(BoxText(W(C::kIterationsText)), QString("100"));

    ShowPage(PropPage::kGraph);
    QTest::mouseClick(W(C::kColorPlotText), Qt::LeftButton);

    // A fee still being typed when OK is pressed counts.
    ShowPage(PropPage::kGeneral);
    W(C::kOptionFees)->setFocus();
    QTest::keyClicks(W(C::kOptionFees), "4");
    QTest::mouseClick(SheetButton(*sheet, QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(sheet->isHidden());
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(settings.underlyingFees, 12.5);
    QCOMPARE(settings.optionFees, 4.0);
    QCOMPARE(settings.unitsPerContract, 100);  // an emptied box keeps the units
    QCOMPARE(settings.significantDigits, 3);
    QCOMPARE(settings.iterations, 100);
    QVERIFY(settings.colorPlotText);
    QVERIFY(messages.shown.empty());
}

void PropSheetTest::overlongFeeKeepsThePageAndTheFocusOnIt() {
    const auto before = SettingsSnapshot(settings);
    Type(W(C::kOptionFees), "1234567890");
    QCOMPARE(BoxText(W(C::kOptionFees)), QString("1234567890.00"));
    QTest::mouseClick(sheet->GetTabs()->tabBar(), Qt::LeftButton, {},
                      sheet->GetTabs()->tabBar()->tabRect(1).center());
    QCOMPARE(messages.shown.size(), size_t(1));
    QCOMPARE(Text(messages.LastText()), QString("Please enter no more than 9 characters."));
    QCOMPARE(sheet->GetTabs()->currentIndex(), 0);
    QVERIFY(W(C::kOptionFees)->hasFocus());

    QTest::mouseClick(SheetButton(*sheet, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(messages.shown.size(), size_t(2));
    QVERIFY(sheet->isVisible());
    QCOMPARE(SettingsSnapshot(settings), before);

    QTest::keyClicks(W(C::kOptionFees), "8");  // the refused text is selected
    QTest::keyClick(W(C::kOptionFees), Qt::Key_Tab);
    ShowPage(PropPage::kColors);
    QCOMPARE(messages.shown.size(), size_t(2));
}

void PropSheetTest::escapeAfterChangesWritesNothing() {
    const auto before = SettingsSnapshot(settings);
    Type(W(C::kStockFees), "1");
    QTest::mouseClick(W(C::kDayFirst), Qt::LeftButton);
    ShowPage(PropPage::kColors);
    chooser.answers = {Rgb(1, 2, 3)};
    chooser.addCustom = {{0, Rgb(4, 5, 6)}};
    QTest::mouseClick(sheet->GetSwatch(Swatch::kNet), Qt::LeftButton);
    QTest::keyClick(sheet.get(), Qt::Key_Escape);
    QVERIFY(sheet->isHidden());
    QCOMPARE(sheet->result(), int(QDialog::Rejected));
    QCOMPARE(SettingsSnapshot(settings), before);
}

void PropSheetTest::swatchClickAsksTheChooserAndShowsItsAnswer() {
    ShowPage(PropPage::kColors);
    ColorButton* title = sheet->GetSwatch(Swatch::kTitle);
    chooser.answers = {Rgb(10, 20, 30)};
    QTest::mouseClick(title, Qt::LeftButton);
    QCOMPARE(chooser.runs.size(), size_t(1));
    QCOMPARE(chooser.runs[0].start, Rgb(255, 128, 0));
    QCOMPARE(title->GetColor(), Rgb(10, 20, 30));
    QCOMPARE(title->grab().toImage().pixelColor(title->width() / 2, title->height() / 2),
             QColor(10, 20, 30));
    // The keyboard clicks a swatch too; a cancelled chooser leaves its colour.
    title->setFocus();
    QTest::keyClick(title, Qt::Key_Space);
    QCOMPARE(chooser.runs.size(), size_t(2));
    QCOMPARE(title->GetColor(), Rgb(10, 20, 30));
    QTest::mouseClick(SheetButton(*sheet, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(settings.titleColor, Rgb(10, 20, 30));
}

void PropSheetTest::swatchFrameFollowsPressAndFocus() {
    ShowPage(PropPage::kColors);
    ColorButton* scale = sheet->GetSwatch(Swatch::kScale);
    const QColor black(0, 0, 0), white(255, 255, 255);
    SheetButton(*sheet, QDialogButtonBox::Ok)->setFocus();
    QCOMPARE(FrameCorners(scale), std::make_pair(white, black));  // raised
    scale->setFocus();
    QCOMPARE(FrameCorners(scale), std::make_pair(black, black));  // the focus alone
    QTest::mousePress(scale, Qt::LeftButton);
    QVERIFY(scale->IsPressed());
    QCOMPARE(FrameCorners(scale), std::make_pair(black, white));  // sunken
    QTest::mouseRelease(scale, Qt::LeftButton);
    QVERIFY(!scale->IsPressed());
    QCOMPARE(chooser.runs.size(), size_t(1));
}

void PropSheetTest::RunFromMainWindow(EditorDlg& editor,
                                      const std::function<void(PropSheet&)>& script,
                                      QDialogButtonBox::StandardButton end) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<PropSheet*>(QApplication::activeModalWidget());
        if (!shown) return;
        ran = true;
        QCOMPARE(shown->parentWidget(), &editor);
        if (QTest::qWaitForWindowActive(shown)) script(*shown);
        QTest::mouseClick(SheetButton(*shown, end), Qt::LeftButton);
        if (shown->isVisible()) shown->reject();  // a failed script must not hang the test
    });
    editor.GetMenuAction(EditorCommand::kProperties)->trigger();
    QVERIFY2(ran, "the sheet did not open modally");
}

// The same changes, cancelled and then confirmed.
void PropSheetTest::okFromTheMainWindowChangesWhatItShowsAndCancelNothing() {
    sheet.reset();
    settings.customColors[1] = Rgb(7, 7, 7);
    StoppedClock clock;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    EditorDlg editor(settings, messages, desktop, files, clock);
    editor.show();
    editor.GetMenuAction(EditorCommand::kAmericanRule)->trigger();
    const auto editorText = [&editor](EditorControl control) {
        return Text(editor.GetModel().GetControl(control).text);
    };
    QCOMPARE(editorText(EditorControl::kDate), QString("01/15/1999"));
    const auto script = [](PropSheet& shown) {
        Type(shown.GetControlWidget(C::kUnits), "500");
        QTest::mouseClick(shown.GetControlWidget(C::kDayFirst), Qt::LeftButton);
        qobject_cast<QSlider*>(shown.GetControlWidget(C::kIterationsSlider))->setValue(40);
        shown.GetTabs()->setCurrentIndex(2);
        // The desktop's colour dialog, with the custom colours carried in and out.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            QCOMPARE(dialog->currentColor(), QColor(255, 0, 0));
            QCOMPARE(QColorDialog::customColor(1), QColor(7, 7, 7));
            QColorDialog::setCustomColor(2, QColor(9, 9, 9));
            dialog->setCurrentColor(QColor(0, 128, 0));
            dialog->accept();
        });
        QTest::mouseClick(shown.GetSwatch(Swatch::kMessageHighlight), Qt::LeftButton);
        QCOMPARE(shown.GetSwatch(Swatch::kMessageHighlight)->GetColor(), Rgb(0, 128, 0));
    };

    const auto before = SettingsSnapshot(settings);
    RunFromMainWindow(editor, script, QDialogButtonBox::Cancel);
    QCOMPARE(SettingsSnapshot(settings), before);
    QCOMPARE(editorText(EditorControl::kUnits), QString("100"));
    QCOMPARE(editorText(EditorControl::kDate), QString("1/15/1999"));
    QCOMPARE(editorText(EditorControl::kRuleLabel), QString("American Rule (25)"));

    RunFromMainWindow(editor, script, QDialogButtonBox::Ok);
    QCOMPARE(settings.unitsPerContract, 500);
    QCOMPARE(settings.dateFormat, 2);
    QCOMPARE(settings.customColors[2], Rgb(9, 9, 9));
    QCOMPARE(editorText(EditorControl::kUnits), QString("500"));
    QCOMPARE(editorText(EditorControl::kDate), QString("15/1/1999"));
    QCOMPARE(editorText(EditorControl::kRuleLabel), QString("American Rule (40)"));
    QCOMPARE(editor.GetModel().GetDocument().GetOption(0).GetLatticeSteps(), 40);
    QCOMPARE(editor.GetControlWidget(EditorControl::kPrompt)
                 ->palette()
                 .color(QPalette::Active, QPalette::WindowText),
             QColor(0, 128, 0));
}

}  // namespace qx

QTEST_MAIN(qx::PropSheetTest)
#include "prop_sheet_test.moc"
