// The list of the tracker: its columns, and the texts of its rows in either view.

#include <algorithm>

#include "platform/messages.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "shell/settings.h"
#include "tracker/tracker_window_model.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

constexpr const char* kColumnTitles[TrackerWindowModel::kColumnCount] = {
    "Date", "Entry", "O/C", "Units", "Price", "Amount", "Fees", "Total", "Cash Balance"};
constexpr int kPriceColumn = 4;

// Widths a damaged settings store may hold are not used: such a column gets its default.
constexpr int kMinColumnWidth = 4;
constexpr int kMaxColumnWidth = 2000;

}  // namespace

std::string TrackerWindowModel::ColumnTitle(int column) const {
    if (column == kPriceColumn && IsOpenView()) return "Avg. Price";
    return column >= 0 && column < kColumnCount ? kColumnTitles[column] : "";
}

ColumnAlignment TrackerWindowModel::ColumnAlign(int column) {
    if (column < 2) return ColumnAlignment::kLeft;
    return column == 2 ? ColumnAlignment::kCenter : ColumnAlignment::kRight;
}

int TrackerWindowModel::ColumnWidth(int column) const {
    if (column < 0 || column >= kColumnCount) return 0;
    const int width = settings.columnWidths[column];
    if (width >= kMinColumnWidth && width <= kMaxColumnWidth) return width;
    return Settings().columnWidths[column];
}

void TrackerWindowModel::BuildRows() {
    selectedRow = -1;
    ++rowsRevision;
    picks.assign(transactions.GetPositionCount(), false);
    Tran position;
    // The first four option positions go to a graph until the user ticks others.
    int picked = 0;
    for (int i = 0; i < transactions.GetPositionCount() && picked < kOptionSlots; ++i) {
        transactions.GetPosition(i, position);
        if (position.GetKind() != TranKind::kOption) continue;
        picks[i] = true;
        ++picked;
    }
}

int TrackerWindowModel::GetRowCount() const {
    return IsOpenView() ? transactions.GetPositionCount() : transactions.GetCount();
}

TrackerWindowModel::Row TrackerWindowModel::GetRow(int index) const {
    if (index < 0 || index >= GetRowCount()) return Row();
    if (!IsOpenView()) return Cells(transactions.At(index), transactions.GetBalance(index), false);
    Tran position;
    transactions.GetPosition(index, position);
    return Cells(position, transactions.GetPositionBalance(index), true);
}

bool TrackerWindowModel::IsPickable(int index) const {
    Tran position;
    return IsOpenView() && transactions.GetPosition(index, position) == 0 &&
           position.GetKind() == TranKind::kOption;
}

bool TrackerWindowModel::IsPicked(int index) const {
    return IsPickable(index) && index < static_cast<int>(picks.size()) && picks[index];
}

int TrackerWindowModel::PickedCount() const {
    return static_cast<int>(std::count(picks.begin(), picks.end(), true));
}

void TrackerWindowModel::PickRow(int index, bool picked) {
    if (!IsPickable(index) || index >= static_cast<int>(picks.size())) return;
    if (picked && !picks[index] && PickedCount() >= kOptionSlots) {
        messages.Warning("A graph shows at most four options. Clear the tick of another first.",
                         kMessageCaption, MessageOwner::kTracker);
        return;
    }
    picks[index] = picked;
}

TrackerWindowModel::Row TrackerWindowModel::Cells(const Tran& r, double balance,
                                                  bool position) const {
    static const char* const kActionMarks[] = {"", "O", "C", "E"};
    const int digits = settings.significantDigits;
    const auto money = [digits](double x) { return NumberText(x, digits, false); };
    const int units = r.GetUnits();
    return {DateCell(r.GetDate()),
            // The underlying's position goes by the symbol the editor now shows.
            position && r.GetKind() == TranKind::kUnderlying ? stock.GetSymbol() : r.GetName(),
            NameOf(kActionMarks, r.GetAction()),
            units == 0 ? "" : (r.GetSide() == Side::kSell ? "-" : "") + IntegerText(units),
            r.GetKind() == TranKind::kDividend ? "" : money(r.GetPrice()), money(r.Amount()),
            money(r.TotalFees()), money(r.Total()), money(balance)};
}

std::string TrackerWindowModel::DateCell(CTime date) const {
    return date.Format(settings.dateFormat == kMonthDayYear ? "%m/%d/%Y" : "%d/%m/%Y");
}

}  // namespace qx
