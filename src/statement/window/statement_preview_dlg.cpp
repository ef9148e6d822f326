#include "statement/window/statement_preview_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "platform/qt/dialog_units.h"
#include "platform/qt/text_table.h"
#include "statement/statement_preview_model.h"

namespace qx {

StatementPreviewDlg::StatementPreviewDlg(StatementPreviewModel& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(model.Title()));
    setSizeGripEnabled(true);
    std::vector<std::string> columns;
    for (int column = 0; column < StatementPreviewModel::kColumnCount; ++column)
        columns.push_back(StatementPreviewModel::ColumnTitle(column));
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < model.RowCount(); ++row) {
        const StatementPreviewModel::Row cells = model.Cells(row);
        rows.emplace_back(cells.begin(), cells.end());
    }
    QTableWidget* table = MakeTextTable(columns, rows, QStringLiteral("Statement rows"), this);
    auto* summary = new QLabel(QString::fromStdString(model.Summary()), this);
    summary->setBuddy(table);
    summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* import =
        buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    import->setEnabled(model.CanImport());
    import->setDefault(model.CanImport());
    connect(buttons, &QDialogButtonBox::accepted, this, [this, &model] {
        model.Import();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    resize(DialogUnits(*this, 480, 260));
    table->setFocus();
}

}  // namespace qx
