#include "tracker/series_tally.h"

#include "pricing/option.h"
#include "tracker/tran.h"

namespace qx {

void SeriesTally::Take(const Tran& t) {
    // Only trades hold units: a dividend (or a record of no kind) counts in no rule,
    // whatever action, side or units it was given.
    if (t.GetKind() != TranKind::kUnderlying && t.GetKind() != TranKind::kOption) return;
    const Side side = t.GetSide();
    const double units = t.GetUnits();
    const double sign = side == Side::kBuy ? 1 : side == Side::kSell ? -1 : 0;
    net += sign * units;
    if (t.GetAction() == TranAction::kOpen) {
        opened[side] += units;
        ++openings[side];
        lastOpenSide = side;
        if (t.GetKind() == TranKind::kOption) ++optionOpenings;
    } else if (t.GetAction() == TranAction::kClose || t.GetAction() == TranAction::kExercise) {
        taken[side] += units;
        ++takings[side];
    }
    if (t.IsExercise()) {
        delivered += static_cast<double>(t.DeliveredUnits());
        ++exercises;
    } else if (t.GetKind() == TranKind::kUnderlying) {
        underlyingUnits += sign * units * t.GetUnitsPerContract();
    }
}

}  // namespace qx
