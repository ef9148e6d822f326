#include "graph/profit_table_text.h"

#include <cmath>

#include "graph/profit_table.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"

namespace qx {

std::string SheetNumber(double value, int digits, bool fractions) {
    if (!std::isfinite(value)) return "";
    const std::string text = NumberText(value, digits, fractions);
    return text.empty() ? "0" : text;
}

std::string TableCellText(const ProfitTable& table, int row, int column, int digits) {
    return SheetNumber(table.GetCell(row, column), digits, false);
}

std::string TablePriceText(const ProfitTable& table, int row, bool fractions) {
    return SheetNumber(table.GetPrice(row), 2, fractions);
}

std::string TableDateText(const ProfitTable& table, int column, int dateFormat) {
    return DateText(table.GetColumnDate(column), dateFormat);
}

std::string TableSheetText(const ProfitTable& table, char separator, int digits, int dateFormat) {
    std::string text = "Price";
    for (int column = 0; column < table.GetColumnCount(); ++column)
        text += separator + TableDateText(table, column, dateFormat);
    text += "\r\n";
    for (int row = 0; row < table.GetRowCount(); ++row) {
        text += TablePriceText(table, row, false);
        for (int column = 0; column < table.GetColumnCount(); ++column)
            text += separator + TableCellText(table, row, column, digits);
        text += "\r\n";
    }
    return text;
}

}  // namespace qx
