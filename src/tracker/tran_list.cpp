#include "tracker/tran_list.h"

#include <utility>

namespace qx {

namespace {

const char* const kListFullText = "The trade tracker holds at most 100 transactions.";

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
}

}  // namespace

Outcome TranList::Add(const Tran& tran) {
    if (count >= kMaxTransactions) return Outcome::Refused(kListFullText);
    // After the last transaction on or before the new one's day.
    int index = count;
    while (index > 0 && !tran.IsOnOrAfter(transactions[index - 1])) --index;
    InsertAt(index, tran);
    Outcome outcome = Validate(index);
    if (!outcome.IsAccepted()) {
        EraseAt(index);
        return outcome;
    }
    Recalculate();
    return outcome;
}

Outcome TranList::Change(int index, const Tran& tran) {
    if (index < 0 || index >= count) return Outcome::Refused("");
    Outcome outcome = CheckNotClosed(index);
    if (!outcome.IsAccepted()) return outcome;
    const Tran old = transactions[index];
    transactions[index] = tran;
    outcome = Validate(index);
    if (!outcome.IsAccepted()) {
        transactions[index] = old;
        return outcome;
    }
    Recalculate();
    return outcome;
}

Outcome TranList::Remove(int index) {
    if (index < 0 || index >= count) return Outcome::Refused("");
    if (transactions[index].GetAction() == kOpen) {
        Outcome outcome = CheckNotClosed(index);
        if (!outcome.IsAccepted()) return outcome;
    }
    EraseAt(index);
    Recalculate();
    return Outcome::Accepted(index);
}

int TranList::GetAt(int index, Tran& target) const {
    if (index < 0 || index >= count) return -1;
    FillThroughSetters(transactions[index], target);
    return 0;
}

double TranList::GetBalance(int index) const {
    return index >= 0 && index < count ? balances[index] : 0;
}

int TranList::GetPosition(int index, Tran& target) const {
    if (index < 0 || index >= kMaxPositions || positions[index].GetSignedUnits() == 0) return -1;
    FillThroughSetters(positions[index], target);
    return 0;
}

double TranList::GetPositionBalance(int index) const {
    return index >= 0 && index < kMaxPositions ? positionBalances[index] : 0;
}

void TranList::CopyFrom(const TranList& other) {
    count = other.count;
    transactions = other.transactions;
    Recalculate();
}

void TranList::RemoveAll() {
    count = 0;
    transactions.fill(Tran());
    Recalculate();
}

bool operator==(const TranList& a, const TranList& b) {
    if (a.count != b.count) return false;
    for (int i = 0; i < a.count; ++i) {
        if (a.transactions[i] != b.transactions[i]) return false;
    }
    return true;
}

void TranList::InsertAt(int index, const Tran& tran) {
    for (int i = count; i > index; --i) transactions[i] = std::move(transactions[i - 1]);
    transactions[index] = tran;
    ++count;
}

void TranList::EraseAt(int index) {
    for (int i = index; i < count - 1; ++i) transactions[i] = std::move(transactions[i + 1]);
    --count;
    transactions[count] = Tran();
}

}  // namespace qx
