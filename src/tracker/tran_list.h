#ifndef QX_TRACKER_TRAN_LIST_H
#define QX_TRACKER_TRAN_LIST_H

#include <vector>

#include "platform/outcome.h"
#include "tracker/series_ledger.h"
#include "tracker/tran.h"

namespace qx {

class CArchive;

// The trade tracker's transactions of one document, in date order and of any number,
// with the cash balance after each and every open position derived from them. Add,
// Change and Remove refuse whatever would leave the book inconsistent: they return the
// refusal with its reason and leave the list exactly as it was. The rules read running
// counts per series (SeriesLedger) rather than rescanning the book, and every accepted
// change brings the balances and positions up to date, so the getters always describe
// the transactions held.
class TranList {
  public:
    // The most transactions a document of the classic layout holds; a larger book is
    // written in the extended layout.
    static constexpr int kClassicMaxTransactions = 100;

    // Inserts tran after every transaction on or before its day; accepted with its
    // index when tran passes the rules against the transactions before it and every
    // later transaction still passes them, or refused with the reason of the first that
    // would not.
    Outcome Add(const Tran& tran);
    // Replaces the transaction at index by tran, which keeps the place while its day
    // still fits there and otherwise moves to its day's place; judged as Add judges.
    // Accepted with its index; refused without a reason for an index out of range.
    Outcome Change(int index, const Tran& tran);
    // Removes the transaction at index and closes the gap; refused for an opening that
    // later transactions closed, when a later transaction would then fail its rules,
    // and without a reason for an index out of range.
    Outcome Remove(int index);
    // Fills target from the transaction at index through target's setters (a value a
    // setter refuses leaves target's field as it was); -1 for an index outside
    // 0..count-1.
    int GetAt(int index, Tran& target) const;
    // The transaction at index, which must lie in 0..count-1.
    const Tran& At(int index) const { return transactions[index]; }
    // The number of transactions held.
    int GetCount() const { return static_cast<int>(transactions.size()); }

    // Cash balance after the transaction at index; 0 outside 0..count-1.
    double GetBalance(int index) const;
    // The number of open positions: the underlying's first when there is one, then
    // each open option series in the order of its first opening.
    int GetPositionCount() const { return static_cast<int>(positions.size()); }
    // Fills target from open position index through its setters; -1 outside
    // 0..GetPositionCount()-1.
    int GetPosition(int index, Tran& target) const;
    // Running total of the positions' totals over positions 0..index; 0 outside them.
    double GetPositionBalance(int index) const;

    // Recomputes everything derived from the transactions from scratch.
    void Recalculate();
    // 0 when at least one position is open, else -1. The positions are always up to
    // date; this only reports them.
    int BuildPositions() const { return positions.empty() ? -1 : 0; }
    // The running counts of the book's series.
    const SeriesLedger& Ledger() const { return ledger; }

    // Copies the transactions of other and recomputes.
    void CopyFrom(const TranList& other);
    // Empties the list.
    void RemoveAll();

    // The layouts of a book in a document: the classic one of earlier versions, and
    // the versions of the extended one (the numbers are the versions the file names).
    enum class Layout { kClassic = 0, kExtended = 1, kExtendedWithIds = 2 };
    // The layout that holds this book with nothing lost: the classic one up to
    // kClassicMaxTransactions without broker ids, the extended one beyond, with ids
    // when any transaction has one.
    Layout LayoutToWrite() const;
    // Writes or reads the count, then each transaction followed by its balance and,
    // in kExtendedWithIds, its broker id (defined with the document code). The classic
    // layout holds at most kClassicMaxTransactions, the extended one any number the
    // file has room for. Loading puts the records in place without validation and ends
    // with Recalculate; false on a file error, which the archive keeps.
    bool Serialize(CArchive& archive, Layout layout = Layout::kClassic);

    // Equal when both hold the same transactions in the same order (the derived
    // balances and positions follow from them).
    friend bool operator==(const TranList& a, const TranList& b) {
        return a.transactions == b.transactions;
    }
    friend bool operator!=(const TranList& a, const TranList& b) { return !(a == b); }

  private:
    // Puts tran (unless null) in the book, in place of the transaction at removed
    // unless that is -1, when tran and every later transaction that passed the rules
    // before still pass them; otherwise leaves the book as it was and gives the first
    // reason.
    Outcome Place(const Tran* tran, int removed);
    // Puts tran in the book at index, with its total and its place in the ledger.
    void PutIn(int index, Tran tran);
    // Takes the transaction at index out of the book and the ledger.
    Tran TakeOut(int index);
    // Where tran goes once the transaction at removed (-1 for none) is out of the book.
    int PlaceFor(const Tran& tran, int removed) const;
    // A later transaction a change may fail, with its series.
    struct Dependent {
        int index;
        int series;
    };
    // The trades from index from on (but removed), in book order, whose rules placing
    // placed in place of removed may change: those of both records' series, and every
    // move of the underlying when either record is an exercise; but not those an added
    // record provably leaves passing.
    std::vector<Dependent> Dependents(int from, int removed, const Tran* placed) const;
    // Where the transaction at index stands once removed is out and a record is in at
    // placed.
    static int MovedIndex(int index, int removed, int placed);
    // The transaction at index, of series id, judged by the tallies before it, read
    // through walk (so judged in ascending order); an exercise that would now exercise
    // the other side's opening is refused.
    Outcome Judge(int index, int id, SeriesLedger::Walk& walk) const;
    // Refuses removing the opening at index when later transactions closed it.
    Outcome CheckNotClosed(int index) const;

    // Sums the balances again from index from on.
    void RecomputeBalances(int from);
    // Brings the positions of the series a change touched up to date.
    void RefreshPositions();
    Tran UnderlyingPosition() const;
    Tran OptionPosition(int series) const;
    // The index of the series' first option opening, or -1.
    int FirstOptionOpening(int series) const;

    // In date order.
    std::vector<Tran> transactions;
    std::vector<double> totals;    // totals[i]: transactions[i].Total()
    std::vector<double> balances;  // balances[i]: the cash after transactions[i]
    SeriesLedger ledger;
    // Whether every transaction passed its rules when the book was last recalculated.
    // An accepted change keeps every passing transaction passing, so while this holds
    // a change need not judge the later transactions before it is made.
    bool everyPasses = true;
    // By series: its open option position, units 0 when none.
    std::vector<Tran> seriesPositions;
    std::vector<int> openSeries;  // the series whose position is open
    Tran underlyingPosition;      // units 0 when none
    std::vector<Tran> positions;  // the open positions as listed
    std::vector<double> positionBalances;
};

}  // namespace qx

#endif  // QX_TRACKER_TRAN_LIST_H
