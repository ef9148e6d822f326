#include "tracker/lot_list.h"

#include <algorithm>

namespace qx {

namespace {

bool IndexBefore(const LotList::Lot& lot, int index) { return lot.index < index; }

}  // namespace

void LotList::Clear() {
    lots.clear();
    through.clear();
}

void LotList::Insert(const Lot& lot) {
    // Mostly the end, where a day's trade goes and only one sum is added.
    const auto at = lots.empty() || lots.back().index < lot.index
                        ? lots.end()
                        : std::lower_bound(lots.begin(), lots.end(), lot.index, IndexBefore);
    const std::size_t k = at - lots.begin();
    lots.insert(at, lot);
    through.insert(through.begin() + k, Sums());
    Resum(k);
}

void LotList::Erase(int index) {
    const auto at = std::lower_bound(lots.begin(), lots.end(), index, IndexBefore);
    if (at == lots.end() || at->index != index) return;
    const std::size_t k = at - lots.begin();
    lots.erase(at);
    through.erase(through.begin() + k);
    Resum(k);
}

void LotList::ShiftFrom(int index, int by) {
    auto at = std::lower_bound(lots.begin(), lots.end(), index, IndexBefore);
    for (; at != lots.end(); ++at) at->index += by;
}

LotList::Average LotList::Recent(double quantity) const {
    Average average;
    if (lots.empty()) return average;
    average.mostRecent = lots.back().index;
    // The oldest lot taken is the first whose sum through it exceeds what the lots left
    // untaken hold; the first of all when the lots fall short. Quantities are whole
    // units, so these sums and differences are exact.
    const double total = through.back().quantity;
    const auto beyondUntaken = [](double untaken, const Sums& s) { return untaken < s.quantity; };
    const std::size_t oldest =
        std::upper_bound(through.begin(), through.end(), total - quantity, beyondUntaken) -
        through.begin();
    const Sums newer = through[oldest];  // over the lots up to the oldest taken
    const double part = std::min(lots[oldest].quantity, quantity - (total - newer.quantity));
    const Sums all = through.back();
    average.price = (all.cost - newer.cost + lots[oldest].price * part) / quantity;
    average.fees = all.fees - Before(oldest).fees;
    return average;
}

LotList::Sums LotList::Before(std::size_t k) const { return k == 0 ? Sums() : through[k - 1]; }

void LotList::Resum(std::size_t k) {
    Sums sums = Before(k);
    for (; k < lots.size(); ++k) {
        sums.quantity += lots[k].quantity;
        sums.cost += lots[k].price * lots[k].quantity;
        sums.fees += lots[k].fees;
        through[k] = sums;
    }
}

}  // namespace qx
