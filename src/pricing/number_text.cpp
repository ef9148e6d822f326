#include "pricing/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace qx {

namespace {

constexpr int kMaxDigits = 30;

// Text of a whole number held in a double (may exceed the int range); 0 is empty.
std::string WholeText(double whole) {
    if (whole == 0) return "";
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0).ptr;
    return std::string(buffer, end);
}

std::string FractionForm(double x) {
    const double whole = std::trunc(x);
    const double rest = x - whole;
    // The nearest 64th at or above rest, or the one below when that is strictly nearer.
    int k = 1;
    while (k < 64 && k / 64.0 < rest) ++k;
    if (std::fabs((k - 1) / 64.0 - rest) < std::fabs(k / 64.0 - rest)) --k;

    std::string text = WholeText(whole);
    if (k > 0) {
        int denominator = 64;
        while (k % 2 == 0) {
            k /= 2;
            denominator /= 2;
        }
        text += ' ' + std::to_string(k) + '/' + std::to_string(denominator);
    }
    return text;
}

std::string DecimalForm(double x, int digits) {
    // More places than any display shows would overflow the conversion buffer below.
    digits = std::clamp(digits, 0, kMaxDigits);
    // The rounded fixed-point digits of |x|, without the point and leading zeros.
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                   std::chars_format::fixed, digits)
                         .ptr;
    std::string all;
    for (const char* c = buffer; c != end; ++c) {
        if (*c != '.' && !(all.empty() && *c == '0')) all += *c;
    }
    const std::size_t split =
        all.size() > static_cast<std::size_t>(digits) ? all.size() - digits : 0;
    const std::string wholePart = all.substr(0, split);
    std::string fractionPart = all.substr(split);
    fractionPart.insert(0, digits - fractionPart.size(), '0');

    std::string text;
    if (wholePart.empty())
        text = "0." + fractionPart;
    else if (digits < 1)
        text = wholePart;
    else
        text = wholePart + "." + fractionPart;
    return x < 0 ? "-" + text : text;
}

// Reads the leading decimal number of text (an optional sign, digits, a point, an
// exponent), independent of the locale; 0 when there is none or it is not finite.
double LeadingNumber(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    if (first == last || *first == '-' || *first == '+') return 0;
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Digits in groups of three after a first group of one to three: "1,250,000".
bool IsGroupedWhole(const std::string& whole) {
    const auto first = whole.find(',');
    if (first == 0 || first > 3) return false;
    for (std::size_t i = first; i < whole.size(); i += 4) {
        if (whole[i] != ',' || whole.size() - i < 4 || !AllDigits(whole.substr(i + 1, 3)))
            return false;
    }
    return AllDigits(whole.substr(0, first));
}

// A decimal number with an optional sign, point, exponent or thousands separators;
// separators and an exponent do not go together. Gives the text without separators.
std::optional<std::string> DecimalWithoutSeparators(const std::string& text) {
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const std::string body = text.substr(start);
    // Not "inf" or "nan", which the conversion below would take.
    if (body.empty() || !(IsDigit(body[0]) || body[0] == '.')) return std::nullopt;
    if (body.find(',') == std::string::npos) {
        double value = 0;
        const char* end = body.data() + body.size();
        const auto read = std::from_chars(body.data(), end, value, std::chars_format::general);
        if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return std::nullopt;
        return text;
    }
    const auto point = body.find('.');
    const std::string whole = body.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : body.substr(point + 1);
    if (!IsGroupedWhole(whole) || (point != std::string::npos && !AllDigits(decimals)))
        return std::nullopt;
    std::string plain = text.substr(0, start);
    for (char c : body)
        if (c != ',') plain += c;
    return plain;
}

// "n/d" with a numerator and a non-zero denominator.
bool IsFraction(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return false;
    const std::string denominator = text.substr(slash + 1);
    return AllDigits(text.substr(0, slash)) && AllDigits(denominator) &&
           ParseInteger(denominator) != 0;
}

}  // namespace

std::string IntegerText(long long value, bool zeroShown) {
    return value == 0 && !zeroShown ? "" : std::to_string(value);
}

std::string NumberText(double x, int digits, bool fractions) {
    if (x == 0 || !std::isfinite(x)) return "";
    return fractions ? FractionForm(x) : DecimalForm(x, digits);
}

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int ParseInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '+') {
        // One sign only: "+-5" is no number.
        if (++i < text.size() && text[i] == '-') return 0;
    }
    int value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

std::optional<double> ReadNumber(const std::string& raw) {
    const std::string text = TrimSpaces(raw);
    if (text.empty()) return 0.0;
    const auto space = text.find(' ');
    if (text.find('/') != std::string::npos) {
        const std::string fraction = space == std::string::npos ? text : text.substr(space + 1);
        if (!IsFraction(fraction)) return std::nullopt;
        if (space == std::string::npos) return ParseNumber(text);
        const auto whole = DecimalWithoutSeparators(text.substr(0, space));
        if (!whole || !AllDigits(whole->substr(whole->front() == '-' ? 1 : 0))) return std::nullopt;
        return ParseNumber(*whole + " " + fraction);
    }
    if (space != std::string::npos) return std::nullopt;
    const auto plain = DecimalWithoutSeparators(text);
    if (!plain) return std::nullopt;
    return ParseNumber(*plain);
}

std::optional<int> ReadInteger(const std::string& text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number || *number != std::trunc(*number)) return std::nullopt;
    if (*number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*number);
}

double ParseNumber(const std::string& raw) {
    const std::string text = TrimSpaces(raw);
    const double v = LeadingNumber(text);
    const auto slash = text.find('/');
    if (slash == std::string::npos) return v;
    if (slash == 0) return 0;

    const auto space = text.find(' ');
    const bool hasSpace = space != std::string::npos;
    const std::size_t numeratorStart = hasSpace ? space + 1 : 0;
    const std::string numeratorText =
        numeratorStart < slash ? text.substr(numeratorStart, slash - numeratorStart) : "";
    const int numerator = ParseInteger(numeratorText);
    const int denominator = ParseInteger(text.substr(slash + 1));
    if (numerator == 0 || denominator == 0) return v;
    const double fraction = static_cast<double>(numerator) / denominator;
    return hasSpace ? v + fraction : fraction;
}

}  // namespace qx
