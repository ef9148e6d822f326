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
    to.SetBrokerId(from.BrokerId());
}

// Only trades hold units and count in the rules.
bool IsTrade(const Tran& t) {
    return t.GetKind() == TranKind::kUnderlying || t.GetKind() == TranKind::kOption;
}

}  // namespace

Outcome TranList::Add(const Tran& tran) { return Place(&tran, -1); }

Outcome TranList::Change(int index, const Tran& tran) {
    if (index < 0 || index >= GetCount()) return Outcome::Refused("");
    return Place(&tran, index);
}

Outcome TranList::Place(const Tran* tran, int removed) {
    // With nothing to put in, the place is where the removed record stood.
    const int index = tran ? PlaceFor(*tran, removed) : removed;
    const int from = removed < 0 ? index : std::min(index, removed);
    // A later transaction the book already held against its rules (an older edition's
    // document) does not stop the change; one that passed must pass afterwards too.
    const std::vector<Dependent> later = Dependents(from, removed, tran);
    std::vector<bool> passed(later.size(), true);
    if (!everyPasses && !later.empty()) {
        SeriesLedger::Walk walk(ledger);
        for (std::size_t k = 0; k < later.size(); ++k)
            passed[k] = Judge(later[k].index, later[k].series, walk).IsAccepted();
    }

    Tran old;
    if (removed >= 0) old = TakeOut(removed);
    Outcome outcome = Outcome::Accepted();
    if (tran) {
        Tran judged = *tran;
        const SeriesTally series = ledger.Before(judged.Name(), index);
        outcome = JudgeTran(judged, series, ledger.ExercisesBefore(index));
        if (outcome.IsAccepted()) {
            if (judged.IsExercise()) judged.SetSide(ExercisedSide(series));
            PutIn(index, std::move(judged));
        }
    }
    // A walk costs a mark per series of the book: none is set up with nothing to judge.
    if (outcome.IsAccepted() && !later.empty()) {
        const int placed = tran ? index : INT_MAX;
        SeriesLedger::Walk walk(ledger);
        for (std::size_t k = 0; k < later.size() && outcome.IsAccepted(); ++k)
            if (passed[k])
                outcome = Judge(MovedIndex(later[k].index, removed, placed), later[k].series, walk);
        if (!outcome.IsAccepted() && tran) TakeOut(index);
    }
    if (!outcome.IsAccepted()) {
        if (removed >= 0) PutIn(removed, std::move(old));
        ledger.TakeTouched();
        return Outcome::Refused(outcome.GetReason());
    }
    RecomputeBalances(from);
    RefreshPositions();
    return Outcome::Accepted(index);
}

void TranList::PutIn(int index, Tran tran) {
    totals.insert(totals.begin() + index, tran.Total());
    transactions.insert(transactions.begin() + index, std::move(tran));
    ledger.Insert(transactions, index);
}

Tran TranList::TakeOut(int index) {
    Tran taken = std::move(transactions[index]);
    transactions.erase(transactions.begin() + index);
    totals.erase(totals.begin() + index);
    ledger.Erase(transactions, index, taken);
    return taken;
}

Outcome TranList::Remove(int index) {
    if (index < 0 || index >= GetCount()) return Outcome::Refused("");
    if (transactions[index].GetAction() == TranAction::kOpen) {
        Outcome outcome = CheckNotClosed(index);
        if (!outcome.IsAccepted()) return outcome;
    }
    return Place(nullptr, index);
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

int TranList::PlaceFor(const Tran& tran, int removed) const {
    if (removed >= 0) {
        const bool fitsAfter = removed == 0 || tran.IsOnOrAfter(transactions[removed - 1]);
        const bool fitsBefore =
            removed + 1 == GetCount() || transactions[removed + 1].IsOnOrAfter(tran);
        if (fitsAfter && fitsBefore) return removed;
    }
    // After the last transaction on or before the record's day.
    const auto place = std::upper_bound(
        transactions.begin(), transactions.end(), tran,
        [](const Tran& placed, const Tran& held) { return !placed.IsOnOrAfter(held); });
    const int index = static_cast<int>(place - transactions.begin());
    return removed >= 0 && removed < index ? index - 1 : index;
}

std::vector<TranList::Dependent> TranList::Dependents(int from, int removed,
                                                      const Tran* placed) const {
    std::vector<Dependent> later;
    // A record added without one taken out can leave some later trades provably passing.
    const Tran* added = removed < 0 ? placed : nullptr;
    // A dividend holds no units, so it neither moves a later judgement nor needs one.
    const auto addFrom = [&](const std::vector<int>& members, int series) {
        for (auto at = std::lower_bound(members.begin(), members.end(), from); at != members.end();
             ++at) {
            const Tran& t = transactions[*at];
            if (*at == removed || !IsTrade(t)) continue;
            if (added && StillPassesAfter(*added, t)) continue;
            later.push_back({*at, series >= 0 ? series : ledger.SeriesOf(t.Name())});
        }
    };
    const Tran* records[] = {placed, removed >= 0 ? &transactions[removed] : nullptr};
    bool exercises = false;
    for (const Tran* record : records) {
        if (!record || !IsTrade(*record)) continue;
        const int series = ledger.SeriesOf(record->Name());
        if (series >= 0) addFrom(ledger.Members(series), series);
        exercises = exercises || record->IsExercise();
    }
    // An exercise's delivery moves the net holding every underlying trade is judged by;
    // a trade in the underlying moves only that of its own name.
    if (exercises) addFrom(ledger.UnderlyingMoves(), -1);
    const auto byIndex = [](const Dependent& a, const Dependent& b) { return a.index < b.index; };
    const auto sameIndex = [](const Dependent& a, const Dependent& b) {
        return a.index == b.index;
    };
    std::sort(later.begin(), later.end(), byIndex);
    later.erase(std::unique(later.begin(), later.end(), sameIndex), later.end());
    return later;
}

int TranList::MovedIndex(int index, int removed, int placed) {
    if (removed >= 0 && index > removed) --index;
    return index >= placed ? index + 1 : index;
}

Outcome TranList::Judge(int index, int id, SeriesLedger::Walk& walk) const {
    const Tran& held = transactions[index];
    const SeriesTally& series = walk.Before(id, index);
    Outcome outcome = JudgeTran(held, series, walk.ExercisesBefore(index));
    // An exercise that would now take the other side exercises another opening.
    if (outcome.IsAccepted() && held.IsExercise() && ExercisedSide(series) != held.GetSide())
        return Outcome::Refused(kAlreadyClosedText);
    return outcome;
}

Outcome TranList::CheckNotClosed(int index) const {
    const Tran& opening = transactions[index];
    const int series = ledger.SeriesOf(opening.Name());
    const SeriesTally through = ledger.Before(series, index + 1);
    const SeriesTally all = ledger.Before(series, INT_MAX);
    const Side side = opening.GetSide();
    const Side other = side == Side::kBuy ? Side::kSell : Side::kBuy;
    // What later openings of its side add, less what later closings take from it.
    const double stillOpen =
        (all.opened[side] - through.opened[side]) - (all.taken[other] - through.taken[other]);
    if (stillOpen >= 0) return Outcome::Accepted(index);
    return Outcome::Refused(kAlreadyClosedText);
}

}  // namespace qx
