#include "pricing/slider_text.h"

#include <algorithm>

#include "pricing/number_text.h"

namespace qx {

std::string VolatilitySliderText(int percent) {
    if (percent >= 100) return "1.000";
    const std::string digits = IntegerText(std::max(percent, 0), true);
    return (digits.size() == 1 ? "0.0" : "0.") + digits + "0";
}

std::string RateSliderText(int tenths) {
    const std::string digits = IntegerText(std::max(tenths, 0), true);
    if (digits.size() == 1) return "0." + digits + "%";
    return digits.substr(0, digits.size() - 1) + "." + digits.back() + "%";
}

}  // namespace qx
