#include "graph/window/graph_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtMath>
#include <filesystem>
#include <functional>
#include <memory>

#include "editor/window/editor_dlg.h"
#include "graph/graph_fixtures.h"
#include "graph/graph_window_model.h"
#include "graph/window/plot_view.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/window_messages.h"
#include "prefs/window/prop_sheet.h"
#include "shell/settings.h"
#include "shell/window/about_dlg.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "test_support/temp_folder.h"
#include "test_support/time_zone.h"

namespace qx {

namespace {

using C = GraphControl;

QRgb ToRgb(ColorRef color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }

// The picture at 100 %, as printing copies it.
QImage PictureAtOneToOne(const GraphWindowModel& model) {
    QImage picture = QPainterCanvas::NewPicture(PlotRenderer::kPictureWidth + 1,
                                                PlotRenderer::kPictureHeight + 1);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    model.DrawPictureCopy(canvas);
    return picture;
}

// Page 1 of a PDF file as pdftoppm draws it, without smoothing, at dpi dots per inch.
QImage RenderPdf(const std::string& pdf, int dpi, const std::string& prefix) {
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no",
                                   "-png", "-singlefile", "-f", "1", "-l", "1",
                                   QString::fromStdString(pdf), QString::fromStdString(prefix)});
    return QImage(QString::fromStdString(prefix + ".png")).convertToFormat(QImage::Format_RGB32);
}

// The number of pages pdftoppm finds in a PDF file.
int CountPdfPages(const std::string& pdf, const TempFolder& folder) {
    QProcess::execute("pdftoppm", {"-r", "4", "-png", QString::fromStdString(pdf),
                                   QString::fromStdString(folder.Path("page"))});
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path("")))
        pages += entry.path().filename().string().rfind("page-", 0) == 0;
    return pages;
}

// The smallest rectangle holding every pixel of a colour.
QRect BoundsOf(const QImage& image, QRgb color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountColor(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == color;
    return count;
}

}  // namespace

// Graph windows driven through their widgets, the mouse, the menu and the desktop's
// dialogs, at whatever scaling the test runs under.
class GraphDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void opensWithTheOptionsHandedInTheirOrder();
    void withoutAnOptionItWarnsAndNoWindowOpens();
    void eachCommandOpensAWindowOfItsOwn();
    void graphButtonOfTheMainWindowOpensAGraphOfItsPosition();
    void boxesAndSlidersRedrawThePicture();
    void menuMarksFollowTheirCommands();
    void readoutShowsThePicturePixelUnderTheMouse();
    void crosshairIsOnScreenOnlyAndTheRightButtonClearsIt();
    void printingToAFilePutsThePictureThreeTimesEnlargedOnOnePage();
    void aPrintJobThatFailsSaysSo();
    void savePictureWritesPngOrPdfOfTheSamePicture();
    void aFailedSaveSaysSoOverItsOwnWindow();
    void copyPicturePutsTheEnlargedPictureOnTheClipboard();
    void captionsTakeTheHighlightAndCurveColours();
    void propertiesAreAppliedWhateverTheSheetEndsWith();
    void helpCommandsReachTheDesktopAndTheAboutBox();
    void escapeClosesAndDeletesTheWindow();

  private:
    GraphDlg* OpenWindow();
    QWidget* W(C control) const { return window->GetControlWidget(control); }
    bool Checked(C control) const;
    void Click(C control);
    void Trigger(GraphCommand command);
    // What the screen shows at a picture pixel, crosshair included.
    QRgb ScreenPixel(int px, int py) const;
    // Whether the screen shows a curve where the model now puts its points.
    bool CurveShownAsComputed(int row) const;
    QString Readout() const;
    // Moves the mouse with no button down over a point of a widget of the window, as the
    // window system reports it.
    void MoveMouse(QWidget* widget, QPoint point) const;
    // The menus leading to a command's item and the item, as "Settings > Greeks > ...".
    QString MenuPath(GraphCommand command) const;

    std::unique_ptr<ScopedTimeZone> zone;
    std::unique_ptr<TempFolder> folder;
    Settings settings;
    Option rows[4];
    Stock holding;
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    QPointer<GraphDlg> window;
};

