#ifndef QX_TRACKER_TRAN_LIST_H
#define QX_TRACKER_TRAN_LIST_H

#include <array>

#include "platform/outcome.h"
#include "tracker/tran.h"

namespace qx {

class CArchive;

// The trade tracker's transactions of one document, in date order, with the cash
// balance after each and up to five open positions derived from them. Add, Change and
// Remove refuse whatever would leave the book inconsistent: they return the refusal
// with its reason and leave the list exactly as it was. After every accepted
// change, and after CopyFrom, balances and positions are recomputed, so the getters
// always describe the transactions held.
class TranList {
  public:
    // The most transactions one list (and one document) holds.
    static constexpr int kMaxTransactions = 100;
    // The most open positions the accounting derives: the underlying and option series.
    static constexpr int kMaxPositions = 5;

    // Inserts tran after every transaction on or before its day and validates it;
    // accepted with its index, or refused with the reason (the list may be full).
    Outcome Add(const Tran& tran);
    // Replaces the transaction at index in place, without moving it even when its date
    // changes; accepted with index, or refused (without a reason for an index out of
    // range).
    Outcome Change(int index, const Tran& tran);
    // Removes the transaction at index and closes the gap; accepted with index, or
    // refused (without a reason for an index out of range).
    Outcome Remove(int index);
    // Fills target from the transaction at index through target's setters (a value a
    // setter refuses leaves target's field as it was); -1 for an index outside
    // 0..count-1.
    int GetAt(int index, Tran& target) const;
    // The number of transactions held, 0..kMaxTransactions.
    int GetCount() const { return count; }

    // Cash balance after the transaction at index; 0 outside 0..count-1.
    double GetBalance(int index) const;
    // Fills target from position slot index through its setters; -1 when the slot is
    // empty or outside 0..kMaxPositions-1.
    int GetPosition(int index, Tran& target) const;
    // Running total of the positions' totals over slots 0..index; 0 outside the slots.
    double GetPositionBalance(int index) const;

    // Recomputes the balances, the positions and the position balances.
    void Recalculate();
    // Derives the open positions from the transactions: 0 when at least one exists,
    // else -1.
    int BuildPositions();

    // Copies the transactions of other and recomputes.
    void CopyFrom(const TranList& other);
    // Empties the list.
    void RemoveAll();

    // Writes or reads the count, then each transaction followed by its balance
    // (defined with the document code). Loading puts the records in place without
    // validation, refuses a count outside 0..kMaxTransactions as a damaged document,
    // and ends with Recalculate; false on a file error, which it has reported.
    bool Serialize(CArchive& archive);

    // Equal when both hold the same transactions in the same order (the derived
    // balances and positions follow from them).
    friend bool operator==(const TranList& a, const TranList& b);
    friend bool operator!=(const TranList& a, const TranList& b) { return !(a == b); }

  private:
    // Validation by action of the record at index, against the ones before it. An
    // accepted exercise gets the side opposite to the opening it exercises.
    Outcome Validate(int index);
    Outcome CheckOpen(int index) const;
    Outcome CheckClose(int index) const;
    Outcome CheckExercise(int index);
    // Refuses deleting or changing the record at index when later transactions have
    // closed it.
    Outcome CheckNotClosed(int index) const;

    void InsertAt(int index, const Tran& tran);
    void EraseAt(int index);
    // Fill position slots and return the number of slots in use afterwards.
    int FillUnderlyingPosition();
    int FillOptionPositions(int used);
    // Gives an option position the average price, fees and date of its open lots.
    void AverageOptionPosition(Tran& position) const;

    // Entries 0..count-1 are in use and in date order (Change keeps a record in place
    // even when its date changes); the rest are default records.
    std::array<Tran, kMaxTransactions> transactions;
    // Derived by Recalculate; slots are filled from 0 without gaps, units 0 is empty.
    std::array<Tran, kMaxPositions> positions;
    std::array<double, kMaxTransactions> balances{};
    std::array<double, kMaxPositions> positionBalances{};
    int count = 0;
};

}  // namespace qx

#endif  // QX_TRACKER_TRAN_LIST_H
