#include "pricing/slider_text.h"

#include <algorithm>

#include "pricing/number_text.h"

namespace qx {

std::string VolatilitySliderText(int percent) {
    // Whole percent are hundredths: the fraction's text needs no rounding.
    const int p = std::max(percent, 0);
    const std::string hundredths = IntegerText(100 + p % 100, true);
    return IntegerText(p / 100, true) + "." + hundredths.substr(1) + "0";
}

std::string RateSliderText(int tenths) {
    const std::string digits = IntegerText(std::max(tenths, 0), true);
    if (digits.size() == 1) return "0." + digits + "%";
    return digits.substr(0, digits.size() - 1) + "." + digits.back() + "%";
}

}  // namespace qx
