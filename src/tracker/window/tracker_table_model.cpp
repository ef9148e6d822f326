#include "tracker/window/tracker_table_model.h"

#include <utility>

namespace qx {

namespace {

constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

Qt::Alignment AlignmentOf(int column) {
    return kAlignments[static_cast<int>(TrackerWindowModel::ColumnAlign(column))] |
           Qt::AlignVCenter;
}

}  // namespace

TrackerTableModel::TrackerTableModel(const TrackerWindowModel& model,
                                     std::function<void(int, bool)> onPick, QObject* parent)
    : QAbstractTableModel(parent), model(model), onPick(std::move(onPick)) {}

void TrackerTableModel::Refresh() {
    cachedRow = -1;
    if (revision != model.GetRowsRevision() || rows != model.GetRowCount()) {
        beginResetModel();
        revision = model.GetRowsRevision();
        rows = model.GetRowCount();
        endResetModel();
        return;
    }
    // The view repaints only the cells it shows.
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int TrackerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int TrackerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TrackerWindowModel::kColumnCount;
}

const TrackerWindowModel::Row& TrackerTableModel::RowAt(int row) const {
    if (row != cachedRow) {
        cached = model.GetRow(row);
        cachedRow = row;
    }
    return cached;
}

QVariant TrackerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows) return QVariant();
    switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(RowAt(index.row())[index.column()]);
        case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(index.column()));
        case Qt::CheckStateRole:
            if (index.column() != 0 || !model.IsPickable(index.row())) return QVariant();
            return model.IsPicked(index.row()) ? Qt::Checked : Qt::Unchecked;
        default: return QVariant();
    }
}

bool TrackerTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != 0 || !model.IsPickable(index.row()))
        return false;
    onPick(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TrackerTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && model.IsPickable(index.row())) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TrackerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QVariant();
    if (role == Qt::DisplayRole) return QString::fromStdString(model.ColumnTitle(section));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(section));
    return QVariant();
}

}  // namespace qx
