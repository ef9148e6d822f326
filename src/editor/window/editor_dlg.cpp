#include "editor/window/editor_dlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <initializer_list>

#include "editor/editor_model.h"
#include "graph/window/graph_dlg.h"
#include "graph/window/profit_table_dlg.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/qt/control_binding.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/menu_binding.h"
#include "prefs/window/prop_sheet.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "shell/window/about_dlg.h"
#include "shell/window/notes_dlg.h"
#include "tracker/window/tracker_dlg.h"

namespace qx {

namespace {

using C = EditorControl;
using R = RowControl;

// The menu bar. The shortcuts are the same on every desktop, so the help's list of keys
// holds everywhere.
std::vector<MenuBinding<EditorCommand>::Entry> EditorMenus() {
    using E = EditorCommand;
    const MenuBinding<E>::Entry separator;
    std::vector<MenuBinding<E>::Entry> strategies;
    for (int i = 0; i < kStrategyCount; ++i) {
        const auto strategy = static_cast<Strategy>(i);
        strategies.push_back({StrategyTemplate::Of(strategy).name, StrategyCommand(strategy)});
    }
    return {
        {"&File",
         {{"&New", E::kNew, "Ctrl+N"},
          {"&Open", E::kOpen, "Ctrl+O"},
          {"&Save", E::kSave, "Ctrl+S"},
          {"Save &As", E::kSaveAs, "Ctrl+Shift+S"},
          separator,
          {"E&xit", E::kExit, "Ctrl+Q"}}},
        {"&Edit", {{"&Undo", E::kUndo, "Ctrl+Z"}, {"&Redo", E::kRedo, "Ctrl+Shift+Z"}}},
        {"Settings",
         {{"Basic Mode", E::kBasicMode},
          {"Advanced Mode", E::kAdvancedMode},
          separator,
          {"Include Fees", E::kIncludeFees},
          {"Show Fractions as Decimal", E::kShowDecimal},
          {"Show Units per Contract", E::kShowUnits},
          separator,
          {"European Rule", E::kEuropeanRule},
          {"America Rule", E::kAmericanRule},
          {"Continuous Dividend", E::kDividend},
          separator,
          {"Properties", E::kProperties}}},
        {"&Tools",
         {{"Graph", E::kGraph},
          {"Profit Table", E::kProfitTable},
          {"Trade Tracker", E::kTracker},
          {"Notes", E::kNotes},
          separator,
          {"Strategy", strategies}}},
        {"&Help",
         {{"Contents", E::kContents, "F1"},
          {"Home Page", E::kHomePage},
          separator,
          {"&About", E::kAbout}}},
    };
}

// Buttons side by side in a cell of grid (columnSpan columns wide), kept to the left.
void AddButtonLine(QGridLayout* grid, int line, int column, std::initializer_list<QWidget*> buttons,
                   int columnSpan = 1) {
    auto* buttonLine = new QHBoxLayout;
    for (QWidget* button : buttons) buttonLine->addWidget(button);
    buttonLine->addStretch();
    grid->addLayout(buttonLine, line, column, 1, columnSpan);
}

}  // namespace

EditorDlg::EditorDlg(Settings& settingsRecord, Messages& messageBoxes, Desktop& desktopShell,
                     FileChooser& fileChooser, const Clock& clock)
    : settings(settingsRecord),
      messages(messageBoxes),
      desktop(desktopShell),
      files(fileChooser),
      clock(clock),
      model(std::make_unique<EditorModel>(settingsRecord, messageBoxes, desktopShell, fileChooser,
                                          clock)) {
    setWindowTitle(QStringLiteral("Qualtrixon"));
    setObjectName(QStringLiteral("editor"));
    // This desktop has no system menu to extend with About (the Help menu carries it),
    // and it draws a minimised or dragged window's application icon by itself.
    model->SetObserver(this);

    binding = new ControlBinding(
        ForwardEvents(*model, [this](auto... request) { Handle(request...); }), this);

    menus = new MenuBinding<EditorCommand>(*model, this, &EditorDlg::RunCommand);
    QMenuBar* menuBar = menus->Build(EditorMenus(), this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildEnvironment(), 1);
    top->addWidget(BuildShellLabels());
    auto* rows = new QHBoxLayout;
    for (int row = 0; row < kEditorRows; ++row) rows->addWidget(BuildRow(row), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addLayout(rows);
    layout->addWidget(BuildPositionTable());
    layout->addWidget(BuildStatusLine());
    // The editor is laid out like a form: its size follows its contents and the font.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Redo answers to the other common key as well.
    menus->Action(EditorCommand::kRedo)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);

    ApplyHighlightColors();
    MirrorModel();
}

EditorDlg::~EditorDlg() {
    model->SetObserver(nullptr);
    // The binding must not read boxes while the window's children go away.
    delete binding;
}

QWidget* EditorDlg::GetControlWidget(EditorControl control) const {
    return control == C::kPosition ? position : binding->Widget(control);
}

QAction* EditorDlg::GetMenuAction(EditorCommand command) const { return menus->Action(command); }

void EditorDlg::AddField(QGridLayout* grid, int line, int column, EditorControl label,
                         QWidget* field) {
    grid->addWidget(binding->LabelFor(label, field), line, column);
    grid->addWidget(field, line, column + 1);
}

QWidget* EditorDlg::BuildEnvironment() {
    QGroupBox* group = binding->Group(C::kEnvironmentGroup, this);
    auto* grid = new QGridLayout(group);
    const int inputWidth = DialogUnits(*this, 58, 0).width();
    const int resultWidth = DialogUnits(*this, 52, 0).width();

    // The asset and its market on the left, its position in the middle.
    AddButtonLine(grid, 0, 0,
                  {binding->RadioButton(C::kStock, group), binding->RadioButton(C::kIndex, group),
                   binding->RadioButton(C::kFuture, group)},
                  2);
    AddField(grid, 1, 0, C::kSymbolLabel, binding->Box(C::kSymbol, group));
    AddField(grid, 2, 0, C::kDateLabel, binding->Box(C::kDate, group));
    AddField(grid, 3, 0, C::kPriceLabel, binding->Box(C::kPrice, group));
    AddField(grid, 4, 0, C::kUnitsLabel, binding->EditableList(C::kUnits, group));
    AddField(grid, 0, 3, C::kSharesLabel, binding->EditableList(C::kShares, group));
    AddButtonLine(
        grid, 1, 4,
        {binding->CheckBox(C::kBuyButton, group), binding->CheckBox(C::kSellButton, group)});
    // NET above Fees: with fees off, their empty place is the last line, not a gap.
    AddField(grid, 2, 3, C::kNetLabel, binding->ResultBox(C::kNet, group));
    AddField(grid, 3, 3, C::kFeesLabel, binding->ResultBox(C::kFees, group));
    for (EditorControl control : {C::kSymbol, C::kDate, C::kPrice, C::kUnits, C::kShares})
        binding->Widget(control)->setMinimumWidth(inputWidth);
    for (EditorControl control : {C::kFees, C::kNet})
        binding->Widget(control)->setMinimumWidth(resultWidth);
    // The holding's label reads "Contracts" for a future; the columns beside it stay put.
    binding->ReserveWidth(C::kSharesLabel, {kSharesLabelText, kFutureSharesLabelText});

    // The three market sliders on the right, each with its value beside it.
    const EditorControl sliders[][3] = {
        {C::kVolatilityLabel, C::kVolatilitySlider, C::kVolatilityText},
        {C::kInterestLabel, C::kInterestSlider, C::kInterestText},
        {C::kDividendLabel, C::kDividendSlider, C::kDividendText}};
    const QSize textSize = DialogUnits(*this, 26, 0);
    for (int line = 0; line < 3; ++line) {
        QSlider* slider = binding->Slider(sliders[line][1], group);
        slider->setMinimumWidth(DialogUnits(*this, 80, 0).width());
        grid->addWidget(binding->LabelFor(sliders[line][0], slider), line, 6);
        grid->addWidget(slider, line, 7);
        QLabel* text = binding->Label(sliders[line][2], group);
        text->setMinimumWidth(textSize.width());
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(text, line, 8);
    }
    const int gap = DialogUnits(*this, 10, 0).width();
    grid->setColumnMinimumWidth(2, gap);
    grid->setColumnMinimumWidth(5, gap);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(5, 1);
    return group;
}

QWidget* EditorDlg::BuildShellLabels() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    for (EditorControl control : {C::kModeLabel, C::kRuleLabel}) {
        QLabel* label = binding->Label(control, panel);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        column->addWidget(label);
    }
    column->addStretch();
    for (EditorControl control : {C::kGraphButton, C::kTrackerButton})
        column->addWidget(binding->Button(control, panel));
    panel->setMinimumWidth(DialogUnits(*this, 70, 0).width());
    return panel;
}

