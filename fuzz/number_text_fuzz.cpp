// Feeds arbitrary text to the number readers. ParseNumber never gives a value that is
// not finite, and a number it reads writes back, at each number of decimals the
// windows show, to text that reads as the same number within half the last decimal
// and then writes back to itself; in 64ths (for prices, never negative) within half a
// 64th. ParseInteger agrees with a plain reading of the leading integer, and the
// integer it gives writes back to text that reads as itself. A box's whole number is
// the box's number when that is whole, and reads back from its text with or without
// thousands separators.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "pricing/number_text.h"

namespace {

using qx::Require;

void CheckNumber(const std::string& text) {
    const double v = qx::ParseNumber(text);
    Require(std::isfinite(v), "ParseNumber gives a finite value");
    // Beyond the half unit of the last decimal, a double may add its own rounding.
    const double slack = std::fabs(v) * 1e-15;
    for (int digits = 0; digits <= 4; ++digits) {
        const std::string shown = qx::NumberText(v, digits, false);
        const double back = qx::ParseNumber(shown);
        Require(std::fabs(back - v) <= 0.5 * std::pow(10.0, -digits) * (1 + 1e-9) + slack,
                "decimal text \"" + shown + "\" reads as the number it shows");
        if (back != 0)
            Require(qx::NumberText(back, digits, false) == shown,
                    "decimal text \"" + shown + "\" writes back to itself");
    }
    if (v < 0) return;
    const std::string shown = qx::NumberText(v, 2, true);
    Require(std::fabs(qx::ParseNumber(shown) - v) <= 1.0 / 128 + slack,
            "fraction text \"" + shown + "\" reads as the price it shows");
}

// The leading integer as a person reads it: blanks, a sign, digits; 0 when there are no
// digits or the number lies outside the 32-bit range.
int PlainInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{INT32_MAX} + 1) return 0;
    }
    value = negative ? -value : value;
    return value < INT32_MIN || value > INT32_MAX ? 0 : static_cast<int>(value);
}

void CheckInteger(const std::string& text) {
    const int n = qx::ParseInteger(text);
    Require(n == PlainInteger(text), "ParseInteger reads the leading integer");
    Require(qx::ParseInteger(qx::IntegerText(n)) == n, "an integer's text reads as itself");
}

// The text of n with thousands separators: -1234567 gives "-1,234,567".
std::string GroupedText(int n) {
    const std::string plain = qx::IntegerText(n, true);
    const std::size_t sign = n < 0 ? 1 : 0;
    std::string grouped = plain.substr(0, sign);
    for (std::size_t i = sign; i < plain.size(); ++i) {
        if (i > sign && (plain.size() - i) % 3 == 0) grouped += ',';
        grouped += plain[i];
    }
    return grouped;
}

void CheckBoxInteger(const std::string& text) {
    const std::optional<double> number = qx::ReadNumber(text);
    Require(!number || std::isfinite(*number), "ReadNumber gives a finite value");
    const std::optional<int> n = qx::ReadInteger(text);
    const bool whole =
        number && *number == std::trunc(*number) && *number >= INT32_MIN && *number <= INT32_MAX;
    Require(n.has_value() == whole, "ReadInteger reads exactly the whole numbers ReadNumber reads");
    if (!n) return;
    Require(*n == *number, "ReadInteger gives ReadNumber's number");
    Require(qx::ReadInteger(qx::IntegerText(*n)) == n, "a box's integer text reads as itself");
    Require(qx::ReadInteger(GroupedText(*n)) == n, "a grouped integer reads as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckNumber(text);
    CheckInteger(text);
    CheckBoxInteger(text);
    return 0;
}