void GraphDlgTest::init() {
    zone = std::make_unique<ScopedTimeZone>("UTC");
    folder = std::make_unique<TempFolder>();
    settings = Settings();
    settings.backgroundColor = Rgb(250, 240, 200);
    settings.crosshairColor = Rgb(12, 200, 34);  // found nowhere else in the picture
    messages = RecordingMessages();
    desktop = RecordingDesktop();
    files = ScriptedFileChooser();
    // Valued 1 March 2000: a call expiring 30 days later, two sold puts 60 days later.
    const CTime valuation(2000, 3, 1);
    rows[0] = MakeOption(kCall, 100, 0);
    rows[0].SetDates(valuation, valuation.AddDays(29));
    rows[1] = MakeOption(kPut, 95, 0, kSell, 2);
    rows[1].SetDates(valuation, valuation.AddDays(59));
    rows[2] = rows[3] = Option();
    holding = MakeHolding();
}

void GraphDlgTest::cleanup() {
    QList<QPointer<GraphDlg>> graphs;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* graph = qobject_cast<GraphDlg*>(top)) graphs << graph;
    for (const QPointer<GraphDlg>& graph : graphs) delete graph.data();
    folder.reset();
    zone.reset();
}

GraphDlg* GraphDlgTest::OpenWindow() {
    window = GraphDlg::Open(rows, holding, settings, messages, desktop, files);
    if (window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) return nullptr;
    }
    return window;
}

bool GraphDlgTest::Checked(C control) const {
    return qobject_cast<QAbstractButton*>(W(control))->isChecked();
}

void GraphDlgTest::Click(C control) {
    QVERIFY2(W(control)->isEnabled(), "the box cannot be clicked");
    QTest::mouseClick(W(control), Qt::LeftButton, {}, QPoint(8, W(control)->height() / 2));
}

void GraphDlgTest::Trigger(GraphCommand command) {
    QAction* action = window->GetMenuAction(command);
    QVERIFY2(action, "no menu item for the command");
    action->trigger();
}

QRgb GraphDlgTest::ScreenPixel(int px, int py) const {
    const QImage screen = window->GetPlotView()->grab().toImage();
    const qreal ratio = screen.devicePixelRatio();
    return screen.pixel(qFloor((px + 0.5) * ratio), qFloor((py + 0.5) * ratio));
}

bool GraphDlgTest::CurveShownAsComputed(int row) const {
    const GraphModel& model = window->GetModel().GetModel();
    const QImage screen = window->GetPlotView()->grab().toImage();
    const qreal ratio = screen.devicePixelRatio();
    const QRgb color = ToRgb(settings.plotColors[row]);
    // The pen passes each point or the pixel above or below it.
    const auto shownNear = [&](int x, int y) {
        for (int dy : {0, -1, 1})
            if (screen.pixel(qFloor((x + 0.5) * ratio), qFloor((y + dy + 0.5) * ratio)) == color)
                return true;
        return false;
    };
    int seen = 0;
    for (int j = 2; j < model.GetPointCount() - 2; j += 3) {
        // Points where a curve drawn later passes close by are left out.
        const int r = model.GetPixelRow(row, j);
        bool covered = false;
        for (int later = row + 1; later <= model.GetOptionCount(); ++later) {
            const int a = model.GetPixelRow(later, j);
            const int b = model.GetPixelRow(later, j + 1);
            covered |=
                model.IsOptionSelected(later) && r >= std::min(a, b) - 2 && r <= std::max(a, b) + 2;
        }
        if (covered) continue;
        const int x = qFloor(j * model.GetPixelStep()) + 61;
        if (!shownNear(x, r + PlotRenderer::kPlotTop)) return false;
        ++seen;
    }
    return seen >= 3;
}

