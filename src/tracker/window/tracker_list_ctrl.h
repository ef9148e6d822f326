#ifndef QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H
#define QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H

#include <QTableWidget>
#include <string>
#include <vector>

namespace qx {

// The tracker's list, read like a ledger: grid lines, one row selected at a time and
// whole, the selection shown also while another control has the focus. It shows the
// rows it is given and reports the user's clicks and column drags; the window decides
// what they mean. Column widths come and go in pixels of the classic dialog font,
// whose digits are 6 pixels wide, and are shown scaled to the list's own font, so the
// widths the settings keep fit their columns whatever the font.
class TrackerListCtrl : public QTableWidget {
    Q_OBJECT

  public:
    // One column: its title, the alignment of its cells and its width in pixels.
    struct Column {
        QString title;
        Qt::Alignment alignment;
        int width;
    };

    explicit TrackerListCtrl(QWidget* parent);

    // Sets the columns; titles and widths that are already shown stay as they are.
    void SetColumns(const std::vector<Column>& columns);
    // Shows rows of cell texts, changing only the cells that differ.
    template <class Rows>
    void SetRows(const Rows& rows);
    // Selects row, or no row for -1, without reporting it as the user's.
    void SelectRow(int row);
    // The selected row, or -1.
    int SelectedRow() const;

  signals:
    // The user clicked a row or moved to it with the keys; -1 when no row is selected.
    void rowClicked(int row);
    // The user dragged a column to a new width.
    void columnResized(int column, int width);

  private:
    void SetCell(int row, int column, const QString& text);
    // Screen pixels per pixel of the classic dialog font.
    double WidthScale() const;

    std::vector<Qt::Alignment> alignments;
    bool mirroring = false;  // set while the window changes the list
};

template <class Rows>
void TrackerListCtrl::SetRows(const Rows& rows) {
    const bool wasMirroring = mirroring;
    mirroring = true;
    if (rowCount() != static_cast<int>(rows.size())) setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            SetCell(row, column, QString::fromStdString(rows[row][column]));
    mirroring = wasMirroring;
}

}  // namespace qx

#endif  // QX_TRACKER_WINDOW_TRACKER_LIST_CTRL_H
