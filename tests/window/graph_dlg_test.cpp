#include "graph/window/graph_dlg.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
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
#include "graph/plot_geometry.h"
#include "graph/reference_store.h"
#include "graph/window/plot_view.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/titled_group_box.h"
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
    QImage picture = QPainterCanvas::NewPicture(kPictureWidth + 1, kPictureHeight + 1);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    model.DrawPictureCopy(canvas);
    return picture;
}

// A page of a PDF file as pdftoppm draws it, without smoothing, at dpi dots per inch; a
// null image when the file has no such page.
QImage RenderPdf(const std::string& pdf, int dpi, const std::string& prefix, int page = 1) {
    const QString number = QString::number(page);
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no",
                                   "-png", "-singlefile", "-f", number, "-l", number,
                                   QString::fromStdString(pdf), QString::fromStdString(prefix)});
    return QImage(QString::fromStdString(prefix + ".png")).convertToFormat(QImage::Format_RGB32);
}

// Runs answer on the next modal dialog of type D as soon as it is up.
template <class D>
void AnswerNext(const std::function<void(D*)>& answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) answer(dialog);
    });
}

// The smallest rectangle holding every pixel of a colour.
QRect BoundsOf(const QImage& image, QRgb color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The number of pixels of a colour.
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
    void eachGraphCommandOfTheMainWindowOpensAWindowOfItsOwn();
    void boxesAndSlidersRedrawThePicture();
    void menuMarksFollowTheirCommands();
    void readoutShowsThePicturePixelUnderTheMouse();
    void crosshairIsOnScreenOnlyAndTheRightButtonClearsIt();
    void printingPutsTheHeaderAndTheWidePictureOnOnePage();
    void printedPageCarriesTheKeptReference();
    void aPrintJobThatFailsSaysSo();
    void savePictureWritesPngOrPdfOfTheSamePicture();
    void dialogsAndFailuresAppearOverTheirOwnWindow();
    void captionsTakeTheHighlightAndCurveColours();
    void propertiesAreAppliedWhateverTheSheetEndsWith();
    void helpAboutAndEscapeReachWhatTheMainWindowsDo();
    void summaryLineUnderThePictureFollowsTheSlidersAndBoxes();
    void keyboardStartsAtNetAndArrowsWalkTheReadout();
    void windowGrowsWithItsPictureFromTheSizeItOpensAt();

  private:
    GraphDlg* OpenWindow();
    QWidget* W(C control) const { return window->GetControlWidget(control); }
    bool Checked(C control) const {
        return qobject_cast<QAbstractButton*>(W(control))->isChecked();
    }
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
    Settings settings = WholeDaySettings();
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
    settings = WholeDaySettings();
    settings.backgroundColor = Rgb(250, 240, 200);
    settings.crosshairColor = Rgb(12, 200, 34);  // found nowhere else in the picture
    // One date, so that every curve point drawn is one the model computed at the slider's.
    settings.showExpiration = false;
    messages = RecordingMessages();
    desktop = RecordingDesktop();
    files = ScriptedFileChooser();
    // Valued 1 March 2000: a call expiring 30 days later, two sold puts 60 days later.
    const CTime valuation(2000, 3, 1);
    rows[0] = MakeCall(100, 0);
    rows[0].SetDates(valuation, valuation.AddDays(29));
    rows[1] = MakePut(95, 0, Side::kSell, 2);
    rows[1].SetDates(valuation, valuation.AddDays(59));
    rows[2] = rows[3] = Option();
    holding = MakeHolding();
}

void GraphDlgTest::cleanup() {
    QList<QPointer<GraphDlg>> graphs;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* graph = qobject_cast<GraphDlg*>(top)) graphs << graph;
    for (const QPointer<GraphDlg>& graph : graphs) delete graph.data();
    ReferenceStore::Session().Clear(std::string());
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
        if (!shownNear(x, r + model.GetGeometry().plotTop)) return false;
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
        const char* captions[4];
    } cases[] = {
        {false, {"Buy 1 Mar 2000 100 call", "Sell 2 Apr 2000 95 puts", "Option 3", "Option 4"}},
        {true, {"Sell 2 Apr 2000 95 puts", "Option 2", "Option 3", "Option 4"}}};
    for (const auto& c : cases) {
        if (c.firstEmpty) rows[0] = Option();
        QVERIFY(OpenWindow());
        QCOMPARE(window->windowTitle(), QString("Graph"));
        QVERIFY(!window->isModal() && !window->parentWidget());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        const C boxes[] = {C::kOption1Box, C::kOption2Box, C::kOption3Box, C::kOption4Box};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(qobject_cast<QAbstractButton*>(W(boxes[k]))->text(), QString(c.captions[k]));
            QCOMPARE(W(boxes[k])->isEnabled(), k < (c.firstEmpty ? 1 : 2));
        }
        QVERIFY(Checked(C::kNetBox) && CurveShownAsComputed(GraphModel::kNetCurve));
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

