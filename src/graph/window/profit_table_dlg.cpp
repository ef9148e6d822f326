#include "graph/window/profit_table_dlg.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

#include "graph/profit_table_window_model.h"
#include "graph/window/profit_table_print.h"
#include "platform/qt/control_binding.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/menu_binding.h"
#include "platform/qt/qt_color.h"

namespace qx {

namespace {

using C = TableControl;

std::vector<MenuBinding<TableCommand>::Entry> TableMenus() {
    using T = TableCommand;
    return {
        {"&Copy", T::kCopy, QKeySequence::Copy},
        {"&Export...", T::kExport, QKeySequence(QStringLiteral("Ctrl+E"))},
        {"&Print", T::kPrint, QKeySequence::Print},
    };
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ProfitTableDlg* ProfitTableDlg::Open(const Option (&options)[kOptionSlots], const Stock& stock,
                                     const Settings& settings, Messages& messages,
                                     FileChooser& files, const std::string& documentName) {
    auto* window = new ProfitTableDlg(options, stock, settings, messages, files, documentName);
    if (!window->model->Open()) {
        delete window;
        return nullptr;
    }
    window->MirrorModel();
    window->show();
    return window;
}

ProfitTableDlg::ProfitTableDlg(const Option (&options)[kOptionSlots], const Stock& stock,
                               const Settings& settingsRecord, Messages& messageBoxes,
                               FileChooser& fileChooser, const std::string& documentName)
    : QDialog(nullptr),
      settings(settingsRecord),
      messages(messageBoxes, this, MessageOwner::kGraph),
      files(fileChooser, this),
      model(std::make_unique<ProfitTableWindowModel>(options, stock, settingsRecord, messages,
                                                     documentName)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Profit Table"));
    setObjectName(QStringLiteral("profitTable"));
    binding = new ControlBinding(
        ForwardEvents(*model, [this](auto... request) { Handle(request...); }), this);

    menus = new MenuBinding<TableCommand>(*model, this, &ProfitTableDlg::RunCommand);
    QMenuBar* menuBar = menus->Build(TableMenus(), this);

    grid = new QTableWidget(this);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAccessibleName(QStringLiteral("Profit by price and date"));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(BuildControls());
    layout->addWidget(grid, 1);
    binding->SetHighlightColors({settings.groupHighlightColor, settings.textHighlightColor,
                                 settings.messageHighlightColor});
    resize(DialogUnits(*this, 560, 330));
}

ProfitTableDlg::~ProfitTableDlg() { delete binding; }

QWidget* ProfitTableDlg::BuildControls() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    QComboBox* quantity = binding->ChoiceList(C::kQuantityList, panel);
    row->addWidget(binding->LabelFor(C::kQuantityLabel, quantity));
    row->addWidget(quantity);
    row->addSpacing(DialogUnits(*this, 8, 0).width());
    QLineEdit* step = binding->Box(C::kStepBox, panel);
    step->setFixedWidth(DialogUnits(*this, 40, 0).width());
    row->addWidget(binding->LabelFor(C::kStepLabel, step));
    row->addWidget(step);
    row->addSpacing(DialogUnits(*this, 8, 0).width());
    QGroupBox* group = binding->Group(C::kVolatilityGroup, panel);
    auto* groupRow = new QHBoxLayout(group);
    QSlider* slider = binding->Slider(C::kVolatilitySlider, group);
    QLineEdit* value = binding->ResultBox(C::kVolatilityText, group);
    value->setFixedWidth(DialogUnits(*this, 30, 0).width());
    slider->setAccessibleName(QStringLiteral("Volatility"));
    value->setAccessibleName(QStringLiteral("Volatility"));
    groupRow->addWidget(slider, 1);
    groupRow->addWidget(value);
    row->addWidget(group, 1);
    return panel;
}

QWidget* ProfitTableDlg::GetControlWidget(TableControl control) const {
    return binding->Widget(control);
}

void ProfitTableDlg::RunCommand(TableCommand command) {
    binding->LeaveFocusedBox();
    Handle(model->Command(command));
}

void ProfitTableDlg::reject() { RunCommand(TableCommand::kCancel); }

void ProfitTableDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && grid->rowCount() > 0) {
        model->Refresh();
        MirrorModel();
    }
}

void ProfitTableDlg::Handle(TableRequest request) {
    switch (request) {
        case TableRequest::kNone: break;
        case TableRequest::kCopy:
            QGuiApplication::clipboard()->setText(ToQt(model->SheetText('\t')));
            break;
        case TableRequest::kExport: Export(); break;
        case TableRequest::kPrint: Print(); break;
        case TableRequest::kClose: QDialog::reject(); return;
    }
    MirrorModel();
}

void ProfitTableDlg::Export() {
    const std::string path = files.ChooseFileToWrite(
        "Export Profit Table", ProfitTableWindowModel::ExportKinds(), model->SuggestedExportName());
    if (!path.empty()) model->Export(path);
}

void ProfitTableDlg::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintProfitTable(*model, printer))
        messages.Warning("The table could not be printed.", kMessageCaption, MessageOwner::kGraph);
}

void ProfitTableDlg::MirrorModel() {
    binding->MirrorAll<TableControl>(*model);
    menus->Mirror();
    MirrorGrid();
}

void ProfitTableDlg::MirrorGrid() {
    const int rows = model->RowCount();
    const int columns = model->ColumnCount();
    grid->setRowCount(rows);
    grid->setColumnCount(columns);
    QFont bold = grid->font();
    bold.setBold(true);
    const QColor mark = ToQColor(model->MarkColor());
    // A header, bold in the highlight colour when it marks today or the current price.
    const auto header = [&](const std::string& text, bool marked) {
        auto* item = new QTableWidgetItem(ToQt(text));
        if (marked) {
            item->setFont(bold);
            item->setForeground(mark);
        }
        return item;
    };
    for (int column = 0; column < columns; ++column)
        grid->setHorizontalHeaderItem(
            column, header(model->ColumnHeader(column), model->IsMarkedColumn(column)));
    for (int row = 0; row < rows; ++row) {
        grid->setVerticalHeaderItem(row, header(model->RowHeader(row), model->IsMarkedRow(row)));
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* cell = grid->item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                cell->setForeground(Qt::black);
                grid->setItem(row, column, cell);
            }
            cell->setText(ToQt(model->CellText(row, column)));
            cell->setBackground(ToQColor(model->CellColor(row, column)));
            cell->setFont(model->IsMarkedRow(row) || model->IsMarkedColumn(column) ? bold
                                                                                   : grid->font());
        }
    }
}

}  // namespace qx
