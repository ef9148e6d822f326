#ifndef QX_GRAPH_PROFIT_TABLE_WINDOW_MODEL_H
#define QX_GRAPH_PROFIT_TABLE_WINDOW_MODEL_H

#include <string>
#include <vector>

#include "graph/profit_table.h"
#include "graph/profit_table_controls.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "shell/settings.h"

namespace qx {

class Messages;

// The behaviour of a profit table window: the quantity shown, the price step, its own
// Volatility slider, and the cells with their texts, colours and marks. The valuation
// rule and the fees follow the settings at every recomputation.
class ProfitTableWindowModel {
  public:
    // Takes copies of the position; documentName heads the printed table (empty for a
    // document never saved).
    ProfitTableWindowModel(const Option (&options)[kOptionSlots], const Stock& stock,
                           const Settings& settings, Messages& messages, std::string documentName);
    ProfitTableWindowModel(const ProfitTableWindowModel&) = delete;
    ProfitTableWindowModel& operator=(const ProfitTableWindowModel&) = delete;

    // Sets up the controls and fills the table. Without any option it warns as the graph
    // window does and returns false: the window closes.
    bool Open();

    // The step box was left with text; an entry that is no positive price puts the
    // step in force back into the box.
    void LeaveBox(TableControl control, const std::string& text);
    // A quantity was chosen from the list.
    void ChooseItem(TableControl control, int item);
    // The Volatility slider moved.
    void MoveSlider(TableControl control, int position);
    TableRequest Command(TableCommand command);
    // Fills the table again under the settings as they are now: the rule, the fees and
    // the number forms may have changed in another window.
    void Refresh();

    // Writes the table as CSV to path; false, after saying why, when it could not.
    bool Export(const std::string& path);
    // The kinds of file the table is exported as.
    static std::vector<FileKind> ExportKinds() { return {{"CSV Spreadsheet", "csv"}}; }
    // The name the export dialog proposes: the symbol and "Profit Table".
    std::string SuggestedExportName() const;
    // The table with separator between fields, as a spreadsheet takes it.
    std::string SheetText(char separator) const;
    // The lines heading the printed table: what it is, the document, the underlying,
    // the valuation date and each leg.
    std::vector<std::string> PrintHeader() const;

    int RowCount() const { return table.GetRowCount(); }
    int ColumnCount() const { return table.GetColumnCount(); }
    std::string CellText(int row, int column) const;
    // A cell's background: green for a profit, red for a loss, the deeper the larger
    // against the table's largest magnitude; white for none.
    ColorRef CellColor(int row, int column) const;
    std::string RowHeader(int row) const;
    // The date over a column, "(exp)" under it for an expiration.
    std::string ColumnHeader(int column) const;
    // The current price's row and the valuation date's column are marked.
    bool IsMarkedRow(int row) const { return row == ProfitTable::kCurrentRow; }
    bool IsMarkedColumn(int column) const { return column == 0; }
    // The colour the marked headers are drawn in: the user's text highlight.
    ColorRef MarkColor() const { return settings.textHighlightColor; }

    const Control& GetControl(TableControl control) const {
        return controls[static_cast<int>(control)];
    }
    const MenuItem& GetMenuItem(TableCommand command) const { return menu.Get(command); }
    const ProfitTable& GetTable() const { return table; }

  private:
    Control& Ctl(TableControl control) { return controls[static_cast<int>(control)]; }
    void ShowStep();
    void Recompute();

    const Settings& settings;
    Messages& messages;
    std::string documentName;
    ProfitTable table;
    Control controls[static_cast<int>(TableControl::kCount)];
    MenuItems<TableCommand> menu;
};

}  // namespace qx

#endif  // QX_GRAPH_PROFIT_TABLE_WINDOW_MODEL_H
