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

bool IsMultipleOf(double value, double step) {
    const double ratio = value / step;
    return std::fabs(ratio - std::round(ratio)) < 1e-6;
}

double FirstTick(double anchor, double step, double bound) {
    // A ratio that is whole in decimals (-0.5 / 0.05) may come out a hair short of it in
    // binary; snap it before truncating so the tick at the range's end is not lost.
    const double ratio = anchor / step;
    const double whole = IsMultipleOf(anchor, step) ? std::round(ratio) : std::trunc(ratio);
    const double first = step * whole;
    return first < bound - std::fabs(step) * 1e-9 ? first + step : first;
}

}  // namespace qx
