#include "tracker/tran_rules.h"

#include <string>

#include "pricing/number_text.h"
#include "pricing/option.h"
#include "tracker/series_tally.h"
#include "tracker/tran.h"

namespace qx {

namespace {

Side Opposite(Side side) { return side == Side::kBuy ? Side::kSell : Side::kBuy; }

// The underlying's units the name holds before the transaction: positive when long.
double NetHolding(const SeriesTally& series, const SeriesTally& exercises) {
    return series.underlyingUnits + exercises.delivered;
}

// Units of the underlying a trade moves: contracts of a future count by their size.
double UnderlyingUnits(const Tran& tran) {
    return static_cast<double>(tran.GetUnits()) * tran.GetUnitsPerContract();
}

Outcome JudgeOpen(const Tran& tran, const SeriesTally& series, const SeriesTally& exercises) {
    const Side side = tran.GetSide();
    bool opposite;
    if (tran.GetKind() == TranKind::kUnderlying) {
        const double net = NetHolding(series, exercises);
        opposite = side == Side::kBuy ? net < 0 : net > 0;
    } else {
        opposite = series.opened[Opposite(side)] - series.taken[side] >= 1;
    }
    if (!opposite) return Outcome::Accepted();
    return Outcome::Refused(std::string("Transaction tries to ") +
                            (side == Side::kBuy ? "buy " : "sell ") +
                            "to open when there is already a " +
                            (side == Side::kBuy ? "short " : "long ") + "position.");
}

Outcome JudgeClose(const Tran& tran, const SeriesTally& series, const SeriesTally& exercises) {
    const Side side = tran.GetSide();
    const bool underlying = tran.GetKind() == TranKind::kUnderlying;
    // Only a trade in the underlying or in an option has an opening to close. Every
    // exercise of another name may have moved the underlying, so it counts as a match.
    int matches = 0;
    if (underlying || tran.GetKind() == TranKind::kOption)
        matches = series.takings[side] + series.openings[Opposite(side)];
    if (underlying) matches += exercises.exercises - series.exercises;
    if (matches == 0) {
        return Outcome::Refused(
            "Transaction tries to close out another transaction that\ndoes not exist.");
    }
    double open;
    double wanted;
    if (underlying) {
        // A sale closes at most the net long holding, a purchase at most the net short.
        const double net = NetHolding(series, exercises);
        open = side == Side::kSell ? net : -net;
        wanted = UnderlyingUnits(tran);
    } else {
        open = series.opened[Opposite(side)] - series.taken[side];
        wanted = tran.GetUnits();
    }
    if (open - wanted < 0)
        return Outcome::Refused("Transaction tries to close out more units than are open");
    return Outcome::Accepted();
}

Outcome JudgeExercise(const Tran& tran, const SeriesTally& series) {
    const bool outOfMoney =
        (tran.GetOptionType() == OptionType::kCall && tran.GetStrike() > tran.GetPrice()) ||
        (tran.GetOptionType() == OptionType::kPut && tran.GetStrike() < tran.GetPrice());
    if (outOfMoney) {
        return Outcome::Refused("Option is not in the money.\nYou tried to exercise at " +
                                NumberText(tran.GetPrice(), 3, false) +
                                " when the strike price is " +
                                NumberText(tran.GetStrike(), 3, false) + ".");
    }
    // The most recent opening of the series decides which side is being exercised.
    const Side openSide = series.lastOpenSide;
    if (openSide == Side::kNone) {
        return Outcome::Refused(
            "Transaction tries to exercise another transaction that\ndoes not exist.");
    }
    const double available = series.opened[openSide] - series.taken[Opposite(openSide)];
    if (available - tran.GetUnits() < 0)
        return Outcome::Refused("Transaction tries to exercise more units than are open");
    return Outcome::Accepted();
}

}  // namespace

Outcome JudgeTran(const Tran& tran, const SeriesTally& series, const SeriesTally& exercises) {
    switch (tran.GetAction()) {
        case TranAction::kOpen:
            if (tran.GetKind() == TranKind::kUnderlying || tran.GetKind() == TranKind::kOption)
                return JudgeOpen(tran, series, exercises);
            return Outcome::Accepted();
        case TranAction::kClose: return JudgeClose(tran, series, exercises);
        case TranAction::kExercise: return JudgeExercise(tran, series);
        default: return Outcome::Accepted();  // a dividend opens and closes nothing
    }
}

bool StillPassesAfter(const Tran& added, const Tran& later) {
    const Side side = added.GetSide();
    const bool moves =
        added.GetAction() == TranAction::kOpen || added.GetAction() == TranAction::kClose;
    if (added.GetKind() != TranKind::kUnderlying || side == Side::kNone || !moves) return false;
    if (later.GetKind() != TranKind::kUnderlying) return false;
    // An opening is refused only by a net holding on the other side, a closing only by
    // too little net holding on the side it closes.
    if (later.GetAction() == TranAction::kOpen) return later.GetSide() == side;
    if (later.GetAction() == TranAction::kClose) return later.GetSide() == Opposite(side);
    return false;
}

Side ExercisedSide(const SeriesTally& series) { return Opposite(series.lastOpenSide); }

}  // namespace qx
