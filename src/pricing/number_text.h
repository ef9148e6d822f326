#ifndef QX_PRICING_NUMBER_TEXT_H
#define QX_PRICING_NUMBER_TEXT_H

#include <optional>
#include <string>

namespace qx {

// Decimal text of an integer. A box shows 0 as an empty text, and so 0 gives one,
// unless zeroShown asks for "0", as a label, a slider's text or a stored name shows it.
std::string IntegerText(long long value, bool zeroShown = false);

// Display text of a number: in 64ths after the whole part when fractions is set
// (50.25 gives "50 1/4"), else with exactly digits places after the point. Exactly 0,
// and any value that is not finite, give an empty text.
std::string NumberText(double x, int digits, bool fractions);

// The number a box holds: a leading decimal number, optionally followed by a fraction
// ("12 3/8", "3/8"). Unreadable or non-finite text reads as 0. Never depends on the
// process locale.
double ParseNumber(const std::string& text);

// The number a box holds, read whole as a trader writes it: a decimal number with or
// without thousands separators ("1,250,000.50"), optionally followed by a fraction
// ("50 1/4", "3/8"); an empty text is 0. Nothing when the text holds anything else (a
// misplaced separator, a stray character, a zero denominator): the box refuses it.
std::optional<double> ReadNumber(const std::string& text);

// The whole number a box holds, read as ReadNumber reads it ("1,250" is 1250; an empty
// text is 0). Nothing when ReadNumber refuses the text or its number is not whole or
// lies outside the 32-bit range: a count of shares or contracts is never rounded.
std::optional<int> ReadInteger(const std::string& text);

// The leading integer of a text (after leading spaces), or 0 when there is none or it
// lies outside the 32-bit range. The fields of a date or a month text are read here;
// a box's whole number is read by ReadInteger.
int ParseInteger(const std::string& text);

// The text without the spaces at both ends.
std::string TrimSpaces(const std::string& text);

}  // namespace qx

#endif  // QX_PRICING_NUMBER_TEXT_H
