#include "tracker/tran_list.h"

#include <algorithm>
#include <climits>

#include "pricing/option.h"
#include "tracker/tran_rules.h"

namespace qx {

namespace {

// Copies from into to field by field through to's setters, in the record's field order
// so that the side re-signs the units last; a value a setter refuses leaves to's field.
void FillThroughSetters(const Tran& from, Tran& to) {
    to.SetDate(from.GetDate());
    to.SetKind(from.GetKind());
    to.SetAssetType(from.GetAssetType());
    to.SetName(from.Name());
    to.SetAction(from.GetAction());
    to.SetUnits(from.GetSignedUnits());
    to.SetUnitsPerContract(from.GetUnitsPerContract());
    to.SetOptionType(from.GetOptionType());
    to.SetStrike(from.GetStrike());
    to.SetExpiration(from.GetExpiration());
    to.SetSide(from.GetSide());
    to.SetPrice(from.GetPrice());
    to.SetFees(from.GetFees());
}

bool TakesFromOpening(const Tran& t) {
    return t.GetAction() == kClose || t.GetAction() == kExercise;
}

}  // namespace

Outcome TranList::Add(const Tran& tran) {
    // After the last transaction on or before the new one's day.
    const auto place = std::upper_bound(
        transactions.begin(), transactions.end(), tran,
        [](const Tran& added, const Tran& held) { return !added.IsOnOrAfter(held); });
    const int index = static_cast<int>(place - transactions.begin());
    Tran judged = tran;
    Outcome outcome =
        JudgeTran(judged, ledger.Before(tran.Name(), index), ledger.ExercisesBefore(index));
    if (!outcome.IsAccepted()) return outcome;
    transactions.insert(place, std::move(judged));
    ledger.Insert(transactions, index);
    Refresh(index);
    return Outcome::Accepted(index);
}

Outcome TranList::Change(int index, const Tran& tran) {
    if (index < 0 || index >= GetCount()) return Outcome::Refused("");
    Tran judged = tran;
    Outcome outcome =
        JudgeTran(judged, ledger.Before(tran.Name(), index), ledger.ExercisesBefore(index));
    if (!outcome.IsAccepted()) return outcome;
    const std::vector<int> dependents = CoverDependents(index, transactions[index], judged);
    std::vector<bool> coveredBefore;
    for (int later : dependents) coveredBefore.push_back(IsCovered(later));
    Tran old = std::exchange(transactions[index], std::move(judged));
    ledger.Replace(transactions, index, old);
    for (std::size_t k = 0; k < dependents.size(); ++k) {
        if (coveredBefore[k] && !IsCovered(dependents[k])) {
            Tran changed = std::exchange(transactions[index], std::move(old));
            ledger.Replace(transactions, index, changed);
            ledger.TakeTouched();
            return Outcome::Refused(kAlreadyClosedText);
        }
    }
    Refresh(index);
    return Outcome::Accepted(index);
}

Outcome TranList::Remove(int index) {
    if (index < 0 || index >= GetCount()) return Outcome::Refused("");
    if (transactions[index].GetAction() == kOpen) {
        Outcome outcome = CheckNotClosed(index);
        if (!outcome.IsAccepted()) return outcome;
    }
    const Tran removed = std::move(transactions[index]);
    transactions.erase(transactions.begin() + index);
    ledger.Erase(transactions, index, removed);
    Refresh(index);
    return Outcome::Accepted(index);
}

int TranList::GetAt(int index, Tran& target) const {
    if (index < 0 || index >= GetCount()) return -1;
    FillThroughSetters(transactions[index], target);
    return 0;
}

double TranList::GetBalance(int index) const {
    return index >= 0 && index < GetCount() ? balances[index] : 0;
}

int TranList::GetPosition(int index, Tran& target) const {
    if (index < 0 || index >= GetPositionCount()) return -1;
    FillThroughSetters(positions[index], target);
    return 0;
}

double TranList::GetPositionBalance(int index) const {
    return index >= 0 && index < GetPositionCount() ? positionBalances[index] : 0;
}

void TranList::CopyFrom(const TranList& other) {
    transactions = other.transactions;
    Recalculate();
}

void TranList::RemoveAll() {
    transactions.clear();
    Recalculate();
}

// The later transactions of the old and the new record's series, and, when either
// moves the underlying, every later trade of the underlying, whose holding it changes.
std::vector<int> TranList::CoverDependents(int index, const Tran& old, const Tran& changed) const {
    std::vector<int> later;
    const auto addLater = [&](const std::vector<int>& members) {
        auto at = std::upper_bound(members.begin(), members.end(), index);
        for (; at != members.end(); ++at)
            if (TakesFromOpening(transactions[*at])) later.push_back(*at);
    };
    for (const std::string* name : {&old.Name(), &changed.Name()}) {
        const int series = ledger.SeriesOf(*name);
        if (series >= 0) addLater(ledger.Members(series));
    }
    const auto movesUnderlying = [](const Tran& t) {
        return t.GetKind() == kUnderlyingTran || t.IsExercise();
    };
    if (movesUnderlying(old) || movesUnderlying(changed)) addLater(ledger.UnderlyingMoves());
    std::sort(later.begin(), later.end());
    later.erase(std::unique(later.begin(), later.end()), later.end());
    return later;
}

bool TranList::IsCovered(int index) const {
    const Tran& held = transactions[index];
    Tran judged = held;
    const bool accepted =
        JudgeTran(judged, ledger.Before(held.Name(), index), ledger.ExercisesBefore(index))
            .IsAccepted();
    // An exercise that would now take the other side exercises another opening.
    return accepted && judged.GetSide() == held.GetSide();
}

Outcome TranList::CheckNotClosed(int index) const {
    const Tran& opening = transactions[index];
    const int series = ledger.SeriesOf(opening.Name());
    const SeriesTally through = ledger.Before(series, index + 1);
    const SeriesTally all = ledger.Before(series, INT_MAX);
    const int side = opening.GetSide();
    const int other = side == kBuy ? kSell : kBuy;
    // What later openings of its side add, less what later closings take from it.
    const double stillOpen =
        (all.opened[side] - through.opened[side]) - (all.taken[other] - through.taken[other]);
    if (stillOpen >= 0) return Outcome::Accepted(index);
    return Outcome::Refused(kAlreadyClosedText);
}

}  // namespace qx
