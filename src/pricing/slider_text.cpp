#include "pricing/slider_text.h"

#include <algorithm>
#include <charconv>

namespace qx {

namespace {

std::string Digits(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string VolatilitySliderText(int percent) {
    if (percent >= 100) return "1.000";
    const std::string digits = Digits(std::max(percent, 0));
    return (digits.size() == 1 ? "0.0" : "0.") + digits + "0";
}

std::string RateSliderText(int tenths) {
    const std::string digits = Digits(std::max(tenths, 0));
    if (digits.size() == 1) return "0." + digits + "%";
    return digits.substr(0, digits.size() - 1) + "." + digits.back() + "%";
}

}  // namespace qx
