#ifndef QX_TRACKER_WINDOW_TRACKER_TABLE_MODEL_H
#define QX_TRACKER_WINDOW_TRACKER_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <functional>

#include "tracker/tracker_window_model.h"

namespace qx {

// The tracker's rows as a Qt item model over the TrackerWindowModel: a view asks only
// for the cells it shows, so a book of any length scrolls without formatting the rest.
// Option positions in the open view carry a check box in their first cell, which
// says whether they go to a graph.
class TrackerTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Reads rows from model; onPick gets the row and the tick the user gave it.
    TrackerTableModel(const TrackerWindowModel& model, std::function<void(int, bool)> onPick,
                      QObject* parent);

    // Tells the views what changed since the last call: every row when the model
    // listed them afresh, the cells and titles otherwise.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const TrackerWindowModel::Row& RowAt(int row) const;

    const TrackerWindowModel& model;
    std::function<void(int, bool)> onPick;
    int revision = -1;  // the model's rows revision the views have
    int rows = 0;       // the row count the views have
    // The texts of the row last read: a view asks for a row's cells one by one.
    mutable int cachedRow = -1;
    mutable TrackerWindowModel::Row cached;
};

}  // namespace qx

#endif  // QX_TRACKER_WINDOW_TRACKER_TABLE_MODEL_H