void GraphDlgTest::eachGraphCommandOfTheMainWindowOpensAWindowOfItsOwn() {
    StoppedClock clock;
    EditorDlg editor(settings, messages, desktop, files, clock);
    editor.show();
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    // A bought put entered in the first row as a user types it; a null text is a click.
    const struct {
        EditorControl control;
        const char* keys;
    } entries[] = {{EditorControl::kPrice, "50"},
                   {RowControlId(0, RowControl::kRowChoice), "1"},
                   {RowControlId(0, RowControl::kExpires), "mar 1999"},
                   {RowControlId(0, RowControl::kStrike), "55"},
                   {RowControlId(0, RowControl::kPutButton), nullptr},
                   {RowControlId(0, RowControl::kRowPrice), "4"},
                   {RowControlId(0, RowControl::kContracts), "3"},
                   {RowControlId(0, RowControl::kRowBuy), nullptr}};
    for (const auto& entry : entries) {
        QWidget* widget = editor.GetControlWidget(entry.control);
        widget->setFocus(Qt::TabFocusReason);
        if (entry.keys) {
            QTest::keyClicks(widget, entry.keys);
            QTest::keyClick(widget, Qt::Key_Tab);
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
    }
    QList<QPointer<GraphDlg>> graphs;
    for (int opened = 1; opened <= 2; ++opened) {
        QTest::mouseClick(editor.GetControlWidget(EditorControl::kGraphButton), Qt::LeftButton);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* graph = qobject_cast<GraphDlg*>(top); graph && !graphs.contains(graph))
                graphs << graph;
        QCOMPARE(graphs.size(), opened);
        QVERIFY(graphs.last()->isVisible());
        const Option& option = graphs.last()->GetModel().GetModel().GetOption(1);
        QVERIFY(option.GetStrike() == 55 && option.GetContracts() == 3);
    }
    // Each works on copies of its own; closing one leaves the other and the main window.
    qobject_cast<QSlider*>(graphs[1]->GetControlWidget(C::kVolatilitySlider))->setValue(60);
    QCOMPARE(graphs[0]->GetModel().GetModel().GetOption(1).GetVolatility(), 0.15);
    graphs[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!graphs[1] && graphs[0]->isVisible() && editor.isVisible());
}

void GraphDlgTest::boxesAndSlidersRedrawThePicture() {
    QVERIFY(OpenWindow());
    const GraphModel& model = window->GetModel().GetModel();
    Click(C::kOption1Box);
    // Each change through the keyboard draws the curves where the model now puts them.
    const struct {
        C control;
        Qt::Key key;
        GraphType type;
    } steps[] = {{C::kDeltaBox, Qt::Key_Space, GraphType::Delta},
                 {C::kGammaBox, Qt::Key_Space, GraphType::Gamma},
                 {C::kGammaBox, Qt::Key_Space, GraphType::ValueOrProfit},
                 {C::kDateSlider, Qt::Key_PageDown, GraphType::ValueOrProfit},
                 {C::kVolatilitySlider, Qt::Key_PageUp, GraphType::ValueOrProfit},
                 {C::kDriftSlider, Qt::Key_PageUp, GraphType::ValueOrProfit}};
    for (const auto& step : steps) {
        const int before = model.GetPixelRow(1, 20);
        W(step.control)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(W(step.control), step.key);
        const QByteArray where = QByteArray::number(static_cast<int>(step.control));
        QVERIFY2(model.GetGraphType() == step.type, where);
        QVERIFY2(Checked(C::kDeltaBox) == (step.type == GraphType::Delta), where);
        QVERIFY2(model.GetPixelRow(1, 20) != before, where);
        QVERIFY2(CurveShownAsComputed(1) && CurveShownAsComputed(0), where);
    }
    // A page down from the 29th day the Delta graph left, ten up from 0.300 and from 0 %.
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
    QAction* percent = window->GetMenuAction(GraphCommand::kPercentScaled);
    Trigger(GraphCommand::kPercentScaled);
    QVERIFY(settings.percentScaled && percent->isChecked());
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
                 {GraphCommand::kCopyPicture, "Copy Picture"},
                 {GraphCommand::kShowValue, "Settings > Options > Show Value"},
                 {GraphCommand::kShareWeighted, "Settings > Greeks > Share Weighted"},
                 {GraphCommand::kPercentScaled, "Settings > % Scaled X-axis"},
                 {GraphCommand::kHomePage, "Help > Home Page"}};
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

