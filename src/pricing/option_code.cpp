#include "pricing/option_code.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "pricing/option.h"

namespace qx {

namespace {

// The strike's letter, or 0 when it has none.
char StrikeLetter(double strike) {
    const double whole = std::trunc(strike);
    if (strike == whole) {
        // Whole strikes go by their last two digits: "05" A .. "95" S, "00" T. A strike
        // below 10 has a single digit and no letter.
        if (whole < 10) return 0;
        const int lastTwo = static_cast<int>(std::fmod(whole, 100));
        if (lastTwo % 5 != 0) return 0;
        return lastTwo == 0 ? 'T' : static_cast<char>('A' + lastTwo / 5 - 1);
    }
    if (strike == whole + 0.5) {
        // Half strikes repeat every 30: bring the strike into (3, 33] in one step rather
        // than subtracting 30 at a time, which a huge strike would make endless.
        const double h = strike > 33 ? strike - 30 * std::ceil((strike - 33) / 30) : strike;
        const double halves[] = {7.5, 12.5, 17.5, 22.5, 27.5, 32.5};
        for (int i = 0; i < 6; ++i) {
            if (h == halves[i]) return static_cast<char>('U' + i);
        }
    }
    return 0;
}

// OCC roots are upper-case letters and digits, a class suffix after a point.
bool IsOccRoot(const std::string& root) {
    if (root.empty() || root.size() > 6) return false;
    for (char c : root) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.')) return false;
    }
    return true;
}

}  // namespace

std::string OccSymbol(const Option& option, const std::string& underlyingSymbol) {
    std::string root = underlyingSymbol;
    for (char& c : root) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (option.GetDaysLeft() == 0 || option.GetStrike() == 0 ||
        option.GetOptionType() == OptionType::kNone || !IsOccRoot(root))
        return "";
    const double thousandths = option.GetStrike() * 1000;
    const double whole = std::round(thousandths);
    // Eight digits, and a strike the record really holds, not one rounded to fit.
    if (whole >= 1e8 || std::fabs(thousandths - whole) > 1e-6 * std::max(1.0, whole)) return "";
    const CTime expiration = option.GetExpiration();
    char text[32];
    std::snprintf(text, sizeof text, "%-6s%02d%02d%02d%c%08ld", root.c_str(),
                  expiration.GetYear() % 100, expiration.GetMonth(), expiration.GetDay(),
                  option.GetOptionType() == OptionType::kCall ? 'C' : 'P',
                  static_cast<long>(whole));
    return text;
}

std::string SymbolCode(const Option& option) {
    if (option.GetDaysLeft() == 0 || option.GetStrike() == 0 ||
        option.GetOptionType() == OptionType::kNone)
        return "";
    const char strikeLetter = StrikeLetter(option.GetStrike());
    if (strikeLetter == 0) return "";
    const int month = option.GetExpiration().GetMonth();
    const char firstMonth = option.GetOptionType() == OptionType::kCall ? 'A' : 'M';
    return {static_cast<char>(firstMonth + month - 1), strikeLetter};
}

}  // namespace qx