void GraphDlgTest::MoveMouse(QWidget* widget, QPoint point) const {
    QWindow* handle = window->windowHandle();
    QTest::mouseMove(handle, handle->mapFromGlobal(widget->mapToGlobal(point)));
}

QString GraphDlgTest::Readout() const { return qobject_cast<QLabel*>(W(C::kReadout))->text(); }

QString GraphDlgTest::MenuPath(GraphCommand command) const {
    QAction* target = window->GetMenuAction(command);
    const std::function<QString(const QList<QAction*>&)> find = [&](const QList<QAction*>& items) {
        for (QAction* item : items) {
            const QString name = item->text().remove('&');
            if (item == target) return name;
            const QString below = item->menu() ? find(item->menu()->actions()) : QString();
            if (!below.isEmpty()) return name + " > " + below;
        }
        return QString();
    };
    return find(window->findChild<QMenuBar*>()->actions());
}

void GraphDlgTest::opensWithTheOptionsHandedInTheirOrder() {
    const struct {
        bool firstEmpty;
        const char* first;
        const char* second;
    } cases[] = {{false, "Buy 1 Mar 2000 100 call", "Sell 2 Apr 2000 95 puts"},
                 {true, "Sell 2 Apr 2000 95 puts", "Option 2"}};
    for (const auto& c : cases) {
        if (c.firstEmpty) rows[0] = Option();
        QVERIFY(OpenWindow());
        QCOMPARE(window->windowTitle(), QString("Graph"));
        QVERIFY(window->isWindow() && !window->isModal() && !window->parentWidget());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        const auto caption = [this](C box) {
            return qobject_cast<QAbstractButton*>(W(box))->text();
        };
        QCOMPARE(caption(C::kOption1Box), QString(c.first));
        QCOMPARE(caption(C::kOption2Box), QString(c.second));
        QCOMPARE(W(C::kOption2Box)->isEnabled(), !c.firstEmpty);
        for (C box : {C::kOption3Box, C::kOption4Box}) QVERIFY(!W(box)->isEnabled());
        QCOMPARE(caption(C::kOption3Box), QString("Option 3"));
        QCOMPARE(caption(C::kOption4Box), QString("Option 4"));
        QVERIFY(Checked(C::kNetBox));
        QVERIFY(CurveShownAsComputed(GraphModel::kNetRow));
    }
    QVERIFY(messages.shown.empty());
}

void GraphDlgTest::withoutAnOptionItWarnsAndNoWindowOpens() {
    rows[0] = rows[1] = Option();
    const int before = QApplication::topLevelWidgets().size();
    QVERIFY(!GraphDlg::Open(rows, holding, settings, messages, desktop, files));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QVERIFY(messages.shown[0].text.rfind("You must have one or more options", 0) == 0);
    QCOMPARE(messages.shown[0].owner, MessageOwner::kGraph);
}

void GraphDlgTest::eachCommandOpensAWindowOfItsOwn() {
    QPointer<GraphDlg> first = OpenWindow();
    QPointer<GraphDlg> second = OpenWindow();
    QVERIFY(first && second && first != second);
    qobject_cast<QSlider*>(second->GetControlWidget(C::kVolatilitySlider))->setValue(60);
    QCOMPARE(second->GetModel().GetModel().GetOption(1).GetVolatility(), 0.60);
    QCOMPARE(first->GetModel().GetModel().GetOption(1).GetVolatility(), 0.30);
    QCOMPARE(rows[0].GetVolatility(), 0.30);  // the copies hand nothing back

    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second);
    QVERIFY(first && first->isVisible());
}