void GraphDlgTest::printingPutsTheHeaderAndTheWidePictureOnOnePage() {
    holding.SetSymbol("XYZ");
    QVERIFY(OpenWindow());
    for (const bool screenColours : {false, true}) {
        const std::string pdf = folder->Path(screenColours ? "screen.pdf" : "paper.pdf");
        if (screenColours != settings.printScreenColors) Trigger(GraphCommand::kPrintScreenColors);
        bool offered = false;
        AnswerNext<QPrintDialog>([&](QPrintDialog* dialog) {
            offered = dialog->testOption(QAbstractPrintDialog::PrintToFile) &&
                      !dialog->testOption(QAbstractPrintDialog::PrintPageRange) &&
                      !dialog->testOption(QAbstractPrintDialog::PrintSelection);
            dialog->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(pdf));
            dialog->accept();
        });
        Trigger(GraphCommand::kPrint);
        QVERIFY(offered && messages.shown.empty());
        QVERIFY(RenderPdf(pdf, 4, folder->Path("second"), 2).isNull());  // one page

        // On paper the picture's background is white, on screen colours its own; either
        // way it spans the printable width, below the header's lines.
        const QImage page = RenderPdf(pdf, 50, folder->Path(screenColours ? "s50" : "p50"));
        const QRgb background =
            screenColours ? ToRgb(settings.backgroundColor) : qRgb(255, 255, 255);
        QCOMPARE(CountColor(page, ToRgb(settings.backgroundColor)) > 0, screenColours);
        const QRect picture = BoundsOf(page, ToRgb(settings.plotColors[0]));
        QVERIFY2(picture.width() > page.width() * 6 / 10,
                 qPrintable(QString("%1 of %2").arg(picture.width()).arg(page.width())));
        QVERIFY(picture.top() > page.height() / 10);
        QCOMPARE(page.pixel(page.width() / 2, page.height() - 5), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(picture.left(), picture.bottom() + 2) == background, true);
    }
    QProcess text;
    text.start("pdftotext", {QString::fromStdString(folder->Path("paper.pdf")), "-"});
    QVERIFY(text.waitForFinished());
    const QString header = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(header.contains("Untitled") && header.contains("XYZ") &&
                 header.contains("Buy 1 Mar 2000 100 call at 5.00") &&
                 header.contains("Break-even"),
             qPrintable(header));
}

void GraphDlgTest::printedPageCarriesTheKeptReference() {
    // A kept reference is drawn in the windows opened after, and printed as shown.
    QVERIFY(OpenWindow());
    Trigger(GraphCommand::kKeepReference);
    delete window;
    QVERIFY(OpenWindow());
    const std::string pdf = folder->Path("reference.pdf");
    AnswerNext<QPrintDialog>([&](QPrintDialog* dialog) {
        dialog->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(pdf));
        dialog->accept();
    });
    Trigger(GraphCommand::kPrint);
    const QImage page = RenderPdf(pdf, 50, folder->Path("reference"));
    QVERIFY(CountColor(page, ToRgb(PositionReference::kReferenceColor)) > 0);
}

void GraphDlgTest::aPrintJobThatFailsSaysSo() {
    QVERIFY(OpenWindow());
    // The folder the file was to go to is gone by the time the job starts.
    const std::string gone = folder->Path("gone");
    std::filesystem::create_directory(gone);
    AnswerNext<QPrintDialog>([&](QPrintDialog* dialog) {
        dialog->findChild<QLineEdit*>("filename")
            ->setText(QString::fromStdString(gone) + "/printed.pdf");
        dialog->accept();
        std::filesystem::remove_all(gone);
    });
    Trigger(GraphCommand::kPrint);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].text, std::string("The graph could not be printed."));
    QCOMPARE(messages.shown[0].caption, std::string("Qualtrixon"));

    AnswerNext<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    Trigger(GraphCommand::kPrint);  // cancelled: nothing printed, nothing said
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

    // Drawn anew at three times the size: each NET point is the middle of its own 3 x 3,
    // in the PNG and in the PDF page drawn at 216 dots per inch.
    const QImage picture(QString::fromStdString(png));
    const QImage page = RenderPdf(pdf, 216, folder->Path("page216"));
    // With the summary's lines under it, in as many rows as they take across the picture.
    QCOMPARE(picture.width(), 1146);
    QVERIFY(picture.height() >= 1152);
    QCOMPARE(page.size(), picture.size());
    const GraphModel& model = window->GetModel().GetModel();
    for (const QImage& image : {picture, page}) {
        QCOMPARE(image.pixel(1, 1), ToRgb(settings.backgroundColor));
        for (int j : {5, 25, 50}) {
            const int x = qFloor(j * model.GetPixelStep()) + 61;
            const int y = model.GetPixelRow(0, j) + model.GetGeometry().plotTop;
            QCOMPARE(image.pixel((x - 1) * 3 + 1, (y - 1) * 3 + 1), ToRgb(settings.plotColors[0]));
        }
    }
    int same = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) same += page.pixel(x, y) == picture.pixel(x, y);
    QVERIFY2(same > page.width() * page.height() * 98 / 100, qPrintable(QString::number(same)));

    // Copy Picture puts the same picture on the clipboard.
    QApplication::clipboard()->clear();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));
}

