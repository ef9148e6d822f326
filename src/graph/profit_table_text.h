#ifndef QX_GRAPH_PROFIT_TABLE_TEXT_H
#define QX_GRAPH_PROFIT_TABLE_TEXT_H

#include <string>

namespace qx {

class ProfitTable;

// A number as a table or spreadsheet cell shows it: the program's number text with
// digits decimals (fractions in 64ths if asked), "0" where a box would stay empty, and
// an empty text for a value that is not finite.
std::string SheetNumber(double value, int digits, bool fractions = false);

// How the cells, prices and dates of a profit table read.
std::string TableCellText(const ProfitTable& table, int row, int column, int digits);
std::string TablePriceText(const ProfitTable& table, int row, bool fractions);
std::string TableDateText(const ProfitTable& table, int column, int dateFormat);

// The whole table for a spreadsheet: a header row ("Price", then the dates), then a row
// per price, fields split by separator (a tab for the clipboard, a comma for a file),
// prices in decimals, CR LF after each row.
std::string TableSheetText(const ProfitTable& table, char separator, int digits, int dateFormat);

}  // namespace qx

#endif  // QX_GRAPH_PROFIT_TABLE_TEXT_H