void GraphDlgTest::graphButtonOfTheMainWindowOpensAGraphOfItsPosition() {
    StoppedClock clock;
    EditorDlg editor(settings, messages, desktop, files, clock);
    editor.show();
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    // A bought put entered in the first row as a user types it.
    const auto type = [&editor](int control, const char* text) {
        QWidget* box = editor.GetControlWidget(control);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    };
    const auto click = [&editor](int control) {
        QTest::mouseClick(editor.GetControlWidget(control), Qt::LeftButton);
    };
    type(kPrice, "50");
    editor.GetControlWidget(RowControlId(0, kRowChoice))->setFocus();
    QTest::keyClicks(editor.GetControlWidget(RowControlId(0, kRowChoice)), "1");
    type(RowControlId(0, kExpires), "mar 1999");
    type(RowControlId(0, kStrike), "55");
    click(RowControlId(0, kPutButton));
    type(RowControlId(0, kRowPrice), "4");
    type(RowControlId(0, kContracts), "3");
    click(RowControlId(0, kRowBuy));
    QVERIFY(editor.GetControlWidget(kGraphButton)->isEnabled());
    for (int opened = 1; opened <= 2; ++opened) {
        click(kGraphButton);
        QList<GraphDlg*> graphs;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* graph = qobject_cast<GraphDlg*>(top)) graphs << graph;
        QCOMPARE(graphs.size(), opened);
        QVERIFY(graphs.last()->isVisible());
        const Option& option = graphs.last()->GetModel().GetModel().GetOption(1);
        QCOMPARE(option.GetStrike(), 55.0);
        QCOMPARE(option.GetContracts(), 3);
    }
}

void GraphDlgTest::boxesAndSlidersRedrawThePicture() {
    QVERIFY(OpenWindow());
    const GraphModel& model = window->GetModel().GetModel();
    Click(C::kOption1Box);
    QVERIFY(CurveShownAsComputed(1));
    QVERIFY(CurveShownAsComputed(GraphModel::kNetRow));

    // Each change draws the curves where the model now puts them.
    const auto keyOn = [this](C slider, Qt::Key key) {
        W(slider)->setFocus();
        QTest::keyClick(W(slider), key);
    };
    const struct {
        const char* change;
        std::function<void()> act;
        std::function<bool()> took;
    } changes[] = {
        {"Delta", [&] { Click(C::kDeltaBox); },
         [&] { return model.GetGraphType() == GraphType::Delta; }},
        {"Gamma", [&] { Click(C::kGammaBox); },
         [&] { return model.GetGraphType() == GraphType::Gamma && !Checked(C::kDeltaBox); }},
        {"no Greek", [&] { Click(C::kGammaBox); },
         [&] { return model.GetGraphType() == GraphType::ValueOrProfit; }},
        {"date", [&] { keyOn(C::kDateSlider, Qt::Key_PageDown); },
         [&] { return model.GetDateOffset() == 19; }},  // a page down from 29
        {"volatility", [&] { keyOn(C::kVolatilitySlider, Qt::Key_PageUp); },
         [&] { return model.GetOption(1).GetVolatility() == 0.40; }},
        {"drift", [&] { keyOn(C::kDriftSlider, Qt::Key_PageUp); },
         [&] { return model.GetDriftPosition() == 110; }},
    };
    for (const auto& c : changes) {
        const int before = model.GetPixelRow(1, 20);
        c.act();
        QVERIFY2(c.took(), c.change);
        QVERIFY2(model.GetPixelRow(1, 20) != before, c.change);
        QVERIFY2(CurveShownAsComputed(1) && CurveShownAsComputed(0), c.change);
    }
    QCOMPARE(qobject_cast<QLineEdit*>(W(C::kDateText))->text(), QString("03/20/2000"));
    QCOMPARE(qobject_cast<QLineEdit*>(W(C::kVolatilityText))->text(), QString("0.400"));
    QCOMPARE(qobject_cast<QLineEdit*>(W(C::kDriftText))->text(), QString("10.0%"));

    // Without a curve the picture is the background alone and the date is blank.
    Click(C::kNetBox);
    Click(C::kOption1Box);
    QVERIFY(!W(C::kDateSlider)->isEnabled());
    QCOMPARE(qobject_cast<QLineEdit*>(W(C::kDateText))->text(), QString());
    QCOMPARE(ScreenPixel(59, 100), ToRgb(settings.backgroundColor));
}

