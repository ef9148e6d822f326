#include "tracker/window/tracker_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "journal/results_model.h"
#include "journal/window/results_dlg.h"
#include "platform/qt/control_binding.h"
#include "platform/qt/dialog_units.h"
#include "statement/statement_preview_model.h"
#include "statement/window/statement_preview_dlg.h"
#include "tracker/graph_opener.h"
#include "tracker/tracker_window_model.h"
#include "tracker/window/tracker_list_ctrl.h"
#include "tracker/window/tracker_table_model.h"

namespace qx {

namespace {

using C = TrackerControl;

}  // namespace

TrackerDlg::TrackerDlg(const Stock& stock, std::array<const Option*, kOptionSlots> options,
                       TranList& transactions, Settings& settingsRecord, Messages& messageBoxes,
                       GraphOpener& graphOpener, FileChooser& fileChooser, const Clock& clock,
                       QWidget* editorWindow)
    : QDialog(nullptr),
      stock(stock),
      transactions(transactions),
      settings(settingsRecord),
      graphs(graphOpener),
      editor(editorWindow),
      trackerMessages(messageBoxes, this, MessageOwner::kTracker),
      trackerFiles(fileChooser, this),
      model(std::make_unique<TrackerWindowModel>(stock, options, transactions, settingsRecord,
                                                 trackerMessages, trackerFiles, clock)) {
    setWindowTitle(QStringLiteral("Trade Tracker"));
    setObjectName(QStringLiteral("tracker"));
    setSizeGripEnabled(true);

    ControlBinding::Handlers handlers =
        ForwardEvents(*model, [this](auto... request) { Handle(request...); });
    handlers.enter = [this] { RecordOnEnter(); };
    binding = new ControlBinding(handlers, this);

    // Made in reading order, which is also the order Tab moves in.
    auto* top = new QHBoxLayout;
    top->addWidget(BuildForm(), 1);
    top->addWidget(BuildButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildViewLine());
    layout->addWidget(BuildList(), 1);

    model->Open();
    MirrorModel();
    int listWidth = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < TrackerWindowModel::kColumnCount; ++column)
        listWidth += list->columnWidth(column);
    const QMargins margins = layout->contentsMargins();
    resize(std::max(sizeHint().width(), listWidth + margins.left() + margins.right()),
           DialogUnits(*this, 0, 260).height());
}

TrackerDlg::~TrackerDlg() {
    // The binding must not read boxes, nor the list ask the model for its rows, while the
    // window's children go away after the model.
    delete binding;
    delete list;
}

QWidget* TrackerDlg::BuildForm() {
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);

    // The entry list on the left, the transaction's fields to its right.
    entries = new QListWidget(form);
    entries->setObjectName(QStringLiteral("entries"));
    entries->setMinimumWidth(DialogUnits(*this, 90, 0).width());
    entries->setMaximumHeight(DialogUnits(*this, 0, 62).height());
    grid->addWidget(binding->LabelFor(C::kEntryLabel, entries), 0, 0);
    grid->addWidget(entries, 1, 0, 4, 1);
    // The user's own pick, by mouse or keys; a click on the chosen entry chooses it again.
    // (The focus alone makes an entry current, but does not select it.)
    connect(entries, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = entries->selectedItems();
        if (!picked.isEmpty()) ChooseEntry(entries->row(picked.front()));
    });
    connect(entries, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseEntry(entries->row(item)); });

    AddField(grid, 0, C::kDateLabel, binding->Box(C::kDate, form));
    auto* actions = new QHBoxLayout;
    for (C control : {C::kOpen, C::kClose, C::kExercise})
        actions->addWidget(binding->RadioButton(control, form));
    actions->addStretch();
    grid->addLayout(actions, 1, 2, 1, 2);
    QComboBox* units = binding->EditableList(C::kUnits, form);
    // Each keystroke is a count of its own: "007" reads 7, and "0" empties the box.
    connect(units->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        model->EditUnits(text.toStdString());
        MirrorModel();
    });
    AddField(grid, 2, C::kUnitsLabel, units);
    auto* sides = new QHBoxLayout;
    for (C control : {C::kBuy, C::kSell}) sides->addWidget(binding->RadioButton(control, form));
    sides->addStretch();
    grid->addLayout(sides, 2, 3);
    AddField(grid, 3, C::kPriceLabel, binding->Box(C::kPrice, form));
    auto* fees = new QHBoxLayout;
    fees->addWidget(binding->CheckBox(C::kFees, form));
    fees->addStretch();
    grid->addLayout(fees, 3, 3);

    const int boxWidth = DialogUnits(*this, 60, 0).width();
    for (C control : {C::kDate, C::kUnits, C::kPrice})
        binding->Widget(control)->setFixedWidth(boxWidth);
    grid->setColumnMinimumWidth(3, DialogUnits(*this, 70, 0).width());
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(4, 1);
    return form;
}

