#include "pricing/option_code.h"

#include <cmath>

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

}  // namespace

std::string SymbolCode(const Option& option) {
    if (option.GetDaysLeft() == 0 || option.GetStrike() == 0 ||
        option.GetOptionType() == kNoOptionType)
        return "";
    const char strikeLetter = StrikeLetter(option.GetStrike());
    if (strikeLetter == 0) return "";
    const int month = option.GetExpiration().GetMonth();
    const char firstMonth = option.GetOptionType() == kCall ? 'A' : 'M';
    return {static_cast<char>(firstMonth + month - 1), strikeLetter};
}

}  // namespace qx
