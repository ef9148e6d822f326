#ifndef QX_GRAPH_WINDOW_PROFIT_TABLE_PRINT_H
#define QX_GRAPH_WINDOW_PROFIT_TABLE_PRINT_H

class QPaintDevice;

namespace qx {

class ProfitTableWindowModel;

// Draws the table on one page of device: the header naming the position, then the
// grid with its shades and marks, scaled to the page's width (and to its height when
// the width alone would leave the grid too tall). False when the page could not be
// drawn.
bool PrintProfitTable(const ProfitTableWindowModel& model, QPaintDevice& device);

}  // namespace qx

#endif  // QX_GRAPH_WINDOW_PROFIT_TABLE_PRINT_H
