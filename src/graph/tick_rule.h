#ifndef QX_GRAPH_TICK_RULE_H
#define QX_GRAPH_TICK_RULE_H

namespace qx {

// The two scales of the graph: values (vertical, base 0.001) and prices (horizontal,
// base 0.01). They label a major step of 2.5 e with different decimals.
enum class TickAxis { kValues, kPrices };

// Distances between ticks along a scale, and the decimals of its labels.
struct TickSteps {
    double major = 0;
    double minor = 0;
    int decimals = 0;
};

// The ticks for a range: the first e of base, 10 base, 100 base ... for which the range
// holds fewer than 10 of e, 2.5 e or 5 e. A range that is not finite gets the base's steps.
TickSteps ChooseTicks(double range, TickAxis axis);

// The start of a tick sequence: step × trunc(anchor / step), moved up by one step when
// that lies below bound.
double FirstTick(double anchor, double step, double bound);

// Whether value is a whole multiple of step, allowing for the rounding of a sequence.
bool IsMultipleOf(double value, double step);

}  // namespace qx

#endif  // QX_GRAPH_TICK_RULE_H
