#include "journal/journal_results.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <unordered_map>

#include "pricing/option.h"
#include "statement/entry_names.h"
#include "tracker/tran_list.h"

namespace qx {

namespace {

constexpr const char* kDividendEntry = "Dividend";

Cents ToCents(double amount) { return std::llround(amount * 100.0); }

// One entry's running position at its average cost.
struct Running {
    std::size_t order = 0;  // where the entry first appears
    std::int64_t units = 0;
    double cost = 0;
    Cents realised = 0;
    Cents trade = 0;  // realised by the round trip under way
    Tran last;
};

class Journal {
  public:
    explicit Journal(const std::string& underlyingName) : underlyingName(underlyingName) {}

    void Take(const Tran& tran) {
        if (tran.GetKind() == TranKind::kDividend)
            return Realise(Entry(kDividendEntry, tran), tran, ToCents(tran.Total()));
        if (tran.GetKind() == TranKind::kUnderlying)
            return Move(Entry(tran.Name(), tran), tran,
                        std::int64_t{tran.GetSignedUnits()} * tran.GetUnitsPerContract(),
                        tran.Total());
        if (!tran.IsExercise())
            return Move(Entry(tran.Name(), tran), tran, tran.GetSignedUnits(), tran.Total());
        const bool delivers = tran.GetAssetType() != AssetType::kIndex;
        Move(Entry(tran.Name(), tran), tran, tran.GetSignedUnits(), delivers ? 0 : tran.Total());
        if (!delivers) return;
        std::string underlying = UnderlyingOfEntry(tran.Name());
        if (underlying.empty()) underlying = underlyingName;
        Tran delivery;
        delivery.SetDate(tran.GetDate());
        delivery.SetKind(TranKind::kUnderlying);
        delivery.SetName(underlying);
        Move(Entry(underlying, delivery), tran, tran.DeliveredUnits(), tran.Total());
    }

    JournalResults Results() const;

  private:
    Running& Entry(const std::string& name, const Tran& tran) {
        const auto [place, added] = entries.try_emplace(name);
        if (added) place->second.order = entries.size();
        place->second.last = tran;
        return place->second;
    }

    // Moves the entry's position by units (signed) for cash.
    void Move(Running& entry, const Tran& tran, std::int64_t units, double cash) {
        if (units == 0) return;
        if (entry.units == 0 || (entry.units > 0) == (units > 0)) {
            entry.units += units;
            entry.cost += cash;
            return;
        }
        const std::int64_t closed = std::min(std::llabs(units), std::llabs(entry.units));
        const double ofTrade = static_cast<double>(closed) / static_cast<double>(std::llabs(units));
        const double ofPosition =
            static_cast<double>(closed) / static_cast<double>(std::llabs(entry.units));
        const Cents realised = ToCents(cash * ofTrade + entry.cost * ofPosition);
        entry.cost -= entry.cost * ofPosition;
        entry.units += units > 0 ? closed : -closed;
        Realise(entry, tran, realised);
        entry.trade += realised;
        if (entry.units != 0) return;
        CloseTrade(entry.trade);
        entry.trade = 0;
        entry.cost = 0;
        const std::int64_t rest = std::llabs(units) - closed;
        if (rest == 0) return;
        entry.units = units > 0 ? rest : -rest;
        entry.cost = cash * (1 - ofTrade);
    }

    void Realise(Running& entry, const Tran& tran, Cents amount) {
        entry.realised += amount;
        months[{tran.GetDate().GetYear(), tran.GetDate().GetMonth()}] += amount;
        total += amount;
    }

    void CloseTrade(Cents amount) {
        ++closedTrades;
        if (amount > 0) {
            ++wins;
            winSum += amount;
            largestWin = std::max(largestWin, amount);
        } else if (amount < 0) {
            ++losses;
            lossSum += amount;
            largestLoss = std::min(largestLoss, amount);
        }
    }

    std::string underlyingName;
    std::unordered_map<std::string, Running> entries;
    std::map<std::pair<int, int>, Cents> months;
    Cents total = 0, winSum = 0, lossSum = 0, largestWin = 0, largestLoss = 0;
    int closedTrades = 0, wins = 0, losses = 0;
};

JournalResults Journal::Results() const {
    JournalResults results;
    std::vector<std::pair<std::size_t, std::pair<std::string, const Running*>>> ordered;
    for (const auto& [name, entry] : entries) ordered.push_back({entry.order, {name, &entry}});
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [order, named] : ordered) {
        const auto& [name, entry] = named;
        results.series.push_back({name, entry->realised});
        if (entry->units != 0) {
            OpenResult open;
            open.name = name;
            open.last = entry->last;
            open.units = entry->units;
            open.cost = entry->cost;
            results.open.push_back(open);
        }
    }
    for (const auto& [month, cents] : months)
        results.months.push_back({month.first, month.second, cents});
    results.total = total;
    results.closedTrades = closedTrades;
    results.wins = wins;
    results.losses = losses;
    results.winSum = winSum;
    results.lossSum = lossSum;
    results.largestWin = largestWin;
    results.largestLoss = largestLoss;
    return results;
}

}  // namespace

double JournalResults::WinRate() const {
    return closedTrades == 0 ? 0 : static_cast<double>(wins) / closedTrades;
}

double JournalResults::AverageWin() const {
    return wins == 0 ? 0 : static_cast<double>(winSum) / 100.0 / wins;
}

double JournalResults::AverageLoss() const {
    return losses == 0 ? 0 : static_cast<double>(lossSum) / 100.0 / losses;
}

double JournalResults::ProfitFactor() const {
    return lossSum == 0 ? -1 : static_cast<double>(winSum) / static_cast<double>(-lossSum);
}

JournalResults ComputeResults(const TranList& book, const std::string& underlyingName) {
    Journal journal(underlyingName);
    for (int index = 0; index < book.GetCount(); ++index) journal.Take(book.At(index));
    return journal.Results();
}

}  // namespace qx
