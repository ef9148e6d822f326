#ifndef QX_GRAPH_PROFIT_TABLE_H
#define QX_GRAPH_PROFIT_TABLE_H

#include <string>

#include "platform/ctime.h"
#include "pricing/option.h"
#include "tracker/stock.h"

namespace qx {

class Settings;

// What the cells of a profit table hold: the NET profit (the holding included), the
// options' value, or the profit in percent of the premium paid (or, for a credit,
// received).
enum class TableQuantity { kProfit, kValue, kPercent };

// A position's NET profit at 41 underlying prices by up to 25 dates, from the valuation
// date to the last expiration: the plan a trader reads off a grid. Works on copies of
// the position; recomputing allocates nothing.
class ProfitTable {
  public:
    static constexpr int kMaxRows = 41;
    // The row of the current price: the middle one, higher prices above it.
    static constexpr int kCurrentRow = kMaxRows / 2;
    static constexpr int kMaxColumns = 25;

    // Copies the options whose side is set, gaps closed up, and the holding. The current
    // price, volatility and base date are the first kept option's.
    ProfitTable(const Option (&options)[kOptionSlots], const Stock& stock);

    // The distance between price rows the graph's price axis has on opening (at the
    // nearest expiration): the step between its ticks.
    static double GraphAxisStep(const Option (&options)[kOptionSlots], const Stock& stock,
                                const Settings& settings);

    // Values the options under the settings' rule, with the fees the settings put in
    // force on every leg.
    void ApplyRule(const Settings& settings);
    // The volatility of every option (an option refusing it keeps its own).
    void SetVolatility(double sigma);
    // The distance between price rows; refused (-1) unless positive and finite.
    int SetStep(double step);
    void SetQuantity(TableQuantity quantity) { this->quantity = quantity; }

    // Fills every cell.
    void Compute();

    int GetOptionCount() const { return optionCount; }
    // Kept option k, 1..optionCount.
    const Option& GetOption(int k) const { return options[k - 1]; }
    const Stock& GetStock() const { return stock; }
    double GetCurrentPrice() const { return currentPrice; }
    double GetVolatility() const { return volatility; }
    CTime GetBaseDate() const { return baseDate; }
    double GetStep() const { return step; }
    TableQuantity GetQuantity() const { return quantity; }

    // Rows from the highest price down; prices below 0 have no row, so a large step
    // leaves fewer than kMaxRows.
    int GetRowCount() const { return rowCount; }
    double GetPrice(int row) const { return currentPrice + (kCurrentRow - row) * step; }
    // Columns from the base date (column 0) to the last expiration (the last column).
    int GetColumnCount() const { return columnCount; }
    // Days from the base date to a column's date.
    int GetColumnDays(int column) const { return columnDays[column]; }
    CTime GetColumnDate(int column) const { return baseDate.AddDays(columnDays[column]); }
    // Whether a column is the expiration of some option.
    bool IsExpirationColumn(int column) const;
    double GetCell(int row, int column) const { return cells[row][column]; }
    // The largest magnitude among the finite cells, 0 when there is none.
    double GetLargestMagnitude() const { return largest; }
    // The cash the position took in or paid out at entry, fees included (negative when
    // paid), on which the percent cells are based.
    double EntryCash() const;

  private:
    void ChooseColumns();
    void PlaceExpiration(int days);
    void ComputeColumn(int column);
    double CellValue(double price);

    Option options[kOptionSlots];
    int optionCount = 0;
    int daysLeftAtStart[kOptionSlots] = {};
    Stock stock;
    double currentPrice = 0;
    double volatility = 0;
    CTime baseDate;
    double step = 1;
    TableQuantity quantity = TableQuantity::kProfit;

    int rowCount = 0;
    int columnCount = 0;
    int columnDays[kMaxColumns] = {};
    double cells[kMaxRows][kMaxColumns] = {};
    double largest = 0;
    double percentBase = 0;  // the entry cash's magnitude, 0 when nothing changed hands
};

}  // namespace qx

#endif  // QX_GRAPH_PROFIT_TABLE_H
