#include "tracker/series_ledger.h"

#include <algorithm>
#include <utility>

#include "pricing/option.h"

namespace qx {

void SeriesLedger::Rebuild(const std::vector<Tran>& book) {
    ids.clear();
    series.clear();
    exercises = Series();
    buyLots.Clear();
    sellLots.Clear();
    underlyingMoves = Series();
    underlyingSeries.clear();
    touched.clear();
    isTouched.clear();
    // Each transaction goes to the end of its lists, where a tally costs one step.
    for (int i = 0; i < static_cast<int>(book.size()); ++i) TakeIn(book, i);
    underlyingTouched = true;
}

void SeriesLedger::Insert(const std::vector<Tran>& book, int index) {
    // A day's trade goes to the end, where no index moves.
    if (index + 1 < static_cast<int>(book.size())) ShiftFrom(index, 1);
    TakeIn(book, index);
}

void SeriesLedger::Erase(const std::vector<Tran>& book, int index, const Tran& removed) {
    // Out of every list first, then the later indices down by one, then the tallies.
    const int id = SeriesFor(removed.Name());
    const std::size_t k = DropMember(series[id], index);
    const std::size_t e = removed.IsExercise() ? DropMember(exercises, index) : 0;
    if (LotList* lots = LotsOf(removed)) lots->Erase(index);
    if (MovesUnderlying(removed)) DropMember(underlyingMoves, index);
    if (index < static_cast<int>(book.size())) ShiftFrom(index, -1);
    Retally(series[id], book, k);
    if (removed.IsExercise()) Retally(exercises, book, e);
    Touch(id);
    underlyingTouched = underlyingTouched || MovesUnderlying(removed);
}

void SeriesLedger::Replace(const std::vector<Tran>& book, int index, const Tran& old) {
    // Out under the old record's series, in under the new one's, without moving others.
    const int oldId = SeriesFor(old.Name());
    Retally(series[oldId], book, DropMember(series[oldId], index));
    Touch(oldId);
    if (old.IsExercise()) Retally(exercises, book, DropMember(exercises, index));
    if (LotList* lots = LotsOf(old)) lots->Erase(index);
    if (MovesUnderlying(old)) DropMember(underlyingMoves, index);
    underlyingTouched = underlyingTouched || MovesUnderlying(old);
    TakeIn(book, index);
}

// Puts the transaction at index into its lists, whose indices are already the book's.
void SeriesLedger::TakeIn(const std::vector<Tran>& book, int index) {
    const Tran& t = book[index];
    const int id = SeriesFor(t.Name());
    AddMember(series[id], book, index, true);
    Touch(id);
    if (t.IsExercise()) AddMember(exercises, book, index, true);
    if (LotList* lots = LotsOf(t)) {
        // An opening at its price, an exercise's delivery at the strike.
        const double price = t.IsExercise() ? t.GetStrike() : t.GetPrice();
        const double quantity = static_cast<double>(t.GetUnits()) * t.GetUnitsPerContract();
        lots->Insert({index, quantity, price, t.GetFees()});
    }
    if (MovesUnderlying(t)) AddMember(underlyingMoves, book, index, false);
    underlyingTouched = underlyingTouched || MovesUnderlying(t);
    if (t.GetKind() == TranKind::kUnderlying && !series[id].tradesUnderlying) {
        series[id].tradesUnderlying = true;
        underlyingSeries.push_back(id);
    }
}

const LotList& SeriesLedger::UnderlyingLots(Side side) const {
    return side == Side::kSell ? sellLots : buyLots;
}

LotList* SeriesLedger::LotsOf(const Tran& t) {
    Side side = t.DeliverySide();
    if (t.GetKind() == TranKind::kUnderlying && t.GetAction() == TranAction::kOpen)
        side = t.GetSide();
    return side == Side::kBuy ? &buyLots : side == Side::kSell ? &sellLots : nullptr;
}

int SeriesLedger::SeriesOf(const std::string& name) const {
    const auto found = ids.find(name);
    return found == ids.end() ? -1 : found->second;
}

SeriesTally SeriesLedger::Before(int id, int index) const { return TallyBefore(series[id], index); }

SeriesTally SeriesLedger::Before(const std::string& name, int index) const {
    const int id = SeriesOf(name);
    return id < 0 ? SeriesTally() : Before(id, index);
}

std::vector<int> SeriesLedger::TakeTouched() {
    for (int id : touched) isTouched[id] = false;
    return std::exchange(touched, {});
}

SeriesTally SeriesLedger::TallyBefore(const Series& s, int index) {
    const auto at = std::lower_bound(s.members.begin(), s.members.end(), index);
    return at == s.members.begin() ? SeriesTally() : s.after[at - s.members.begin() - 1];
}

void SeriesLedger::AddMember(Series& s, const std::vector<Tran>& book, int index, bool tallied) {
    // Mostly the end, where a day's trade goes.
    const auto at = !s.members.empty() && s.members.back() < index
                        ? s.members.end()
                        : std::lower_bound(s.members.begin(), s.members.end(), index);
    const std::size_t k = at - s.members.begin();
    s.members.insert(at, index);
    if (!tallied) return;
    s.after.insert(s.after.begin() + k, SeriesTally());
    Retally(s, book, k);
}

std::size_t SeriesLedger::DropMember(Series& s, int index) {
    const auto at = std::lower_bound(s.members.begin(), s.members.end(), index);
    const std::size_t k = at - s.members.begin();
    if (at == s.members.end() || *at != index) return k;
    s.members.erase(at);
    if (!s.after.empty()) s.after.erase(s.after.begin() + k);
    return k;
}

// The members' indices must already be those of the book.
void SeriesLedger::Retally(Series& s, const std::vector<Tran>& book, std::size_t from) {
    if (s.after.size() != s.members.size()) return;  // a list of members only
    SeriesTally tally = from == 0 ? SeriesTally() : s.after[from - 1];
    for (std::size_t k = from; k < s.members.size(); ++k) {
        tally.Take(book[s.members[k]]);
        s.after[k] = tally;
    }
}

SeriesLedger::Walk::Walk(const SeriesLedger& ledger)
    : ledger(ledger), at(ledger.series.size(), kUnread) {}

const SeriesTally& SeriesLedger::Walk::Before(int id, int index) {
    return Advance(ledger.series[id], at[id], index);
}

const SeriesTally& SeriesLedger::Walk::ExercisesBefore(int index) {
    return Advance(ledger.exercises, exercisesAt, index);
}

const SeriesTally& SeriesLedger::Walk::Advance(const Series& s, std::size_t& at, int index) {
    static const SeriesTally kNone;
    if (at == kUnread) {
        at = std::lower_bound(s.members.begin(), s.members.end(), index) - s.members.begin();
    } else {
        while (at < s.members.size() && s.members[at] < index) ++at;
    }
    return at == 0 ? kNone : s.after[at - 1];
}

bool SeriesLedger::MovesUnderlying(const Tran& t) {
    return t.GetKind() == TranKind::kUnderlying || t.IsExercise();
}

int SeriesLedger::SeriesFor(const std::string& name) {
    const auto [found, added] = ids.emplace(name, SeriesCount());
    if (added) {
        series.emplace_back();
        isTouched.push_back(false);
    }
    return found->second;
}

void SeriesLedger::Touch(int id) {
    if (isTouched[id]) return;
    isTouched[id] = true;
    touched.push_back(id);
}

void SeriesLedger::ShiftFrom(int index, int by) {
    const auto shift = [index, by](Series& s) {
        auto at = std::lower_bound(s.members.begin(), s.members.end(), index);
        for (; at != s.members.end(); ++at) *at += by;
    };
    for (Series& s : series) shift(s);
    for (Series* s : {&exercises, &underlyingMoves}) shift(*s);
    for (LotList* lots : {&buyLots, &sellLots}) lots->ShiftFrom(index, by);
}

}  // namespace qx