void GraphDlgTest::dialogsAndFailuresAppearOverTheirOwnWindow() {
    QtMessages boxes;
    QPointer<GraphDlg> first = GraphDlg::Open(rows, holding, settings, boxes, desktop, files);
    QPointer<GraphDlg> second = GraphDlg::Open(rows, holding, settings, boxes, desktop, files);
    QVERIFY(first && second);
    const std::string path = folder->Path("missing/graph.png");
    files.answers = {path};
    QString text;
    QWidget* over = nullptr;
    const auto readBox = [&](QMessageBox* box) {
        text = box->text();
        over = box->parentWidget();
        box->accept();
    };
    AnswerNext<QMessageBox>(readBox);
    first->GetMenuAction(GraphCommand::kSavePicture)->trigger();
    QCOMPARE(text, QString::fromStdString("The picture could not be written to " + path + "."));
    QCOMPARE(over, first.data());

    // Boxes of other owners (a refused value in the property sheet) go where they would.
    WindowMessages graphBoxes(boxes, second, MessageOwner::kGraph);
    for (const MessageOwner owner : {MessageOwner::kNone, MessageOwner::kGraph}) {
        AnswerNext<QMessageBox>(readBox);
        graphBoxes.Warning("A warning", "Qualtrixon", owner);
        QCOMPARE(over, owner == MessageOwner::kGraph ? second.data() : nullptr);
    }

    // The desktop's file dialog too, which then goes back to the main window.
    QWidget mainWindow;
    QtFileChooser desktopFiles(QString::fromStdString(folder->Path("")));
    desktopFiles.SetParentWindow(&mainWindow);
    QPointer<GraphDlg> third =
        GraphDlg::Open(rows, holding, settings, boxes, desktop, desktopFiles);
    AnswerNext<QFileDialog>([&](QFileDialog* dialog) {
        over = dialog->parentWidget();
        dialog->reject();
    });
    third->GetMenuAction(GraphCommand::kSavePicture)->trigger();
    QCOMPARE(over, third.data());
    QCOMPARE(desktopFiles.ParentWindow(), &mainWindow);
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
    } cases[] = {{C::kDriftGroup, QPalette::WindowText, settings.groupHighlightColor},
                 {C::kDateText, QPalette::Text, settings.textHighlightColor},
                 {C::kReadout, QPalette::WindowText, settings.messageHighlightColor},
                 {C::kOption2Box, QPalette::WindowText, settings.plotColors[2]}};
    for (const auto& c : cases) {
        auto* group = dynamic_cast<TitledGroupBox*>(W(c.control));
        const QColor shown = group ? group->GetTitleColor() : W(c.control)->palette().color(c.role);
        QVERIFY2(shown.rgb() == ToRgb(c.color),
                 qPrintable(QString("control %1").arg(static_cast<int>(c.control))));
    }
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
        AnswerNext<PropSheet>([&](PropSheet* sheet) {
            sheetParent = sheet->parentWidget();
            ok ? sheet->accept() : sheet->reject();
        });
        Trigger(GraphCommand::kProperties);
        QCOMPARE(sheetParent, static_cast<QWidget*>(window.data()));
        QCOMPARE(window->GetModel().GetModel().GetPointCount(), ok ? 150 : 300);
        QVERIFY(CurveShownAsComputed(GraphModel::kNetCurve));
        const QColor caption = W(C::kNetBox)->palette().color(QPalette::WindowText);
        QCOMPARE(caption.rgb() == ToRgb(settings.plotColors[0]), !ok);
    }
}