void GraphDlgTest::menuMarksFollowTheirCommands() {
    QVERIFY(OpenWindow());
    const struct {
        GraphCommand command;
        bool Settings::*setting;
    } toggles[] = {{GraphCommand::kProbabilityWeighted, &Settings::probabilityWeighted},
                   {GraphCommand::kShareWeighted, &Settings::shareWeighted},
                   {GraphCommand::kPercentScaled, &Settings::percentScaled}};
    for (const auto& t : toggles) {
        const bool before = settings.*t.setting;
        QCOMPARE(window->GetMenuAction(t.command)->isChecked(), before);
        Trigger(t.command);
        QCOMPARE(settings.*t.setting, !before);
        QCOMPARE(window->GetMenuAction(t.command)->isChecked(), !before);
        Trigger(t.command);
    }
    QAction* profit = window->GetMenuAction(GraphCommand::kShowProfit);
    QAction* value = window->GetMenuAction(GraphCommand::kShowValue);
    QVERIFY(profit->actionGroup() && profit->actionGroup() == value->actionGroup());
    Click(C::kStockBox);
    Trigger(GraphCommand::kShowValue);
    QVERIFY(!settings.showProfit && value->isChecked() && !profit->isChecked());
    QVERIFY(!Checked(C::kStockBox) && !W(C::kStockBox)->isEnabled());
    Trigger(GraphCommand::kShowProfit);
    QVERIFY(settings.showProfit && profit->isChecked() && !value->isChecked());
    QVERIFY(W(C::kStockBox)->isEnabled());

    const struct {
        GraphCommand command;
        const char* path;
    } items[] = {{GraphCommand::kPrint, "Print"},
                 {GraphCommand::kSavePicture, "Save Picture..."},
                 {GraphCommand::kCopyPicture, "Copy Picture"},
                 {GraphCommand::kProbabilityWeighted, "Settings > Options > Probability Weighted"},
                 {GraphCommand::kShowValue, "Settings > Options > Show Value"},
                 {GraphCommand::kShareWeighted, "Settings > Greeks > Share Weighted"},
                 {GraphCommand::kPercentScaled, "Settings > % Scaled X-axis"},
                 {GraphCommand::kProperties, "Settings > Properties"},
                 {GraphCommand::kContents, "Help > Contents"},
                 {GraphCommand::kHomePage, "Help > Home Page"},
                 {GraphCommand::kAbout, "Help > About"}};
    for (const auto& item : items) QCOMPARE(MenuPath(item.command), QString(item.path));
}

void GraphDlgTest::readoutShowsThePicturePixelUnderTheMouse() {
    QVERIFY(OpenWindow());
    const PlotRenderer& renderer = window->GetModel().GetRenderer();
    const struct {
        int px, py;
        bool inside;
    } points[] = {{59, 20, false},   {60, 20, true},   {60, 19, false},   {359, 20, true},
                  {360, 294, false}, {359, 294, true}, {359, 295, false}, {60, 294, true}};
    for (const auto& p : points) {
        MoveMouse(window->GetPlotView(), QPoint(p.px, p.py));
        const QString expected = QString::fromStdString(renderer.Readout(p.px, p.py));
        QVERIFY2(Readout() == expected && expected.isEmpty() != p.inside,
                 qPrintable(QString("at %1, %2: %3").arg(p.px).arg(p.py).arg(Readout())));
    }
    MoveMouse(window->GetPlotView(), QPoint(60, 20));
    QVERIFY(Readout().startsWith("Price$ : "));
    // Between screen pixels at 150 % or 200 %, a point belongs to the picture pixel it is in.
    QCOMPARE(PlotView::PicturePoint(QPointF(60.75, 19.5)), QPoint(60, 19));
    QCOMPARE(PlotView::PicturePoint(QPointF(59.5, 20.25)), QPoint(59, 20));
    MoveMouse(window, QPoint(5, window->height() - 5));  // away from the picture
    QCOMPARE(Readout(), QString());
}

