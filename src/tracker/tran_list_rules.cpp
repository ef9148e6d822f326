// The validation rules of the transaction list: an opening may not face an opposite
// position, a closing or an exercise needs open units to take, an exercise must be in
// the money, and an opening that later transactions closed may not be deleted or changed.

#include <string>

#include "platform/outcome.h"
#include "pricing/number_text.h"
#include "pricing/option.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

bool TakesFromOpening(const Tran& t) {
    return t.GetAction() == kClose || t.GetAction() == kExercise;
}

// Units of the underlying an exercise put into (positive) or took out of (negative) the
// position that a trade of the given side works against: a sale works against a long
// holding, a purchase against a short one. Cash-settled index exercises deliver nothing.
double DeliveredAgainst(const Tran& exercise, int side) {
    const double delivered = static_cast<double>(exercise.DeliveredUnits());
    return side == kSell ? delivered : -delivered;
}

}  // namespace

Outcome TranList::Validate(int index) {
    const Tran& tran = transactions[index];
    switch (tran.GetAction()) {
        case kOpen:
            if (tran.GetKind() == kUnderlyingTran || tran.GetKind() == kOptionTran) {
                return CheckOpen(index);
            }
            return Outcome::Accepted(index);
        case kClose: return CheckClose(index);
        case kExercise: return CheckExercise(index);
        default: return Outcome::Accepted(index);  // a dividend opens and closes nothing
    }
}

Outcome TranList::CheckOpen(int index) const {
    const Tran& tran = transactions[index];
    const int side = tran.GetSide();
    const bool underlying = tran.GetKind() == kUnderlyingTran;
    double opposite = 0;  // units held the other way before this opening
    for (int i = 0; i < index; ++i) {
        const Tran& t = transactions[i];
        if (t.Name() == tran.Name()) {
            // An exercise of the underlying's own name is no option exercise.
            const bool counts = underlying ? t.GetAction() == kClose : TakesFromOpening(t);
            if (counts && t.GetSide() == side) opposite -= t.GetUnits();
            if (t.GetAction() == kOpen && t.GetSide() != side) opposite += t.GetUnits();
        } else if (underlying && t.GetAction() == kExercise) {
            // Units an assignment or exercise delivered count as a holding of their own.
            opposite += DeliveredAgainst(t, side);
        }
    }
    if (opposite < 1) return Outcome::Accepted(index);
    return Outcome::Refused(std::string("Transaction tries to ") +
                            (side == kBuy ? "buy " : "sell ") + "to open when there is already a " +
                            (side == kBuy ? "short " : "long ") + "position.");
}

Outcome TranList::CheckClose(int index) const {
    const Tran& tran = transactions[index];
    const int side = tran.GetSide();
    const bool underlying = tran.GetKind() == kUnderlyingTran;
    // Only a trade in the underlying or in an option has an opening to close.
    const bool traded = underlying || tran.GetKind() == kOptionTran;
    double open = 0;
    int matches = 0;
    for (int i = 0; traded && i < index; ++i) {
        const Tran& t = transactions[i];
        if (t.Name() == tran.Name()) {
            if (TakesFromOpening(t) && t.GetSide() == side) {
                open -= t.GetUnits();
                ++matches;
            } else if (t.GetAction() == kOpen && t.GetSide() != side) {
                open += t.GetUnits();
                ++matches;
            }
        } else if (underlying && t.GetAction() == kExercise) {
            // Every exercise may have moved units of the position this sale or purchase
            // closes: into it, or out of it (a put exercised against held shares).
            open += DeliveredAgainst(t, side);
            ++matches;
        }
    }
    if (matches == 0) {
        return Outcome::Refused(
            "Transaction tries to close out another transaction that\n"
            "does not exist.");
    }
    if (open - tran.GetUnits() < 0) {
        return Outcome::Refused("Transaction tries to close out more units than are open");
    }
    return Outcome::Accepted(index);
}

Outcome TranList::CheckExercise(int index) {
    Tran& tran = transactions[index];
    const bool outOfMoney = (tran.GetOptionType() == kCall && tran.GetStrike() > tran.GetPrice()) ||
                            (tran.GetOptionType() == kPut && tran.GetStrike() < tran.GetPrice());
    if (outOfMoney) {
        return Outcome::Refused("Option is not in the money.\nYou tried to exercise at " +
                                NumberText(tran.GetPrice(), 3, false) +
                                " when the strike price is " +
                                NumberText(tran.GetStrike(), 3, false) + ".");
    }
    // The nearest earlier opening of the series decides which side is being exercised.
    int opening = index - 1;
    while (opening >= 0 && !(transactions[opening].GetAction() == kOpen &&
                             transactions[opening].Name() == tran.Name())) {
        --opening;
    }
    if (opening < 0) {
        return Outcome::Refused(
            "Transaction tries to exercise another transaction that\n"
            "does not exist.");
    }
    const int openSide = transactions[opening].GetSide();
    double available = transactions[opening].GetUnits();
    int earliest = opening;
    for (int i = opening - 1; i >= 0; --i) {
        const Tran& t = transactions[i];
        if (t.GetAction() == kOpen && t.Name() == tran.Name() && t.GetSide() == openSide) {
            available += t.GetUnits();
            earliest = i;
        }
    }
    for (int i = earliest; i < index; ++i) {
        const Tran& t = transactions[i];
        if (t.Name() == tran.Name() && TakesFromOpening(t) && t.GetSide() != openSide) {
            available -= t.GetUnits();
        }
    }
    if (available - tran.GetUnits() < 0) {
        return Outcome::Refused("Transaction tries to exercise more units than are open");
    }
    tran.SetSide(openSide == kBuy ? kSell : kBuy);
    return Outcome::Accepted(index);
}

Outcome TranList::CheckNotClosed(int index) const {
    const Tran& tran = transactions[index];
    double stillOpen = 0;  // what later openings add, less what later closings take
    for (int i = index + 1; i < count; ++i) {
        const Tran& t = transactions[i];
        if (t.Name() != tran.Name()) continue;
        if (t.GetAction() == kOpen && t.GetSide() == tran.GetSide()) stillOpen += t.GetUnits();
        if (TakesFromOpening(t) && t.GetSide() != tran.GetSide()) stillOpen -= t.GetUnits();
    }
    if (stillOpen >= 0) return Outcome::Accepted(index);
    return Outcome::Refused(
        "Cannot delete/change a transaction that is already closed.\n"
        "Try deleting the transaction(s) that closed this transaction.");
}

}  // namespace qx
