// Cash balances and open positions, brought up to date after every change: the balances
// from the changed transaction on, the positions of the series it touched.

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "pricing/option.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

// A lot that may still be open, with its quantity and the price it was taken at. A lot
// of no units (only a damaged or hand-made document holds one) is still a lot: it
// counts its fees and, as the most recent, dates the position.
struct Lot {
    bool isLot = false;
    double quantity = 0;
    double price = 0;
};

// A position's units as the record holds them, saturated at the 32-bit range.
int UnitsOf(double units) {
    return static_cast<int>(std::min(std::fabs(units), static_cast<double>(INT_MAX)));
}

// Takes lots from the most recent of the indexed transactions backwards until quantity
// is covered, and hands each lot taken to take with its weight in the position (the
// weights sum to 1) and whether it is the most recent lot taken.
template <typename LotOf, typename Take>
void TakeRecentLots(const std::vector<Tran>& book, const std::vector<int>& indices, double quantity,
                    LotOf lotOf, Take take) {
    double remaining = quantity;
    bool mostRecent = true;
    for (auto at = indices.rbegin(); at != indices.rend() && remaining > 0; ++at) {
        const Tran& t = book[*at];
        const Lot lot = lotOf(t);
        if (!lot.isLot) continue;
        const double taken = std::min(lot.quantity, remaining);
        take(t, lot.price, taken / quantity, mostRecent);
        remaining -= taken;
        mostRecent = false;
    }
}

bool IsOptionOpening(const Tran& t) {
    return t.GetKind() == TranKind::kOption && t.GetAction() == TranAction::kOpen;
}

}  // namespace

void TranList::Recalculate() {
    ledger.Rebuild(transactions);
    totals.clear();
    everyPasses = true;
    SeriesLedger::Walk walk(ledger);
    for (int i = 0; i < GetCount(); ++i) {
        totals.push_back(transactions[i].Total());
        everyPasses =
            everyPasses && Judge(i, ledger.SeriesOf(transactions[i].Name()), walk).IsAccepted();
    }
    seriesPositions.clear();
    openSeries.clear();
    RecomputeBalances(0);
    RefreshPositions();
}

// Summed in book order from the start, so a balance never depends on the changes that
// led to the book: recording a day's trade costs one step.
void TranList::RecomputeBalances(int from) {
    balances.resize(transactions.size());
    double balance = from > 0 ? balances[from - 1] : 0;
    for (std::size_t i = from; i < transactions.size(); ++i) {
        balance += totals[i];
        balances[i] = balance;
    }
}

void TranList::RefreshPositions() {
    seriesPositions.resize(ledger.SeriesCount());
    const std::vector<int> touched = ledger.TakeTouched();
    for (int series : touched) seriesPositions[series] = OptionPosition(series);
    // Only a series open before or touched now can be open: a book of thousands of
    // closed series is not walked per change.
    std::vector<int> candidates = openSeries;
    candidates.insert(candidates.end(), touched.begin(), touched.end());
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    // Open series in the order of their first opening, which a change before it moves.
    std::vector<std::pair<int, int>> open;  // first opening, series
    openSeries.clear();
    for (int series : candidates) {
        if (seriesPositions[series].GetSignedUnits() == 0) continue;
        open.emplace_back(FirstOptionOpening(series), series);
        openSeries.push_back(series);
    }
    std::sort(open.begin(), open.end());
    positions.clear();
    if (ledger.TakeUnderlyingTouched()) underlyingPosition = UnderlyingPosition();
    if (underlyingPosition.GetSignedUnits() != 0) positions.push_back(underlyingPosition);
    for (const auto& [first, series] : open) positions.push_back(seriesPositions[series]);
    positionBalances.resize(positions.size());
    double balance = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        balance += positions[i].Total();
        positionBalances[i] = balance;
    }
}

Tran TranList::UnderlyingPosition() const {
    // Net units of the underlying over every symbol, futures in units of the underlying.
    double net = ledger.ExercisesBefore(INT_MAX).delivered;
    for (int series : ledger.UnderlyingSeries())
        net += ledger.Before(series, INT_MAX).underlyingUnits;
    Tran position;
    if (net == 0) return position;
    const Side side = net > 0 ? Side::kBuy : Side::kSell;
    position.SetKind(TranKind::kUnderlying);
    position.SetAction(TranAction::kOpen);
    position.SetSide(side);
    position.SetUnits(UnitsOf(net));
    // The most recent lots that make up the holding, from the ledger's running sums:
    // a year of purchases is not walked per change.
    const LotList::Average lots = ledger.UnderlyingLots(side).Recent(std::fabs(net));
    if (lots.mostRecent >= 0) {
        position.SetDate(transactions[lots.mostRecent].GetDate());
        position.SetName(transactions[lots.mostRecent].Name());
    }
    position.SetPrice(lots.price);
    position.SetFees(lots.fees);  // each lot's fees count whole, once per trade
    return position;
}

// The net contracts of the whole series count, whatever the action (closings and
// exercises carry the side opposite to their opening): deleting an opening that a later
// lot covers can leave a closing ahead of the series' first remaining opening.
int TranList::FirstOptionOpening(int series) const {
    const std::vector<int>& members = ledger.Members(series);
    const auto first = std::find_if(members.begin(), members.end(),
                                    [this](int i) { return IsOptionOpening(transactions[i]); });
    return first == members.end() ? -1 : *first;
}

Tran TranList::OptionPosition(int series) const {
    const SeriesTally tally = ledger.Before(series, INT_MAX);
    Tran position;
    if (tally.net == 0 || tally.optionOpenings == 0) return position;
    const double net = tally.net;
    const int first = FirstOptionOpening(series);
    const Tran& opening = transactions[first];
    position.SetName(opening.Name());
    position.SetKind(TranKind::kOption);
    position.SetAction(TranAction::kOpen);
    position.SetUnits(UnitsOf(net));
    position.SetUnitsPerContract(opening.GetUnitsPerContract());
    position.SetOptionType(opening.GetOptionType());
    position.SetStrike(opening.GetStrike());
    position.SetExpiration(opening.GetExpiration());
    position.SetSide(net > 0 ? Side::kBuy : Side::kSell);
    double price = 0;
    double fees = 0;
    TakeRecentLots(
        transactions, ledger.Members(series), position.GetUnits(),
        [&position](const Tran& t) {
            const bool lot = IsOptionOpening(t) && t.GetSide() == position.GetSide();
            return lot ? Lot{true, static_cast<double>(t.GetUnits()), t.GetPrice()} : Lot{};
        },
        [&](const Tran& lot, double lotPrice, double weight, bool mostRecent) {
            price += lotPrice * weight;
            fees += lot.GetFees() * weight;  // fees per contract, averaged like the price
            if (mostRecent) position.SetDate(lot.GetDate());
        });
    position.SetPrice(price);
    position.SetFees(fees);
    return position;
}

}  // namespace qx