void GraphDlgTest::crosshairIsOnScreenOnlyAndTheRightButtonClearsIt() {
    QVERIFY(OpenWindow());
    PlotView* plot = window->GetPlotView();
    const QRgb crosshair = ToRgb(settings.crosshairColor);
    QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(200, 150));
    QCOMPARE(ScreenPixel(200, 60), crosshair);
    QCOMPARE(ScreenPixel(100, 150), crosshair);
    QTest::mouseMove(plot, QPoint(230, 170));  // dragged with the left button down
    QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(230, 170));
    QCOMPARE(ScreenPixel(230, 60), crosshair);
    QCOMPARE(ScreenPixel(100, 170), crosshair);
    QVERIFY(ScreenPixel(200, 60) != crosshair);

    const std::string png = folder->Path("graph.png");
    files.answers = {png};
    Trigger(GraphCommand::kSavePicture);
    QCOMPARE(CountColor(QImage(QString::fromStdString(png)), crosshair), 0);
    QCOMPARE(CountColor(PictureAtOneToOne(window->GetModel()), crosshair), 0);
    QCOMPARE(ScreenPixel(230, 60), crosshair);  // saving leaves it on screen

    QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(300, 250));
    QVERIFY(ScreenPixel(230, 60) != crosshair);
    QVERIFY(ScreenPixel(100, 170) != crosshair);
}

void GraphDlgTest::printingToAFilePutsThePictureThreeTimesEnlargedOnOnePage() {
    QVERIFY(OpenWindow());
    const std::string pdf = folder->Path("printed.pdf");
    bool offered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        offered = dialog->testOption(QAbstractPrintDialog::PrintToFile) &&
                  !dialog->testOption(QAbstractPrintDialog::PrintPageRange) &&
                  !dialog->testOption(QAbstractPrintDialog::PrintSelection);
        dialog->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(pdf));
        dialog->accept();
    });
    Trigger(GraphCommand::kPrint);
    QVERIFY(offered);
    QVERIFY(messages.shown.empty());
    QCOMPARE(CountPdfPages(pdf, *folder), 1);

    // The file has 300 dots per inch, so the picture measures 1146 x 1032 dots; drawn at
    // 400 (each dot 4/3 pixels, above the enlargement at which pdftoppm smooths images)
    // every picture pixel is a block of 4 x 4 in the picture's own colour.
    const QImage page = RenderPdf(pdf, 400, folder->Path("page400"));
    const QRect picture = BoundsOf(page, ToRgb(settings.backgroundColor));
    QVERIFY2(
        qAbs(picture.width() - 1146 * 4 / 3) <= 1 && qAbs(picture.height() - 1032 * 4 / 3) <= 1,
        qPrintable(QString("%1 x %2").arg(picture.width()).arg(picture.height())));
    const QImage screen = PictureAtOneToOne(window->GetModel());
    int differing = 0;
    for (int y = 1; y <= 343; ++y)
        for (int x = 1; x <= 381; ++x)
            differing += page.pixel(picture.left() + (x - 1) * 4 + 2,
                                    picture.top() + (y - 1) * 4 + 2) != screen.pixel(x, y);
    QVERIFY2(differing == 0, qPrintable(QString::number(differing)));
}