void TrackerDlg::AddField(QGridLayout* grid, int line, TrackerControl label, QWidget* field) {
    QLabel* caption = binding->LabelFor(label, field);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption, line, 1);
    grid->addWidget(field, line, 2);
}

QWidget* TrackerDlg::BuildButtons() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    for (C control : {C::kRecord, C::kChange, C::kDelete, C::kClear})
        column->addWidget(binding->Button(control, panel));
    column->addStretch();
    column->addWidget(binding->Button(C::kGraph, panel));
    panel->setMinimumWidth(DialogUnits(*this, 50, 0).width());
    return panel;
}

QWidget* TrackerDlg::BuildViewLine() {
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    for (C control : {C::kShowAll, C::kShowOpenOnly})
        row->addWidget(binding->RadioButton(control, line));
    row->addStretch();
    for (C control : {C::kResults, C::kExport, C::kImport, C::kImportStatement})
        row->addWidget(binding->Button(control, line));
    return line;
}

QWidget* TrackerDlg::BuildList() {
    auto* rows = new TrackerTableModel(
        *model,
        [this](int row, bool picked) {
            model->PickRow(row, picked);
            MirrorModel();
        },
        this);
    list = new TrackerListCtrl(rows, this);
    list->setAccessibleName(QStringLiteral("Transactions"));
    connect(list, &TrackerListCtrl::rowClicked, this, [this](int row) {
        binding->LeaveFocusedBox();
        model->ClickRow(row);
        MirrorModel();
    });
    connect(list, &TrackerListCtrl::columnResized, this,
            [this](int column, int width) { model->ResizeColumn(column, width); });
    return list;
}

QWidget* TrackerDlg::GetControlWidget(TrackerControl control) const {
    return control == C::kEntryList ? entries : binding->Widget(control);
}

void TrackerDlg::ShowAgain() {
    RefillEntries();
    showNormal();
    raise();
    activateWindow();
}

void TrackerDlg::RefillEntries() {
    model->RefillEntries();
    MirrorModel();
}

void TrackerDlg::DocumentReplaced() {
    model->DocumentReplaced();
    MirrorModel();
}

void TrackerDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    model->TakeRefusedRead();  // a refusal seen before this key is not this key's
    binding->LeaveFocusedBox();
    RecordOnEnter();
}

void TrackerDlg::RecordOnEnter() {
    MirrorModel();
    if (model->TakeRefusedRead()) return;
    if (model->GetControl(C::kRecord).enabled) Handle(model->ClickButton(C::kRecord));
}

void TrackerDlg::ChooseEntry(int entry) {
    binding->LeaveFocusedBox();
    Handle(model->ChooseItem(C::kEntryList, entry));
}

void TrackerDlg::Handle(TrackerRequest request) {
    MirrorModel();
    switch (request) {
        case TrackerRequest::kNone: break;
        case TrackerRequest::kFocusEditor:
            if (editor) {
                editor->raise();
                editor->activateWindow();
            }
            break;
        case TrackerRequest::kOpenGraph:
            graphs.OpenGraph(model->GraphOptions(), model->GraphStock());
            break;
        case TrackerRequest::kImportStatement: ImportStatement(); break;
        case TrackerRequest::kShowResults: ShowResults(); break;
    }
}

void TrackerDlg::ImportStatement() {
    StatementPreviewModel preview(transactions, trackerFiles, trackerMessages);
    if (!preview.ChooseStatement()) return;
    StatementPreviewDlg dialog(preview, this);
    if (dialog.exec() == QDialog::Accepted) DocumentReplaced();
}

void TrackerDlg::ShowResults() {
    ResultsModel results(transactions, stock, settings, CTime::GetCurrentTime(), trackerFiles,
                         trackerMessages);
    ResultsDlg(results, this).exec();
}

void TrackerDlg::MirrorModel() {
    binding->MirrorAll<TrackerControl>(*model);
    MirrorEntries();
    MirrorList();
}

void TrackerDlg::MirrorEntries() {
    const QSignalBlocker quiet(entries);
    const Control& state = model->GetControl(C::kEntryList);
    bool same = entries->count() == static_cast<int>(state.items.size());
    for (int i = 0; same && i < entries->count(); ++i)
        same = entries->item(i)->text().toStdString() == state.items[i];
    if (!same) {
        entries->clear();
        for (const std::string& item : state.items) entries->addItem(QString::fromStdString(item));
    }
    if (entries->currentRow() != state.selected) entries->setCurrentRow(state.selected);
    if (state.selected < 0) entries->clearSelection();
}

void TrackerDlg::MirrorList() {
    std::vector<int> widths;
    for (int column = 0; column < TrackerWindowModel::kColumnCount; ++column)
        widths.push_back(model->ColumnWidth(column));
    list->SetColumnWidths(widths);
    list->Refresh(model->GetSelectedRow());
}

}  // namespace qx
