#include "tracker/window/tracker_list_ctrl.h"

#include <QHeaderView>
#include <algorithm>

namespace qx {

TrackerListCtrl::TrackerListCtrl(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("trackerList"));
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 3);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    // The selected row stays marked as plainly when another control has the focus.
    QPalette colors = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);

    connect(this, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!mirroring) emit rowClicked(SelectedRow());
    });
    // A click on the row already selected loads it again.
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (!mirroring) emit rowClicked(row);
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!mirroring) emit columnResized(column, qRound(width / WidthScale()));
            });
}

void TrackerListCtrl::SetColumns(const std::vector<Column>& columns) {
    const bool wasMirroring = mirroring;
    mirroring = true;
    if (columnCount() != static_cast<int>(columns.size())) {
        setColumnCount(static_cast<int>(columns.size()));
        for (int column = 0; column < columnCount(); ++column)
            setColumnWidth(column, qRound(columns[column].width * WidthScale()));
    }
    alignments.clear();
    for (int column = 0; column < columnCount(); ++column) {
        const Column& wanted = columns[column];
        alignments.push_back(wanted.alignment | Qt::AlignVCenter);
        QTableWidgetItem* header = horizontalHeaderItem(column);
        if (!header) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(column, header);
        }
        if (header->text() != wanted.title) header->setText(wanted.title);
        header->setTextAlignment(alignments.back());
    }
    mirroring = wasMirroring;
}

void TrackerListCtrl::SelectRow(int row) {
    if (row == SelectedRow()) return;
    const bool wasMirroring = mirroring;
    mirroring = true;
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        setCurrentItem(nullptr);
    } else {
        selectRow(row);
    }
    mirroring = wasMirroring;
}

double TrackerListCtrl::WidthScale() const {
    constexpr double kClassicDigitWidth = 6;
    return std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) / kClassicDigitWidth);
}

int TrackerListCtrl::SelectedRow() const {
    const QList<QTableWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

void TrackerListCtrl::SetCell(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (column < static_cast<int>(alignments.size()))
            cell->setTextAlignment(alignments[column]);
        setItem(row, column, cell);
    }
    if (cell->text() != text) cell->setText(text);
}

}  // namespace qx