void GraphDlgTest::aPrintJobThatFailsSaysSo() {
    QVERIFY(OpenWindow());
    // The folder the file was to go to is gone by the time the job starts.
    const std::string gone = folder->Path("gone");
    std::filesystem::create_directory(gone);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->findChild<QLineEdit*>("filename")
            ->setText(QString::fromStdString(gone) + "/printed.pdf");
        dialog->accept();
        std::filesystem::remove_all(gone);
    });
    Trigger(GraphCommand::kPrint);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].text, std::string("The graph could not be printed."));
    QCOMPARE(messages.shown[0].caption, std::string("Qualtrixon"));

    // A cancelled dialog prints nothing and says nothing.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    Trigger(GraphCommand::kPrint);
    QCOMPARE(messages.shown.size(), std::size_t(1));
}

void GraphDlgTest::savePictureWritesPngOrPdfOfTheSamePicture() {
    holding.SetSymbol("XYZ");
    QVERIFY(OpenWindow());
    const std::string png = folder->Path("graph.png");
    const std::string pdf = folder->Path("graph.pdf");
    files.answers = {png, pdf};
    Trigger(GraphCommand::kSavePicture);
    Trigger(GraphCommand::kSavePicture);
    QCOMPARE(files.suggestedNames.back(), std::string("XYZ Graph"));
    QCOMPARE(files.lastKinds.size(), std::size_t(2));
    QVERIFY(messages.shown.empty());

    // Drawn anew at three times the size: each NET point is the middle of its own 3 × 3.
    const QImage picture(QString::fromStdString(png));
    QCOMPARE(picture.size(), QSize(1146, 1032));
    const GraphModel& model = window->GetModel().GetModel();
    const QRgb net = ToRgb(settings.plotColors[0]);
    const auto at = [](const QImage& image, int px, int py) {
        return image.pixel((px - 1) * 3 + 1, (py - 1) * 3 + 1);
    };
    for (int j : {5, 25, 50}) {
        const int x = qFloor(j * model.GetPixelStep()) + 61;
        QCOMPARE(at(picture, x, model.GetPixelRow(0, j) + 20), net);
    }
    QCOMPARE(at(picture, 1, 1), ToRgb(settings.backgroundColor));

    // The PDF page draws the same picture at 216 dots per inch, as vectors.
    const QImage page = RenderPdf(pdf, 216, folder->Path("page216"));
    QCOMPARE(page.size(), picture.size());
    for (int j : {5, 25, 50}) {
        const int x = qFloor(j * model.GetPixelStep()) + 61;
        QCOMPARE(at(page, x, model.GetPixelRow(0, j) + 20), net);
    }
    int same = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) same += page.pixel(x, y) == picture.pixel(x, y);
    QVERIFY2(same > page.width() * page.height() * 98 / 100, qPrintable(QString::number(same)));
}

void GraphDlgTest::aFailedSaveSaysSoOverItsOwnWindow() {
    QtMessages boxes;
    QPointer<GraphDlg> first = GraphDlg::Open(rows, holding, settings, boxes, desktop, files);
    QPointer<GraphDlg> second = GraphDlg::Open(rows, holding, settings, boxes, desktop, files);
    QVERIFY(first && second);
    const std::string path = folder->Path("missing/graph.png");
    files.answers = {path};
    QString text;
    QWidget* over = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        over = box->parentWidget();
        box->accept();
    });
    first->GetMenuAction(GraphCommand::kSavePicture)->trigger();
    QCOMPARE(text, QString::fromStdString("The picture could not be written to " + path + "."));
    QCOMPARE(over, first.data());

    // Boxes of other owners (a refused value in the property sheet) go where they would.
    WindowMessages graphBoxes(boxes, second, MessageOwner::kGraph);
    for (const MessageOwner owner : {MessageOwner::kNone, MessageOwner::kGraph}) {
        over = first;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            over = box->parentWidget();
            box->accept();
        });
        graphBoxes.Warning("A warning", "Qualtrixon", owner);
        QCOMPARE(over, owner == MessageOwner::kGraph ? second.data() : nullptr);
    }
}

void GraphDlgTest::copyPicturePutsTheEnlargedPictureOnTheClipboard() {
    QVERIFY(OpenWindow());
    QApplication::clipboard()->clear();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(1146, 1032));
    const std::string png = folder->Path("graph.png");
    files.answers = {png};
    Trigger(GraphCommand::kSavePicture);
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32));
}

