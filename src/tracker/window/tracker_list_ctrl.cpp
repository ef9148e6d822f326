#include "tracker/window/tracker_list_ctrl.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "tracker/window/tracker_table_model.h"

namespace qx {

TrackerListCtrl::TrackerListCtrl(TrackerTableModel* rows, QWidget* parent)
    : QTableView(parent), rows(rows) {
    setObjectName(QStringLiteral("trackerList"));
    setModel(rows);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    // One height for every row, so the view never measures the rows out of sight.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 3);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    // The selected row stays marked as plainly when another control has the focus.
    QPalette colors = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!mirroring) emit rowClicked(SelectedRow());
    });
    // A click on the row already selected loads it again.
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!mirroring) emit rowClicked(index.row());
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!mirroring) emit columnResized(column, qRound(width / WidthScale()));
            });
}

void TrackerListCtrl::SetColumnWidths(const std::vector<int>& widths) {
    if (widthsSet) return;
    widthsSet = true;
    const bool wasMirroring = mirroring;
    mirroring = true;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        setColumnWidth(column, qRound(widths[column] * WidthScale()));
    mirroring = wasMirroring;
}

void TrackerListCtrl::Refresh(int row) {
    const bool wasMirroring = mirroring;
    mirroring = true;
    rows->Refresh();
    SelectRow(row);
    mirroring = wasMirroring;
}

void TrackerListCtrl::SelectRow(int row) {
    if (row == SelectedRow()) return;
    if (row < 0 || row >= rows->rowCount()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
    } else {
        selectRow(row);
    }
}

double TrackerListCtrl::WidthScale() const {
    constexpr double kClassicDigitWidth = 6;
    return std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) / kClassicDigitWidth);
}

int TrackerListCtrl::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

}  // namespace qx
