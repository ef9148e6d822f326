#ifndef QX_TRACKER_TRACKER_WINDOW_MODEL_H
#define QX_TRACKER_TRACKER_WINDOW_MODEL_H

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "pricing/option.h"
#include "tracker/stock.h"
#include "tracker/tracker_controls.h"
#include "tracker/tran.h"

namespace qx {

class Clock;
class FileChooser;
class Messages;
class Outcome;
class Settings;
class TranList;

// The behaviour of the trade tracker: the entry form that collects a transaction, the
// list of every transaction or of the open positions, recording, changing and deleting
// through the document's TranList (which does all validation), the hand-off of the
// open positions to a graph, and the book to and from a spreadsheet file. It holds the
// state of every control; the window only mirrors it, forwards events and carries out
// the requests.
class TrackerWindowModel {
  public:
    // The columns of the list.
    static constexpr int kColumnCount = 9;
    // The entry list: the underlying, the editor's options, then the dividend.
    static constexpr int kUnderlyingEntry = 0;
    static constexpr int kDividendEntry = kOptionSlots + 1;

    // The texts of one row of the list.
    using Row = std::array<std::string, kColumnCount>;

    // Works on the editor's underlying and option records and the document's
    // transactions in place; every reference must outlive the model.
    TrackerWindowModel(const Stock& stock, std::array<const Option*, kOptionSlots> options,
                       TranList& transactions, Settings& settings, Messages& messages,
                       FileChooser& files, const Clock& clock);
    TrackerWindowModel(const TrackerWindowModel&) = delete;
    TrackerWindowModel& operator=(const TrackerWindowModel&) = delete;

    // Sets up the window: the list, the entries, today's date in the form, the buttons
    // and the view the settings ask for.
    void Open();
    // Lists the entries again after an editor row changed or the window is shown again;
    // a chosen entry that still reads the same stays chosen.
    void RefillEntries();
    // Lists the transactions and the entries of a new or opened document afresh.
    void DocumentReplaced();

    // Events of the window.

    // The user left a box (date, units or price) after changing its text.
    void LeaveBox(TrackerControl box, const std::string& text);
    // The user typed into the units list's box: a whole count is taken at once.
    void EditUnits(const std::string& text);
    // Whether the box read last refused its text, cleared by asking: Enter that a box
    // refused shows the refusal and records nothing.
    bool TakeRefusedRead() { return std::exchange(refusedRead, false); }
    // The user chose item index of the entry list or the units list.
    TrackerRequest ChooseItem(TrackerControl list, int item);
    // The user clicked a radio button, the check box or a button.
    TrackerRequest ClickButton(TrackerControl control);
    // The user clicked row index of the list, or beside every row (-1).
    void ClickRow(int index);
    // The user dragged a column of the list to width pixels.
    void ResizeColumn(int column, int width);
    // The user ticked or cleared the check box of row index; a graph takes at most
    // four options, so a fifth tick is refused with a warning.
    void PickRow(int index, bool picked);

    // State shown by the window.

    const Control& GetControl(TrackerControl control) const {
        return controls[static_cast<int>(control)];
    }
    // The title of a column, which depends on the view.
    std::string ColumnTitle(int column) const;
    static ColumnAlignment ColumnAlign(int column);
    // The width of a column in pixels, from the settings.
    int ColumnWidth(int column) const;
    // The number of rows of the list: every transaction, or the open positions.
    int GetRowCount() const;
    // The texts of row index, formatted when asked, so that a book of any length costs
    // only the rows in view; empty texts outside the rows.
    Row GetRow(int index) const;
    // Grows whenever the rows are listed afresh, so that a view knows to read them again.
    int GetRowsRevision() const { return rowsRevision; }
    // Whether row index has a check box: an option position in the open view.
    bool IsPickable(int index) const;
    // Whether row index is ticked to go to a graph.
    bool IsPicked(int index) const;
    // The selected row of the list, or -1.
    int GetSelectedRow() const { return selectedRow; }
    // The transaction the form holds.
    const Tran& GetForm() const { return form; }

    // The records a graph window takes after TrackerRequest::kOpenGraph.
    const Option (&GraphOptions() const)[kOptionSlots] { return graphOptions; }
    const Stock& GraphStock() const { return graphStock; }

  private:
    enum class ControlSet { kNone, kUnderlying, kOption, kDividend };

    Control& Ctl(TrackerControl control) { return controls[static_cast<int>(control)]; }
    void InitControls();

    // The entry form (tracker_window_model.cpp).
    TrackerRequest ChooseEntry(int entry);
    TrackerRequest RefuseEntry();
    void ShowSet(ControlSet set);
    void FillUnits(bool contracts);
    void ClearEntryControls();
    void CheckAction(TranAction action);
    void CheckSide(Side side);
    void ClickFees();
    void EnterDate(const std::string& text);
    void ShowFormDate();
    void EnterPrice(const std::string& text);
    void EnterUnits(const std::string& text);
    void TakeUnits(int units);
    void RefreshButtons();
    bool IsOpenView() const { return GetControl(TrackerControl::kShowOpenOnly).checked; }

    // The list's operations (tracker_list_ops.cpp).
    void Record();
    void ChangeRow();
    void DeleteRow();
    void ShowView(bool openOnly);
    void LoadRow(int index);
    void AfterListChange();
    bool Accepted(const Outcome& outcome);

    // The list's texts (tracker_list_view.cpp).
    void BuildRows();
    Row Cells(const Tran& record, double balance, bool position) const;
    std::string DateCell(CTime date) const;

    // Graph and files (tracker_handoff.cpp).
    TrackerRequest HandToGraph();
    void AddGraphOption(const Tran& position, Option& option) const;
    CTime ValuationDate() const;
    int PickedCount() const;
    void Export();
    void Import();

    const Stock& stock;
    std::array<const Option*, kOptionSlots> options;
    TranList& transactions;
    Settings& settings;
    Messages& messages;
    FileChooser& files;
    const Clock& clock;

    Control controls[static_cast<int>(TrackerControl::kCount)];
    Tran form;  // what the entry controls hold
    int rowsRevision = 0;
    // By open position: ticked to go to a graph; the first four options by default.
    std::vector<bool> picks;
    int selectedRow = -1;  // a row of the list, or -1
    bool refusedRead = false;
    Option graphOptions[kOptionSlots];
    Stock graphStock;
};

}  // namespace qx

#endif  // QX_TRACKER_TRACKER_WINDOW_MODEL_H
