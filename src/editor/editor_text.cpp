#include "editor/editor_text.h"

#include <algorithm>
#include <cmath>

#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

std::string PriceText(double value, const Settings& settings) {
    return NumberText(value, settings.significantDigits, settings.showFractions);
}

std::string MoneyText(double value, const Settings& settings) {
    return NumberText(value, settings.significantDigits, false);
}

std::string HoursLeftText(double years) {
    // Tenths of an hour, the way a clock is read: 3.5 h, and 4 h rather than 4.0 h.
    const double tenths = std::round(years * 365 * 24 * 10);
    const std::string text = NumberText(tenths / 10, 1, false);
    if (text.empty()) return "0 h";
    const bool whole = text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0;
    return (whole ? text.substr(0, text.size() - 2) : text) + " h";
}

std::string DateBoxText(CTime date, const Settings& settings) {
    return date.Format(settings.dateFormat == kDayMonthYear ? "%d/%m/%Y" : "%m/%d/%Y");
}

void SetListText(Control& list, const std::string& text) {
    list.text = text;
    const auto found = std::find(list.items.begin(), list.items.end(), text);
    list.selected = found == list.items.end() || text.empty()
                        ? -1
                        : static_cast<int>(found - list.items.begin());
}

void SetListItems(Control& list, std::vector<std::string> items) {
    list.items = std::move(items);
    SetListText(list, list.text);
}

}  // namespace qx
