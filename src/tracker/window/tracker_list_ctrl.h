#ifndef QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H
#define QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H

#include <QTableView>
#include <vector>

namespace qx {

class TrackerTableModel;

// The tracker's list, read like a ledger: grid lines, one row selected at a time and
// whole, the selection shown also while another control has the focus. It shows the
// rows of its TrackerTableModel, asking only for those in view, and reports the user's
// clicks and column drags; the window decides what they mean. Column widths come and go
// in pixels of the classic dialog font, whose digits are 6 pixels wide, and are shown
// scaled to the list's own font, so the widths the settings keep fit their columns
// whatever the font.
class TrackerListCtrl : public QTableView {
    Q_OBJECT

  public:
    TrackerListCtrl(TrackerTableModel* rows, QWidget* parent);

    // Gives the columns their widths, once: widths the user dragged since stay.
    void SetColumnWidths(const std::vector<int>& widths);
    // Shows what changed in the rows and selects row, or no row for -1, without
    // reporting either as the user's.
    void Refresh(int row);
    // The selected row, or -1.
    int SelectedRow() const;

  signals:
    // The user clicked a row or moved to it with the keys; -1 when no row is selected.
    void rowClicked(int row);
    // The user dragged a column to a new width.
    void columnResized(int column, int width);

  private:
    void SelectRow(int row);
    // Screen pixels per pixel of the classic dialog font.
    double WidthScale() const;

    TrackerTableModel* rows;
    bool widthsSet = false;
    bool mirroring = false;  // set while the window changes the list
};

}  // namespace qx

#endif  // QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H