void GraphDlgTest::captionsTakeTheHighlightAndCurveColours() {
    settings.colorPlotText = true;
    settings.groupHighlightColor = Rgb(1, 2, 3);
    settings.textHighlightColor = Rgb(4, 5, 6);
    settings.messageHighlightColor = Rgb(7, 8, 9);
    QVERIFY(OpenWindow());
    const struct {
        C control;
        QPalette::ColorRole role;
        ColorRef color;
    } cases[] = {{C::kSelectGroup, QPalette::WindowText, settings.groupHighlightColor},
                 {C::kDriftGroup, QPalette::WindowText, settings.groupHighlightColor},
                 {C::kDateText, QPalette::Text, settings.textHighlightColor},
                 {C::kVolatilityText, QPalette::Text, settings.textHighlightColor},
                 {C::kReadout, QPalette::WindowText, settings.messageHighlightColor},
                 {C::kNetBox, QPalette::WindowText, settings.plotColors[0]},
                 {C::kOption2Box, QPalette::WindowText, settings.plotColors[2]},
                 {C::kStockBox, QPalette::WindowText, settings.plotColors[5]}};
    for (const auto& c : cases)
        QVERIFY2(W(c.control)->palette().color(c.role).rgb() == ToRgb(c.color),
                 qPrintable(QString("control %1").arg(static_cast<int>(c.control))));
    QVERIFY(W(C::kDeltaBox)->palette().color(QPalette::WindowText).rgb() !=
            ToRgb(settings.groupHighlightColor));
}

void GraphDlgTest::propertiesAreAppliedWhateverTheSheetEndsWith() {
    QVERIFY(OpenWindow());
    QCOMPARE(window->GetModel().GetModel().GetPointCount(), 60);
    for (const bool ok : {false, true}) {
        // Settings another window changed meanwhile reach this one after the sheet.
        settings.resolution = ok ? 50 : 100;
        settings.plotColors[0] = ok ? Rgb(9, 99, 199) : Rgb(200, 30, 90);
        settings.colorPlotText = !ok;
        QWidget* sheetParent = nullptr;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<PropSheet*>(QApplication::activeModalWidget());
            if (!sheet) return;
            sheetParent = sheet->parentWidget();
            ok ? sheet->accept() : sheet->reject();
        });
        Trigger(GraphCommand::kProperties);
        QCOMPARE(sheetParent, static_cast<QWidget*>(window.data()));
        QCOMPARE(window->GetModel().GetModel().GetPointCount(), ok ? 150 : 300);
        QVERIFY(CurveShownAsComputed(GraphModel::kNetRow));
        const QColor caption = W(C::kNetBox)->palette().color(QPalette::WindowText);
        QCOMPARE(caption.rgb() == ToRgb(settings.plotColors[0]), !ok);
    }
}

void GraphDlgTest::helpCommandsReachTheDesktopAndTheAboutBox() {
    QVERIFY(OpenWindow());
    Trigger(GraphCommand::kContents);
    Trigger(GraphCommand::kHomePage);
    QCOMPARE(desktop.helpPages, std::vector<std::string>{kHelpContentsPage});
    QCOMPARE(desktop.addresses, std::vector<std::string>{kHomePageAddress});
    QWidget* aboutParent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDlg*>(QApplication::activeModalWidget());
        if (!about) return;
        aboutParent = about->parentWidget();
        about->accept();
    });
    Trigger(GraphCommand::kAbout);
    QCOMPARE(aboutParent, static_cast<QWidget*>(window.data()));
}

void GraphDlgTest::escapeClosesAndDeletesTheWindow() {
    QVERIFY(OpenWindow());
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

}  // namespace qx

QTEST_MAIN(qx::GraphDlgTest)
#include "graph_dlg_test.moc"
