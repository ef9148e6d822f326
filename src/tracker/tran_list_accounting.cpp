// Cash balances and open positions, recomputed from the transactions after every change.

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <string>

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

// Takes lots from the most recent transaction backwards until quantity is covered, and
// hands each lot taken to take with its weight in the position (the weights sum to 1)
// and whether it is the most recent lot taken.
template <typename LotOf, typename Take>
void TakeRecentLots(const Tran* transactions, int count, double quantity, LotOf lotOf, Take take) {
    double remaining = quantity;
    bool mostRecent = true;
    for (int i = count - 1; i >= 0 && remaining > 0; --i) {
        const Lot lot = lotOf(transactions[i]);
        if (!lot.isLot) continue;
        const double taken = std::min(lot.quantity, remaining);
        take(transactions[i], lot.price, taken / quantity, mostRecent);
        remaining -= taken;
        mostRecent = false;
    }
}

// An acquisition (side Buy) or disposal (side Sell) of the underlying: an opening
// trade, or an exercise that delivered units at the strike.
Lot UnderlyingLot(const Tran& t, int side) {
    const double quantity = static_cast<double>(t.GetUnits()) * t.GetUnitsPerContract();
    if (t.GetKind() == kUnderlyingTran && t.GetAction() == kOpen && t.GetSide() == side) {
        return {true, quantity, t.GetPrice()};
    }
    return t.DeliverySide() == side ? Lot{true, quantity, t.GetStrike()} : Lot{};
}

// The net contracts of every name over the whole list: buys add, sells subtract,
// whatever the action (closings and exercises carry the side opposite to their
// opening). The whole list counts: deleting an opening that a later lot covers can
// leave a closing ahead of the series' first remaining opening. Names are grouped
// through a small open-addressing table, so a list of many series stays linear.
class NetBySeries {
  public:
    NetBySeries(const Tran* transactions, int count) {
        table.fill(-1);
        for (int i = 0; i < count; ++i) {
            const Tran& t = transactions[i];
            hashes[i] = std::hash<std::string>{}(t.Name());
            std::size_t slot = hashes[i] % kTableSize;
            while (table[slot] >= 0 && !(hashes[table[slot]] == hashes[i] &&
                                         transactions[table[slot]].Name() == t.Name())) {
                slot = (slot + 1) % kTableSize;
            }
            if (table[slot] < 0) table[slot] = i;
            first[i] = table[slot];
            if (t.GetSide() == kBuy) net[first[i]] += t.GetUnits();
            if (t.GetSide() == kSell) net[first[i]] -= t.GetUnits();
        }
    }

    // The index of the first transaction with the same name as transaction i.
    int FirstOf(int i) const { return first[i]; }
    // The net contracts of the name whose first transaction is at index firstIndex.
    double Net(int firstIndex) const { return net[firstIndex]; }

  private:
    // Room for every name of a full list with the table never more than half full.
    static constexpr std::size_t kTableSize = 256;
    static_assert(kTableSize >= 2 * TranList::kMaxTransactions, "name table too small");

    std::array<int, kTableSize> table{};  // first index of each name, -1 when free
    std::array<std::size_t, TranList::kMaxTransactions> hashes{};
    std::array<int, TranList::kMaxTransactions> first{};
    std::array<double, TranList::kMaxTransactions> net{};
};

}  // namespace

void TranList::Recalculate() {
    double balance = 0;
    for (int i = 0; i < kMaxTransactions; ++i) {
        if (i < count) balance += transactions[i].Total();
        balances[i] = i < count ? balance : 0;
    }
    BuildPositions();
    double positionBalance = 0;
    for (int i = 0; i < kMaxPositions; ++i) {
        positionBalance += positions[i].Total();
        positionBalances[i] = positionBalance;
    }
}

int TranList::BuildPositions() {
    positions.fill(Tran());
    const int used = FillOptionPositions(FillUnderlyingPosition());
    return used > 0 ? 0 : -1;
}

int TranList::FillUnderlyingPosition() {
    // Net units of the underlying over every symbol, futures in units of the underlying.
    double net = 0;
    for (int i = 0; i < count; ++i) {
        const Tran& t = transactions[i];
        const double units = static_cast<double>(t.GetUnits()) * t.GetUnitsPerContract();
        if (t.GetKind() == kUnderlyingTran && t.GetSide() == kBuy) net += units;
        if (t.GetKind() == kUnderlyingTran && t.GetSide() == kSell) net -= units;
        net += static_cast<double>(t.DeliveredUnits());
    }
    if (net == 0) return 0;
    Tran& position = positions[0];
    const int side = net > 0 ? kBuy : kSell;
    position.SetKind(kUnderlyingTran);
    position.SetAction(kOpen);
    position.SetSide(side);
    position.SetUnits(UnitsOf(net));
    double price = 0;
    double fees = 0;
    TakeRecentLots(
        transactions.data(), count, std::fabs(net),
        [side](const Tran& t) { return UnderlyingLot(t, side); },
        [&](const Tran& lot, double lotPrice, double weight, bool mostRecent) {
            price += lotPrice * weight;
            fees += lot.GetFees();  // each lot's fees count whole, once per trade
            if (mostRecent) {
                position.SetDate(lot.GetDate());
                position.SetName(lot.Name());
            }
        });
    position.SetPrice(price);
    position.SetFees(fees);
    return 1;
}

int TranList::FillOptionPositions(int used) {
    const NetBySeries series(transactions.data(), count);
    std::array<bool, kMaxTransactions> summarised{};  // by a series' first index
    for (int i = 0; i < count && used < kMaxPositions; ++i) {
        const Tran& opening = transactions[i];
        if (opening.GetKind() != kOptionTran || opening.GetAction() != kOpen) continue;
        const int first = series.FirstOf(i);
        if (summarised[first]) continue;
        summarised[first] = true;
        const double net = series.Net(first);
        if (net == 0) continue;
        Tran& position = positions[used++];
        position.SetName(opening.Name());
        position.SetKind(kOptionTran);
        position.SetAction(kOpen);
        position.SetUnits(UnitsOf(net));
        position.SetUnitsPerContract(opening.GetUnitsPerContract());
        position.SetOptionType(opening.GetOptionType());
        position.SetStrike(opening.GetStrike());
        position.SetExpiration(opening.GetExpiration());
        position.SetSide(net > 0 ? kBuy : kSell);
        AverageOptionPosition(position);
    }
    return used;
}

void TranList::AverageOptionPosition(Tran& position) const {
    double price = 0;
    double fees = 0;
    TakeRecentLots(
        transactions.data(), count, position.GetUnits(),
        [&position](const Tran& t) {
            const bool lot = t.GetKind() == kOptionTran && t.GetAction() == kOpen &&
                             t.GetSide() == position.GetSide() && t.Name() == position.Name();
            return lot ? Lot{true, static_cast<double>(t.GetUnits()), t.GetPrice()} : Lot{};
        },
        [&](const Tran& lot, double lotPrice, double weight, bool mostRecent) {
            price += lotPrice * weight;
            fees += lot.GetFees() * weight;  // fees per contract, averaged like the price
            if (mostRecent) position.SetDate(lot.GetDate());
        });
    position.SetPrice(price);
    position.SetFees(fees);
}

}  // namespace qx
