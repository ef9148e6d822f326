#include "platform/qt/text_table.h"

#include <QHeaderView>
#include <algorithm>

namespace qx {

namespace {

// Numbers (amounts, counts, rates) stand right-aligned, as a ledger shows them.
bool IsNumber(const std::string& text) {
    const std::size_t digit = !text.empty() && text[0] == '-' ? 1 : 0;
    return digit < text.size() && text[digit] >= '0' && text[digit] <= '9' &&
           text.find_first_not_of("0123456789.-%") == std::string::npos;
}

}  // namespace

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
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        const std::vector<std::string>& cells = rows[row];
        const int width = std::min(table->columnCount(), static_cast<int>(cells.size()));
        for (int column = 0; column < width; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            if (IsNumber(cells[column])) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

}  // namespace qx
