#ifndef QX_JOURNAL_JOURNAL_RESULTS_H
#define QX_JOURNAL_JOURNAL_RESULTS_H

#include <cstdint>
#include <string>
#include <vector>

#include "tracker/tran.h"

namespace qx {

class TranList;

// Money in whole cents, so that sums of months and of series equal the total exactly.
using Cents = std::int64_t;

// What one entry of the book (an option series, an underlying, the dividends) realised.
struct SeriesResult {
    std::string name;
    Cents realised = 0;
};

// What was realised in one calendar month, by the dates of the closing transactions.
struct MonthResult {
    int year = 0;
    int month = 0;
    Cents realised = 0;
};

// A position still open at the end of the book, with the cost of its open units.
struct OpenResult {
    std::string name;
    Tran last;               // its most recent transaction: kind, series, units per contract
    std::int64_t units = 0;  // signed: contracts of an option, units of an underlying
    double cost = 0;         // cash of the open units, fees included: negative when paid
    bool valued = false;     // whether a market value is known
    double value = 0;        // market value of the open units, negative for a short
    double Unrealised() const { return value + cost; }
};

// The journal's numbers of a book. Each entry is kept at its average cost: a trade that
// adds to a position adds its cash to the cost, one that reduces it realises its cash
// plus the reduced share of the cost; one that crosses through zero closes the
// position and opens the rest the other way. A round trip from flat back to flat is
// one closed trade. An exercise closes the option at no cash and moves the underlying
// at the strike (a cash-settled index option closes at its settlement); a dividend
// realises its amount and is no trade.
struct JournalResults {
    std::vector<SeriesResult> series;  // in the order the entries first appear
    std::vector<MonthResult> months;   // in calendar order
    std::vector<OpenResult> open;      // in the order the entries first appear
    Cents total = 0;
    int closedTrades = 0;
    int wins = 0;
    int losses = 0;
    Cents winSum = 0;   // the sum of the winning trades
    Cents lossSum = 0;  // the sum of the losing trades, negative
    Cents largestWin = 0;
    Cents largestLoss = 0;  // negative, or 0 without losses

    // Winning trades over closed trades; 0 without closed trades.
    double WinRate() const;
    // Average winning and losing trade; 0 without any.
    double AverageWin() const;
    double AverageLoss() const;
    // Gross wins over gross losses; -1 when there are no losses to divide by.
    double ProfitFactor() const;
};

// The journal's numbers of the book. An exercise's delivered units count under the
// option's root (entries named from statements), or under underlyingName for options
// the editor named.
JournalResults ComputeResults(const TranList& book, const std::string& underlyingName);

}  // namespace qx

#endif  // QX_JOURNAL_JOURNAL_RESULTS_H
