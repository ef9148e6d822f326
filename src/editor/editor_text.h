#ifndef QX_EDITOR_EDITOR_TEXT_H
#define QX_EDITOR_EDITOR_TEXT_H

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/ctime.h"

namespace qx {

class Settings;

// A price or strike in the settings' significant digits, in 64ths while fractions show.
std::string PriceText(double value, const Settings& settings);

// An amount of money in the settings' significant digits, always in decimals.
std::string MoneyText(double value, const Settings& settings);

// A date in the order the user types dates, so a date box reads back as the same day.
std::string DateBoxText(CTime date, const Settings& settings);

// The time left on an option's last day, from its years: "4 h", "3.5 h", "0 h" after
// the close.
std::string HoursLeftText(double years);

// Writes text into an editable list, selecting the item that reads the same, if any.
void SetListText(Control& list, const std::string& text);

// Replaces a list's items; the text typed in its box stays, selected when it is one of
// the new items.
void SetListItems(Control& list, std::vector<std::string> items);

}  // namespace qx

#endif  // QX_EDITOR_EDITOR_TEXT_H