QWidget* EditorDlg::BuildRow(int row) {
    const auto id = [row](RowControl control) { return RowControlId(row, control); };
    QGroupBox* group = binding->Group(id(R::kRowGroup), this);
    auto* grid = new QGridLayout(group);

    // Inputs on the left in the order they are entered, results on the right.
    grid->addWidget(binding->ChoiceList(id(R::kRowChoice), group), 0, 0, 1, 4);
    grid->addWidget(binding->Button(id(R::kClear), group), 0, 4);
    AddField(grid, 1, 0, id(R::kExpiresLabel), binding->EditableList(id(R::kExpires), group));
    AddField(grid, 1, 3, id(R::kDaysLeftLabel), binding->ResultBox(id(R::kDaysLeft), group));
    AddField(grid, 2, 0, id(R::kStrikeLabel), binding->EditableList(id(R::kStrike), group));
    AddField(grid, 2, 3, id(R::kFairValueLabel), binding->ResultBox(id(R::kFairValue), group));
    AddButtonLine(grid, 3, 1,
                  {binding->CheckBox(id(R::kCallButton), group),
                   binding->CheckBox(id(R::kPutButton), group)});
    AddField(grid, 4, 0, id(R::kRowPriceLabel), binding->Box(id(R::kRowPrice), group));
    AddField(grid, 4, 3, id(R::kImpliedVolatilityLabel),
             binding->ResultBox(id(R::kImpliedVolatility), group));
    AddField(grid, 5, 0, id(R::kContractsLabel), binding->EditableList(id(R::kContracts), group));
    AddField(grid, 5, 3, id(R::kRowNetLabel), binding->ResultBox(id(R::kRowNet), group));
    AddButtonLine(
        grid, 6, 1,
        {binding->CheckBox(id(R::kRowBuy), group), binding->CheckBox(id(R::kRowSell), group)});
    AddField(grid, 6, 3, id(R::kRowFeesLabel), binding->ResultBox(id(R::kRowFees), group));

    for (RowControl control : {R::kExpires, R::kStrike, R::kRowPrice, R::kContracts})
        binding->Widget(id(control))->setMinimumWidth(DialogUnits(*this, 58, 0).width());
    for (RowControl control :
         {R::kDaysLeft, R::kFairValue, R::kImpliedVolatility, R::kRowFees, R::kRowNet})
        binding->Widget(id(control))->setMinimumWidth(DialogUnits(*this, 52, 0).width());
    grid->setColumnMinimumWidth(2, DialogUnits(*this, 10, 0).width());
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return group;
}

