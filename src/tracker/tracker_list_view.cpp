// The list of the tracker: its columns, and the texts of its rows in either view.

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
    rows.clear();
    selectedRow = -1;
    Tran record;
    if (IsOpenView()) {
        for (int slot = 0; slot < transactions.GetPositionCount(); ++slot) {
            transactions.GetPosition(slot, record);
            rows.push_back(Cells(record, transactions.GetPositionBalance(slot), true));
        }
        return;
    }
    for (int i = 0; i < transactions.GetCount(); ++i) {
        transactions.GetAt(i, record);
        rows.push_back(Cells(record, transactions.GetBalance(i), false));
    }
}

TrackerWindowModel::Row TrackerWindowModel::Cells(const Tran& r, double balance,
                                                  bool position) const {
    static const char* const kActionMarks[] = {"", "O", "C", "E"};
    const int digits = settings.significantDigits;
    const auto money = [digits](double x) { return NumberText(x, digits, false); };
    const int action = r.GetAction();
    const int units = r.GetUnits();
    return {DateCell(r.GetDate()),
            // The underlying's position goes by the symbol the editor now shows.
            position && r.GetKind() == kUnderlyingTran ? stock.GetSymbol() : r.GetName(),
            action >= 0 && action <= kExercise ? kActionMarks[action] : "",
            units == 0 ? "" : (r.GetSide() == kSell ? "-" : "") + IntegerText(units),
            r.GetKind() == kDividendTran ? "" : money(r.GetPrice()), money(r.Amount()),
            money(r.TotalFees()), money(r.Total()), money(balance)};
}

std::string TrackerWindowModel::DateCell(CTime date) const {
    return date.Format(settings.dateFormat == kMonthDayYear ? "%m/%d/%Y" : "%d/%m/%Y");
}

}  // namespace qx
