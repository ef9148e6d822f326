#ifndef QX_GRAPH_SIGNED_GREEKS_H
#define QX_GRAPH_SIGNED_GREEKS_H

#include "graph/graph_model.h"

namespace qx {

class Option;
class Stock;

// +1 for a purchase, −1 for a sale, 0 for no side.
double SideSign(Side side);

// An option leg's Greek as the position feels it: a sold leg's is the negation of a bought
// one's. -1, unsigned, when the option has no such value (no time or volatility left).
double SignedGreek(const Option& option, GraphType type, bool shareWeighted);

// The holding's delta: its signed units, counted in units of the underlying when share
// weighted and in the units held (shares, or futures contracts) otherwise. Its other
// Greeks are 0.
double HoldingDelta(const Stock& stock, bool shareWeighted);

}  // namespace qx

#endif  // QX_GRAPH_SIGNED_GREEKS_H