// The whole position, read-only, one line a leg in a fixed-pitch font so that the NET
// column lines up; choosing a slot's line shows the slot in a row.
QWidget* EditorDlg::BuildPositionTable() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    position = new QListWidget(panel);
    position->setObjectName(QStringLiteral("position"));
    position->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    position->setSelectionMode(QAbstractItemView::SingleSelection);
    position->setFixedHeight(position->fontMetrics().height() * 6 + 2 * position->frameWidth() + 6);
    connect(position, &QListWidget::itemActivated, this, &EditorDlg::ChoosePositionLine);
    connect(position, &QListWidget::itemClicked, this, &EditorDlg::ChoosePositionLine);
    column->addWidget(binding->LabelFor(C::kPositionLabel, position));
    column->addWidget(position);
    return panel;
}

void EditorDlg::ChoosePositionLine(QListWidgetItem* item) {
    model->ChooseItem(C::kPosition, position->row(item));
    MirrorModel();
}

void EditorDlg::MirrorPosition() {
    const Control& table = model->GetControl(C::kPosition);
    position->setVisible(table.visible);
    if (position->count() != static_cast<int>(table.items.size())) {
        position->clear();
        for (size_t i = 0; i < table.items.size(); ++i) position->addItem(QString());
    }
    for (int i = 0; i < position->count(); ++i)
        position->item(i)->setText(QString::fromStdString(table.items[i]));
}

QWidget* EditorDlg::BuildStatusLine() {
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    QLabel* prompt = binding->Label(C::kPrompt, status);
    prompt->setMinimumWidth(DialogUnits(*this, 200, 0).width());
    status->addWidget(prompt, 1);
    QLabel* clock = binding->Label(C::kClock, status);
    clock->setMinimumWidth(DialogUnits(*this, 40, 0).width());
    clock->setAlignment(Qt::AlignCenter);
    status->addPermanentWidget(clock);
    return status;
}

