// Plays thousands of random additions, changes and removals on one list and checks the
// book's invariants after each. The seed is fixed; QX_RANDOM_SEED=<number> replays a
// run and QX_RANDOM_SEED=random draws a fresh one. The seed is printed either way.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "pricing/option.h"
#include "test_support/tran_builder.h"
#include "tracker/series_ledger.h"
#include "tracker/tran_list.h"
#include "tracker/tran_rules.h"

namespace qx {
namespace {

constexpr std::uint32_t kFixedSeed = 20261209;
constexpr int kOperations = 4000;

std::uint32_t SeedForRun() {
    const char* text = std::getenv("QX_RANDOM_SEED");
    if (text == nullptr || *text == '\0') return kFixedSeed;
    if (std::strcmp(text, "random") == 0) return std::random_device{}();
    std::uint32_t seed = kFixedSeed;
    const char* end = text + std::strlen(text);
    if (std::from_chars(text, end, seed).ptr != end) {
        ADD_FAILURE() << "QX_RANDOM_SEED is neither a number nor \"random\": " << text;
    }
    return seed;
}

std::string DecimalText(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// An option series the generator trades.
struct Series {
    const char* name;
    OptionType optionType;
    double strike;
    AssetType assetType;
};

const Series kSeries[] = {
    {"Jun 50 Call", OptionType::kCall, 50, AssetType::kStock},
    {"Jun 50 Put", OptionType::kPut, 50, AssetType::kStock},
    {"Sep 55 Call", OptionType::kCall, 55, AssetType::kStock},
    {"SPX Jun 100 Call", OptionType::kCall, 100, AssetType::kIndex},
    {"SPX Jun 100 Put", OptionType::kPut, 100, AssetType::kIndex},
    {"ES Jun 80 Call", OptionType::kCall, 80, AssetType::kFuture},
};

class RandomTrades {
  public:
    explicit RandomTrades(std::uint32_t seed) : rng(seed) {}

    int Draw(int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); }

    // A transaction of any kind on the given day; most of them make sense, many do not.
    Tran Next(int day) {
        TranBuilder tran;
        tran.Day(day, 8 + Draw(10));
        const int pick = Draw(20);
        if (pick < 2) return tran.Dividend(1 + Draw(50));
        const bool buy = Draw(2) == 0;
        if (pick < 10) {
            if (Draw(4) == 0) {
                tran.Underlying("ES", AssetType::kFuture, 50);
            } else {
                tran.Underlying("XYZ");
            }
            (Draw(5) < 3 ? tran.Open() : tran.Close());
            const int units = 100 * (1 + Draw(5));
            (buy ? tran.Buy(units) : tran.Sell(units));
            return tran.At(10 + Draw(9000) / 100.0).Fees(Draw(6));
        }
        const Series& s = kSeries[Draw(6)];
        tran.OptionSeries(s.name, s.optionType, s.strike, s.assetType);
        const int contracts = 1 + Draw(5);
        const int action = Draw(10);
        if (action < 3) {
            // Mostly in the money, sometimes out of it.
            const double distance = Draw(12) - 2;
            const double price =
                s.optionType == OptionType::kCall ? s.strike + distance : s.strike - distance;
            return tran.Exercise(contracts, price).Fees(Draw(3));
        }
        (action < 7 ? tran.Open() : tran.Close());
        (buy ? tran.Buy(contracts) : tran.Sell(contracts));
        return tran.At(0.5 + Draw(800) / 100.0).Fees(Draw(3));
    }

  private:
    std::mt19937 rng;
};

// Everything a caller can read from a list.
struct Snapshot {
    std::vector<Tran> transactions;
    std::vector<double> balances;
    std::vector<Tran> positions;
    std::vector<double> positionBalances;