void GraphDlgTest::helpAboutAndEscapeReachWhatTheMainWindowsDo() {
    QVERIFY(OpenWindow());
    Trigger(GraphCommand::kContents);
    Trigger(GraphCommand::kHomePage);
    QCOMPARE(desktop.helpPages, std::vector<std::string>{kHelpContentsPage});
    QCOMPARE(desktop.addresses, std::vector<std::string>{kHomePageAddress});
    QWidget* aboutParent = nullptr;
    AnswerNext<AboutDlg>([&](AboutDlg* about) {
        aboutParent = about->parentWidget();
        about->accept();
    });
    Trigger(GraphCommand::kAbout);
    QCOMPARE(aboutParent, static_cast<QWidget*>(window.data()));

    QTest::keyClick(window, Qt::Key_Escape);  // the window closes and is gone
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

void GraphDlgTest::summaryLineUnderThePictureFollowsTheSlidersAndBoxes() {
    QVERIFY(OpenWindow());
    auto* line = qobject_cast<QLabel*>(W(C::kSummary));
    QVERIFY(line);
    const auto model = [this] {
        return QString::fromStdString(window->GetModel().GetControl(C::kSummary).text);
    };
    // Under the picture, and wide enough for the whole line.
    const QWidget* plot = window->GetPlotView();
    QVERIFY(line->mapTo(window, QPoint()).y() >=
            plot->mapTo(window, QPoint(0, plot->height())).y());
    QVERIFY(line->text().startsWith("Break-even "));
    QCOMPARE(line->text(), model());
    // A screen reader reads the line itself.
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
    QVERIFY(qobject_cast<QLabel*>(W(C::kGreeks))->text().startsWith("Delta "));
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
    const QSize size = window->size();

    QString before = line->text();
    W(C::kVolatilitySlider)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(W(C::kVolatilitySlider), Qt::Key_PageUp);
    QVERIFY(line->text() != before);
    QCOMPARE(line->text(), model());
    before = line->text();
    W(C::kDateSlider)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(W(C::kDateSlider), Qt::Key_PageDown);
    QVERIFY(line->text() != before);
    QCOMPARE(line->text(), model());

    // Beside a Greek, and without NET, the line is empty; the window keeps its size.
    Click(C::kDeltaBox);
    QCOMPARE(line->text(), QString());
    Click(C::kDeltaBox);
    QCOMPARE(line->text(), model());
    Click(C::kNetBox);
    QCOMPARE(line->text(), QString());
    QCOMPARE(window->size(), size);
}

void GraphDlgTest::keyboardStartsAtNetAndArrowsWalkTheReadout() {
    QVERIFY(OpenWindow());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), W(C::kNetBox));
    PlotView* plot = window->GetPlotView();
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(plot));
    const PlotRenderer& renderer = window->GetModel().GetRenderer();
    const int x = renderer.GetCrosshairX();
    QTest::keyClick(plot, Qt::Key_Right);
    QVERIFY(renderer.GetCrosshairX() > x);
    QVERIFY(Readout().startsWith("Price$ : "));
    QCOMPARE(Readout(), QString::fromStdString(
                            renderer.Readout(renderer.GetCrosshairX(), renderer.GetCrosshairY())));
}

void GraphDlgTest::windowGrowsWithItsPictureFromTheSizeItOpensAt() {
    QVERIFY(OpenWindow());
    PlotView* plot = window->GetPlotView();
    const GraphModel& model = window->GetModel().GetModel();
    const QSize opened = window->size();
    QCOMPARE(window->minimumSize(), opened);
    QCOMPARE(plot->size(), QSize(kPictureWidth + 1, kPictureHeight + 1));
    const QFont font = W(C::kReadout)->font();

    window->resize(opened + QSize(300, 200));
    QTRY_COMPARE(plot->size(), QSize(kPictureWidth + 301, kPictureHeight + 201));
    QCOMPARE(model.GetGeometry().pictureWidth, kPictureWidth + 300);
    QCOMPARE(model.GetGeometry().pictureHeight, kPictureHeight + 200);
    QVERIFY(CurveShownAsComputed(0));
    const QPoint corner(model.GetGeometry().plotRight - 1, model.GetGeometry().plotBottom - 1);
    MoveMouse(plot, corner);
    QCOMPARE(Readout(), QString::fromStdString(
                            window->GetModel().GetRenderer().Readout(corner.x(), corner.y())));
    QVERIFY(!Readout().isEmpty());
    QCOMPARE(W(C::kReadout)->font(), font);

    window->resize(opened - QSize(100, 100));
    QTRY_COMPARE(window->size(), opened);
    QCOMPARE(model.GetGeometry().pictureWidth, kPictureWidth);
}

}  // namespace qx

QTEST_MAIN(qx::GraphDlgTest)
#include "graph_dlg_test.moc"
