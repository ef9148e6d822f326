#include "editor/editor_text.h"

#include <algorithm>

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