    bool operator==(const Snapshot& o) const {
        return transactions == o.transactions && balances == o.balances &&
               positions == o.positions && positionBalances == o.positionBalances;
    }
};

Snapshot Take(const TranList& list) {
    Snapshot s;
    for (int i = 0; i < list.GetCount(); ++i) {
        Tran tran;  // a fresh target: GetAt keeps whatever a setter refuses
        EXPECT_EQ(list.GetAt(i, tran), 0) << i;
        s.transactions.push_back(tran);
        s.balances.push_back(list.GetBalance(i));
    }
    for (int i = 0; i < list.GetPositionCount(); ++i) {
        Tran position;
        EXPECT_EQ(list.GetPosition(i, position), 0) << i;
        s.positions.push_back(position);
        s.positionBalances.push_back(list.GetPositionBalance(i));
    }
    return s;
}

// Net units of the underlying, counted from the trades and from what each exercise
// delivers by its option type and side.
double NetUnderlyingUnits(const std::vector<Tran>& transactions) {
    double net = 0;
    for (const Tran& t : transactions) {
        const double units = static_cast<double>(t.GetUnits()) * t.GetUnitsPerContract();
        if (t.GetKind() == TranKind::kUnderlying) net += t.GetSide() == Side::kBuy ? units : -units;
        const bool delivering = t.GetKind() == TranKind::kOption &&
                                t.GetAction() == TranAction::kExercise &&
                                t.GetAssetType() != AssetType::kIndex;
        if (!delivering) continue;
        const bool holderGains =
            (t.GetOptionType() == OptionType::kCall) == (t.GetSide() == Side::kSell);
        net += holderGains ? units : -units;
    }
    return net;
}

// Every transaction passes its rules against all those before it, as judged from a
// ledger built afresh: no order of entry leaves the book inconsistent.
void ExpectEveryTransactionValid(const std::vector<Tran>& transactions, const std::string& step) {
    SeriesLedger ledger;
    ledger.Rebuild(transactions);
    for (int i = 0; i < static_cast<int>(transactions.size()); ++i) {
        const Tran& judged = transactions[i];
        const SeriesTally series = ledger.Before(judged.Name(), i);
        const Outcome outcome = JudgeTran(judged, series, ledger.ExercisesBefore(i));
        EXPECT_TRUE(outcome.IsAccepted()) << step << ": " << i << " fails: " << outcome.GetReason();
        if (judged.IsExercise()) {
            EXPECT_EQ(ExercisedSide(series), judged.GetSide()) << step << ": side of " << i;
        }
    }
}

void ExpectInvariants(const Snapshot& s, const std::string& step) {
    double balance = 0;
    for (size_t i = 0; i < s.transactions.size(); ++i) {
        if (i > 0) {
            EXPECT_TRUE(s.transactions[i].IsOnOrAfter(s.transactions[i - 1]))
                << step << ": out of date order at " << i;
        }
        balance += s.transactions[i].Total();
        EXPECT_NEAR(s.balances[i], balance, 1e-6) << step << ": balance " << i;
    }
    const double net = NetUnderlyingUnits(s.transactions);
    const Tran slot0 = s.positions.empty() ? Tran() : s.positions[0];
    if (net != 0) {
        EXPECT_EQ(slot0.GetKind(), TranKind::kUnderlying) << step;
        EXPECT_EQ(slot0.GetSignedUnits(), net) << step;
    } else {
        EXPECT_NE(slot0.GetKind(), TranKind::kUnderlying) << step;
    }
    // Option positions: distinct series, each with the net contracts of its trades.
    for (size_t p = 0; p < s.positions.size(); ++p) {
        const Tran& position = s.positions[p];
        if (position.GetKind() != TranKind::kOption) continue;
        double contracts = 0;
        for (const Tran& t : s.transactions) {
            if (t.Name() == position.Name()) contracts += t.GetSignedUnits();
        }
        EXPECT_EQ(position.GetSignedUnits(), contracts) << step << ": " << position.Name();
        for (size_t q = 0; q < p; ++q) {
            const bool twin = s.positions[q].GetKind() == TranKind::kOption &&
                              s.positions[q].Name() == position.Name();
            EXPECT_FALSE(twin) << step << ": " << position.Name() << " listed twice";
        }
    }
}

TEST(TranListRandom, EveryCallKeepsTheBookConsistent) {
    const std::uint32_t seed = SeedForRun();
    std::printf("TranListRandom seed %s (set QX_RANDOM_SEED to replay)\n",
                DecimalText(seed).c_str());
    SCOPED_TRACE("seed " + DecimalText(seed));
    RandomTrades random(seed);
    TranList list;
    int accepted = 0;
    for (int op = 0; op < kOperations && !HasFailure(); ++op) {
        const Snapshot before = Take(list);
        const int count = list.GetCount();
        Outcome result = Outcome::Accepted();
        bool inRange = true;
        std::string step = "operation " + DecimalText(op);
        const int choice = random.Draw(20);
        if (choice < 11 || count == 0) {
            step += " Add";
            result = list.Add(random.Next(1 + random.Draw(28)));
            inRange = true;
        } else {
            // Now and then an index just outside the list.
            const int index =
                random.Draw(8) == 0 ? (random.Draw(2) ? -1 : count) : random.Draw(count);
            inRange = index >= 0 && index < count;
            if (choice < 16) {
                step += " Change " + DecimalText(index);
                // Half the changes keep the date, half move the record to another day.
                Tran tran = random.Next(1 + random.Draw(28));
                if (inRange && random.Draw(2) == 0)
                    tran.SetDate(before.transactions[index].GetDate());
                result = list.Change(index, tran);
            } else {
                step += " Remove " + DecimalText(index);
                result = list.Remove(index);
            }
        }
        const Snapshot after = Take(list);
        if (!result.IsAccepted()) {
            EXPECT_TRUE(after == before) << step << ": refused, yet the list changed";
            // Only an index outside the list is refused without a reason.
            EXPECT_EQ(result.GetReason().empty(), !inRange) << step;
        } else {
            ++accepted;
        }
        ExpectInvariants(after, step);
        // What the list keeps up to date change by change is what it derives afresh
        // (checked now and then: a difference, once made, stays).
        if (op % 8 == 0 || op == kOperations - 1) {
            ExpectEveryTransactionValid(after.transactions, step);
            TranList fresh;
            fresh.CopyFrom(list);
            EXPECT_TRUE(Take(fresh) == after) << step << ": differs from a fresh recalculation";
        }
    }
    std::printf("accepted %s of %s calls; %s transactions at the end\n",
                DecimalText(accepted).c_str(), DecimalText(kOperations).c_str(),
                DecimalText(list.GetCount()).c_str());
    // A run that refuses everything proves nothing.
    EXPECT_GT(accepted, kOperations / 5);
    EXPECT_GT(list.GetCount(), 10);
}

}  // namespace
}  // namespace qx