void EditorDlg::ApplyHighlightColors() {
    binding->SetHighlightColors({settings.groupHighlightColor, settings.textHighlightColor,
                                 settings.messageHighlightColor});
}

void EditorDlg::MirrorModel() {
    binding->MirrorAll<EditorControl>(*model);
    MirrorPosition();
    menus->Mirror();
    setWindowTitle(QString::fromStdString(model->WindowTitle()));
}

void EditorDlg::ApplySettings() {
    model->AfterProperties();
    ApplyHighlightColors();
    MirrorModel();
}

void EditorDlg::RunCommand(EditorCommand command) {
    // A menu command acts on what the user sees, including text still being typed.
    binding->LeaveFocusedBox();
    Handle(model->Command(command));
}

void EditorDlg::Handle(EditorRequest request) {
    switch (request) {
        case EditorRequest::kNone: break;
        case EditorRequest::kRunProperties:
            PropSheet(settings, messages, this).exec();
            ApplySettings();
            break;
        case EditorRequest::kOpenGraph:
        case EditorRequest::kOpenProfitTable: {
            Option options[kOptionSlots];
            Stock stock;
            model->CopyForGraph(options, stock);
            const std::string& path = model->GetDocument().GetPath();
            if (request == EditorRequest::kOpenProfitTable) {
                ProfitTableDlg::Open(options, stock, settings, messages, files, path);
                break;
            }
            GraphDlg::Open(options, stock, settings, messages, desktop, files, path);
            emit graphRequested();
            break;
        }
        case EditorRequest::kShowTracker:
            ShowTracker();
            emit trackerRequested();
            break;
        case EditorRequest::kShowNotes: ShowNotes(); break;
        case EditorRequest::kShowAbout: AboutDlg(settings, this).exec(); break;
        case EditorRequest::kEndOk: done(QDialog::Accepted); break;
        case EditorRequest::kCloseWindowsEndOk:
            notes.reset();
            tracker.reset();
            done(QDialog::Accepted);
            break;
        case EditorRequest::kEndCancel: done(QDialog::Rejected); break;
    }
    MirrorModel();
}

void EditorDlg::OpenDocument(const std::string& path) {
    model->Open(path);
    MirrorModel();
}

void EditorDlg::ShowNotes() {
    if (!notes) {
        notes = std::make_unique<NotesDlg>(&model->GetDocument().GetNotes());
        notes->show();
        return;
    }
    notes->showNormal();
    notes->raise();
    notes->activateWindow();
}

void EditorDlg::ShowTracker() {
    if (tracker) return tracker->ShowAgain();
    Document& document = model->GetDocument();
    GraphOpener& graphs = *this;
    tracker = std::make_unique<TrackerDlg>(
        document.GetStock(),
        std::array<const Option*, kOptionSlots>{&document.GetOption(0), &document.GetOption(1),
                                                &document.GetOption(2), &document.GetOption(3)},
        document.GetTransactions(), settings, messages, graphs, files, clock, this);
    tracker->show();
    tracker->activateWindow();
}

void EditorDlg::OpenGraph(const Option (&options)[kOptionSlots], const Stock& stock) {
    GraphDlg::Open(options, stock, settings, messages, desktop, files);
}

void EditorDlg::RowChanged() {
    if (tracker) tracker->RefillEntries();
}

void EditorDlg::DocumentReplaced() {
    if (notes) notes->Refresh();
    if (tracker) tracker->DocumentReplaced();
}

void EditorDlg::reject() { RunCommand(EditorCommand::kCancel); }

// A box takes Undo and Redo for its own typing; with nothing of its own to undo or
// redo, the keys undo and redo the document's steps.
bool EditorDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo) && !box->isUndoAvailable();
        const bool redo = (key->matches(QKeySequence::Redo) ||
                           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) &&
                          !box->isRedoAvailable();
        if (undo || redo) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EditorDlg::changeEvent(QEvent* event) {
    // The tracker and the notes change the document too; coming back shows where it
    // stands, in the table and the title.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model->TakeOutsideChanges();
        MirrorModel();
    }
    QDialog::changeEvent(event);
}

void EditorDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The dialog's OK command: swallowed, Enter never ends the editor.
        RunCommand(EditorCommand::kOk);
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditorDlg::closeEvent(QCloseEvent* event) {
    binding->LeaveFocusedBox();
    Handle(model->CloseBox());
    event->setAccepted(isHidden());
}

}  // namespace qx
