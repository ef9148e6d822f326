#include "graph/window/graph_dlg.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QSlider>
#include <QVBoxLayout>

#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "graph/reference_store.h"
#include "graph/window/picture_output.h"
#include "graph/window/plot_view.h"
#include "graph/window/profit_table_dlg.h"
#include "platform/qt/control_binding.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/menu_binding.h"
#include "platform/qt/qt_color.h"
#include "prefs/window/prop_sheet.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "shell/window/about_dlg.h"

namespace qx {

namespace {

using C = GraphControl;

// A file has no dots of its own: it is printed with those of an everyday office printer,
// so the graph measures on the page what it would on paper.
constexpr int kFilePrinterResolution = 300;

// The menu bar: the picture's three commands on the bar itself, then two menus.
std::vector<MenuBinding<GraphCommand>::Entry> GraphMenus() {
    using G = GraphCommand;
    const MenuBinding<G>::Entry separator;
    return {
        {"&Print", G::kPrint, QKeySequence::Print},
        {"Sa&ve Picture...", G::kSavePicture, QKeySequence::Save},
        {"&Copy Picture", G::kCopyPicture, QKeySequence::Copy},
        {"Profit &Table", G::kProfitTable},
        {"&Reference",
         {{"&Keep as Reference", G::kKeepReference},
          {"&Clear Reference", G::kClearReference},
          {"Show &Difference from Reference", G::kShowDifference}}},
        {"&Settings",
         {{"&Options",
           {{"Probability Weighted", G::kProbabilityWeighted},
            {"Show Profit", G::kShowProfit},
            {"Show Value", G::kShowValue}}},
          {"&Greeks", {{"Share Weighted", G::kShareWeighted}}},
          {"% Scaled X-axis", G::kPercentScaled},
          {"Second Deviation Band", G::kSecondDeviation},
          {"Print in screen colours", G::kPrintScreenColors},
          {"Value legs at their implied volatility", G::kImpliedVolatilityLegs},
          separator,
          {"Properties", G::kProperties}}},
        {"&Dates",
         {{"&Pin Date", G::kPinDate, QKeySequence(Qt::CTRL | Qt::Key_D)},
          {"C&lear Pinned Dates", G::kClearPinnedDates},
          {"Show &Expiration", G::kShowExpiration}}},
        {"&Help",
         {{"Contents", G::kContents, QKeySequence::HelpContents},
          {"Home Page", G::kHomePage},
          separator,
          {"&About", G::kAbout}}},
    };
}

// The curve boxes, whose captions may take their curves' colours.
const C kCurveBoxes[] = {C::kNetBox,     C::kOption1Box, C::kOption2Box,
                         C::kOption3Box, C::kOption4Box, C::kStockBox};

}  // namespace

GraphDlg* GraphDlg::Open(const Option (&options)[kOptionSlots], const Stock& stock,
                         Settings& settings, Messages& messages, Desktop& desktop,
                         FileChooser& files, const std::string& document) {
    auto* window = new GraphDlg(options, stock, settings, messages, desktop, files);
    window->document = document;
    window->model->AttachReference(ReferenceStore::Session(), document);
    if (!window->model->Open()) {
        delete window;
        return nullptr;
    }
    window->MirrorModel();
    // It opens at the size its contents ask for, with the smallest picture, and never
    // gets smaller.
    window->setMinimumSize(window->sizeHint());
    window->show();
    // The keyboard starts at the first choice a user makes.
    window->GetControlWidget(GraphControl::kNetBox)->setFocus(Qt::OtherFocusReason);
    return window;
}

GraphDlg::GraphDlg(const Option (&options)[kOptionSlots], const Stock& stock,
                   Settings& settingsRecord, Messages& messageBoxes, Desktop& desktop,
                   FileChooser& fileChooser)
    : QDialog(nullptr),
      settings(settingsRecord),
      appMessages(messageBoxes),
      appFiles(fileChooser),
      messages(messageBoxes, this, MessageOwner::kGraph),
      files(fileChooser, this),
      model(std::make_unique<GraphWindowModel>(options, stock, settingsRecord, messages, desktop)) {
    // A window of its own on the desktop, not owned by the window that opened it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Graph"));
    setObjectName(QStringLiteral("graph"));
    // Moving over the window away from the picture empties the readout.
    setMouseTracking(true);

    binding = new ControlBinding(
        ForwardEvents(*model, [this](auto... request) { Handle(request...); }), this);

    BuildLayout();
    ApplyColors();
}

void GraphDlg::BuildLayout() {
    menus = new MenuBinding<GraphCommand>(*model, this, &GraphDlg::RunCommand);
    QMenuBar* menuBar = menus->Build(GraphMenus(), this);
    // The curve and type choices down the left, the picture beside them, and the three
    // what-if sliders in a row beneath.
    auto* left = new QVBoxLayout;
    left->addWidget(BuildBoxGroup(C::kSelectGroup, {C::kNetBox, C::kOption1Box, C::kOption2Box,
                                                    C::kOption3Box, C::kOption4Box, C::kStockBox}));
    left->addWidget(BuildBoxGroup(
        C::kTypeGroup, {C::kDeltaBox, C::kGammaBox, C::kThetaBox, C::kVegaBox, C::kRhoBox}));
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(DialogUnits(*this, 4, 0).width());
    top->addWidget(BuildPlot(), 1);
    auto* sliders = new QHBoxLayout;
    sliders->addWidget(BuildSliderGroup(C::kDateGroup, C::kDateSlider, C::kDateText), 1);
    sliders->addWidget(
        BuildSliderGroup(C::kVolatilityGroup, C::kVolatilitySlider, C::kVolatilityText), 1);
    sliders->addWidget(BuildSliderGroup(C::kDriftGroup, C::kDriftSlider, C::kDriftText), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    // Whatever the window grows by goes to the picture.
    layout->addLayout(top, 1);
    layout->addWidget(BuildSummary(C::kSummary, 3));
    layout->addWidget(BuildSummary(C::kGreeks, 1));
    layout->addLayout(sliders);
}

GraphDlg::~GraphDlg() {
    // The picture goes before the model: hiding a window under the mouse tells the
    // picture the mouse left it, which it would report to a model already gone. The
    // binding must not read widgets while the window's children go away.
    delete plot;
    delete binding;
}

QWidget* GraphDlg::GetControlWidget(GraphControl control) const { return binding->Widget(control); }

QAction* GraphDlg::GetMenuAction(GraphCommand command) const { return menus->Action(command); }

QGroupBox* GraphDlg::BuildBoxGroup(GraphControl control,
                                   std::initializer_list<GraphControl> boxes) {
    QGroupBox* group = binding->Group(control, this);
    auto* column = new QVBoxLayout(group);
    for (GraphControl box : boxes) column->addWidget(binding->CheckBox(box, group));
    group->setMinimumWidth(DialogUnits(*this, 125, 0).width());
    return group;
}

QGroupBox* GraphDlg::BuildSliderGroup(GraphControl control, GraphControl slider,
                                      GraphControl text) {
    QGroupBox* group = binding->Group(control, this);
    auto* row = new QHBoxLayout(group);
    QSlider* bar = binding->Slider(slider, group);
    QLineEdit* value = binding->ResultBox(text, group);
    value->setFixedWidth(DialogUnits(*this, 50, 0).width());
    // The group's caption names both for a screen reader.
    const QString name = QString::fromStdString(model->GetControl(control).text);
    bar->setAccessibleName(name);
    value->setAccessibleName(name);
    row->addWidget(bar, 1);
    row->addWidget(value);
    return group;
}

QWidget* GraphDlg::BuildPlot() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    QLabel* readout = binding->Label(C::kReadout, panel);
    readout->setAlignment(Qt::AlignCenter);
    // A readout of many curves and dates runs onto a second line at the smallest size;
    // the room for both is kept, so the readout never changes the window's size.
    readout->setWordWrap(true);
    readout->setFixedHeight(2 * readout->fontMetrics().lineSpacing());
    readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    column->addWidget(readout);
    PlotView::Handlers mouse;
    mouse.move = [this](QPoint point, int flags) { MouseMoved(point, flags); };
    mouse.press = [this](QPoint point, Qt::MouseButton button) { MousePressed(point, button); };
    mouse.step = [this](int steps) {
        model->StepCrosshair(steps);
        MirrorModel();
    };
    mouse.resize = [this](QSize picture) {
        model->ResizePicture(picture.width(), picture.height());
        MirrorModel();
    };
    plot = new PlotView(*model, std::move(mouse), panel);
    plot->setAccessibleName(QStringLiteral("Graph picture"));
    column->addWidget(plot);
    return panel;
}

QLabel* GraphDlg::BuildSummary(GraphControl control, int lines) {
    QLabel* line = binding->Label(control, this);
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A line with many break-evens wraps onto a second, a kept reference's summary
    // follows on the next; the room for it is kept whether
    // the line is long, short or empty, so that no change resizes the window. A screen
    // reader reads the line itself, its text being its accessible name.
    line->setWordWrap(true);
    line->setFixedHeight(lines * line->fontMetrics().lineSpacing());
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

void GraphDlg::ApplyColors() {
    binding->SetHighlightColors({settings.groupHighlightColor, settings.textHighlightColor,
                                 settings.messageHighlightColor});
    for (C box : kCurveBoxes) {
        const int curve = model->CaptionPlotColor(box);
        if (curve < 0) continue;
        QWidget* widget = binding->Widget(box);
        QPalette palette = widget->palette();
        const QColor color = ToQColor(settings.plotColors[curve]);
        // The caption only: the check mark keeps its own colour.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, color);
            palette.setColor(group, QPalette::ButtonText, color);
        }
        widget->setPalette(palette);
    }
}

void GraphDlg::MirrorModel() {
    binding->MirrorAll<GraphControl>(*model);
    menus->Mirror();
    plot->update();
}

void GraphDlg::MouseMoved(QPoint point, int flags) {
    model->MouseMove(point.x() + kPictureLeft, point.y() + kPictureTop, flags);
    MirrorModel();
}

void GraphDlg::MousePressed(QPoint point, Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        model->LeftButtonDown(point.x() + kPictureLeft, point.y() + kPictureTop);
    else if (button == Qt::RightButton)
        model->RightButtonDown();
    MirrorModel();
}

void GraphDlg::mouseMoveEvent(QMouseEvent* event) {
    MouseMoved(PlotView::PicturePoint(plot->mapFrom(this, event->position())),
               PlotView::Flags(*event));
}

void GraphDlg::mousePressEvent(QMouseEvent* event) {
    MousePressed(PlotView::PicturePoint(plot->mapFrom(this, event->position())), event->button());
}

void GraphDlg::RunCommand(GraphCommand command) { Handle(model->Command(command)); }

void GraphDlg::Handle(GraphRequest request) {
    switch (request) {
        case GraphRequest::kNone: break;
        case GraphRequest::kPrint: Print(); break;
        case GraphRequest::kRunProperties: RunProperties(); break;
        case GraphRequest::kShowAbout: AboutDlg(settings, this).exec(); break;
        case GraphRequest::kSavePicture: SavePictureAs(); break;
        case GraphRequest::kCopyPicture: CopyPicture(); break;
        case GraphRequest::kOpenProfitTable: OpenProfitTable(); break;
        case GraphRequest::kClose: QDialog::reject(); return;
    }
    MirrorModel();
}

void GraphDlg::reject() { RunCommand(GraphCommand::kCancel); }

void GraphDlg::RunProperties() {
    PropSheet(settings, messages, this).exec();
    model->AfterProperties();
    ApplyColors();
}

void GraphDlg::Print() {
    QPrinter printer(QPrinter::PrinterResolution);
    QPrintDialog dialog(&printer, this);
    // One page: no page numbers, no selection; printing to a file stays available for
    // a desktop whose only printer is a file.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(kFilePrinterResolution);
    if (!PrintPicture(*model, printer, settings, Document::NameOf(document))) model->PrintFailed();
}

void GraphDlg::SavePictureAs() {
    const std::string path = files.ChooseFileToWrite(
        "Save Picture", GraphWindowModel::PictureKinds(), model->SuggestedPictureName());
    if (path.empty()) return;
    if (!SavePicture(*model, path, GraphWindowModel::PictureFormatOf(path)))
        model->PictureNotSaved(path);
}

void GraphDlg::OpenProfitTable() {
    const PositionReference& own = model->GetReference();
    ProfitTableDlg::Open(own.GetOwnOptions(), own.GetOwnStock(), settings, appMessages, appFiles,
                         document);
}

void GraphDlg::CopyPicture() { QGuiApplication::clipboard()->setImage(ReportPicture(*model)); }

}  // namespace qx
