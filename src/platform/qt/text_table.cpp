#include "platform/qt/text_table.h"

#include <QHeaderView>

namespace qx {

QTableWidget* MakeTextTable(const std::vector<std::string>& columns,
                            const std::vector<std::vector<std::string>>& rows, const QString& name,
                            QWidget* parent) {
    auto* table =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent);
    table->setAccessibleName(name);
    QStringList titles;
    for (const std::string& column : columns) titles << QString::fromStdString(column);
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        const std::vector<std::string>& cells = rows[row];
        for (int column = 0;
             column < table->columnCount() && column < static_cast<int>(cells.size()); ++column)
            table->setItem(row, column,
                           new QTableWidgetItem(QString::fromStdString(cells[column])));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace qx
