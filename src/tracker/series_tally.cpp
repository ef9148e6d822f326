#include "tracker/series_tally.h"

#include "pricing/option.h"
#include "tracker/tran.h"

namespace qx {

void SeriesTally::Take(const Tran& t) {
    // Only trades hold units: a dividend (or a record of no kind) counts in no rule,
    // whatever action, side or units it was given.
    if (t.GetKind() != kUnderlyingTran && t.GetKind() != kOptionTran) return;
    const int side = t.GetSide();
    const double units = t.GetUnits();
    const double sign = side == kBuy ? 1 : side == kSell ? -1 : 0;
    net += sign * units;
    if (t.GetAction() == kOpen) {
        opened[side] += units;
        ++openings[side];
        lastOpenSide = side;
        if (t.GetKind() == kOptionTran) ++optionOpenings;
    } else if (t.GetAction() == kClose || t.GetAction() == kExercise) {
        taken[side] += units;
        ++takings[side];
    }
    if (t.IsExercise()) {
        delivered += static_cast<double>(t.DeliveredUnits());
        ++exercises;
    } else if (t.GetKind() == kUnderlyingTran) {
        underlyingUnits += sign * units * t.GetUnitsPerContract();
    }
}

}  // namespace qx
