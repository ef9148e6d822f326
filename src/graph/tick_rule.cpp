#include "graph/tick_rule.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

// Powers of ten tried before a range is taken as too large to scale.
constexpr int kMaxPower = 320;

// Decimals of a label whose major step is e or 5 e, e = 10^power.
int PlainDecimals(int power) { return std::max(0, -power); }

// Decimals of a label whose major step is 2.5 e: one more than e alone needs, but the
// price scale never shows more than two.
int QuarterDecimals(int power, TickAxis axis) {
    const int decimals = std::max(0, 1 - power);
    return axis == TickAxis::kPrices ? std::min(decimals, 2) : decimals;
}

}  // namespace

TickSteps ChooseTicks(double range, TickAxis axis) {
    const int basePower = axis == TickAxis::kValues ? -3 : -2;
    const double c = std::isfinite(range) ? range : 0;
    for (int power = basePower; power <= kMaxPower; ++power) {
        const double e = std::pow(10.0, power);
        if (c / e < 10) return {e, e / 2, PlainDecimals(power)};
        if (c / (2.5 * e) < 10) return {2.5 * e, e / 2, QuarterDecimals(power, axis)};
        if (c / (5 * e) < 10) return {5 * e, e, PlainDecimals(power)};
    }
    const double e = std::pow(10.0, basePower);
    return {e, e / 2, PlainDecimals(basePower)};
}

double FirstTick(double anchor, double step, double bound) {
    const double first = step * std::trunc(anchor / step);
    return first < bound ? first + step : first;
}

bool IsMultipleOf(double value, double step) {
    const double ratio = value / step;
    return std::fabs(ratio - std::round(ratio)) < 1e-6;
}

}  // namespace qx
