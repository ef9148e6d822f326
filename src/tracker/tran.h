#ifndef QX_TRACKER_TRAN_H
#define QX_TRACKER_TRAN_H

#include <cstdint>
#include <string>

#include "platform/ctime.h"

namespace qx {

class CArchive;

// What a transaction trades: the underlying asset, an option series, or a dividend.
enum TranKind { kNoKind = 0, kUnderlyingTran = 1, kOptionTran = 2, kDividendTran = 3 };

// What a transaction does to a position.
enum TranAction { kNoAction = 0, kOpen = 1, kClose = 2, kExercise = 3 };

// One dated transaction of the trade tracker, or one open position summarised by the
// accounting. Transactions refer to each other only by equal name and by side. Setters
// return 0 when they accept a value and -1 when they refuse it, leaving it unchanged.
class Tran {
  public:
    // Refuses a date a document cannot hold (CTime::IsStorable).
    int SetDate(CTime value);
    // Refuses a kind outside 0..3 (TranKind).
    int SetKind(int value);
    // Refuses an asset type outside 0..3 (1 Stock, 2 Index, 3 Future).
    int SetAssetType(int value);
    // The asset symbol, the option's description or "Dividend"; refuses a name longer
    // than kMaxNameLength characters.
    int SetName(const std::string& value);
    // Refuses an action outside 0..3 (TranAction).
    int SetAction(int value);
    // Stores |n|, negated when the side is Sell; refuses the one count whose absolute
    // value has no 32-bit form.
    int SetUnits(int n);
    // Refuses 0 and negatives.
    int SetUnitsPerContract(int value);
    // Accepts only 1 (call) and 2 (put).
    int SetOptionType(int value);
    // Refuses 0, negatives, non-finite values and magnitudes beyond kMaxMagnitude.
    int SetStrike(double value);
    // Refuses a date a document cannot hold (CTime::IsStorable).
    int SetExpiration(CTime value);
    // Refuses a side outside 0..2 and re-signs the units by the new side.
    int SetSide(int value);
    // Refuses negatives, non-finite values and magnitudes beyond kMaxMagnitude.
    int SetPrice(double value);
    // Stores minus the absolute value, so a fee is always a cost; refuses non-finite
    // values and magnitudes beyond kMaxMagnitude.
    int SetFees(double value);
    // The broker's own id of the trade, from a statement that gives one, so that a
    // later import knows it; empty for a transaction typed in. Refuses an id longer
    // than kMaxBrokerIdLength bytes.
    int SetBrokerId(const std::string& value);

    CTime GetDate() const { return date; }
    int GetKind() const { return kind; }
    int GetAssetType() const { return assetType; }
    std::string GetName() const { return name; }
    // The name without a copy, for comparisons.
    const std::string& Name() const { return name; }
    int GetAction() const { return action; }
    // The absolute number of units (saturated at the largest 32-bit count).
    int GetUnits() const;
    // The stored count: positive when bought, negative when sold.
    int GetSignedUnits() const { return units; }
    int GetUnitsPerContract() const { return unitsPerContract; }
    int GetOptionType() const { return optionType; }
    double GetStrike() const { return strike; }
    CTime GetExpiration() const { return expiration; }
    int GetSide() const { return side; }
    double GetPrice() const { return price; }
    double GetFees() const { return fees; }
    const std::string& BrokerId() const { return brokerId; }

    // The longest broker id kept: far beyond the ids brokers give.
    static constexpr std::size_t kMaxBrokerIdLength = 64;

    // Copies every field of other.
    void CopyFrom(const Tran& other);
    // Resets every field to its default except the trade date and the expiration.
    void Clear();

    // True when this record's date falls on the same local calendar day as other's,
    // or later; the time of day does not count.
    bool IsOnOrAfter(const Tran& other) const;
    // Whether the record holds enough to be recorded for its kind and action.
    bool IsComplete() const;
    // An option exercise (kind option, action Exercise).
    bool IsExercise() const { return kind == kOptionTran && action == kExercise; }

    // Cash of the trade without fees: negative when money is paid out.
    double Amount() const;
    // Cash of the trade with fees; the step of the running cash balance.
    double Total() const;
    // The fees of the whole trade: the per-contract fee times the contracts for an
    // option, the fee as held otherwise.
    double TotalFees() const;
    // Units of the underlying an exercise moves into (+) or out of (-) the holding;
    // 0 for anything but an option exercise.
    std::int64_t DeliveredUnits() const;
    // Which way an exercise moves the underlying: kBuy when units come into the holding
    // (a call exercised, a put assigned), kSell when they go out, kNoSide for a
    // cash-settled index option and for anything but an option exercise.
    int DeliverySide() const;

    // Writes or reads the record in its document layout (defined with the document
    // code); false on a file error, which it has reported.
    bool Serialize(CArchive& archive);

    friend bool operator==(const Tran& a, const Tran& b);
    friend bool operator!=(const Tran& a, const Tran& b) { return !(a == b); }

  private:
    // Rebuilds a record just read from a document through the setters, from the
    // values read: false when a setter refuses one that is not a new record's own.
    bool TakeLoaded(const Tran& read);
    // Amount and Total of an exercise, per contract, before fees.
    double ExercisePerContract() const;

    // Declaration order is the document order. The sign of units follows side.
    CTime date;
    int kind = 0;
    int assetType = 0;
    std::string name;
    int action = 0;
    int units = 0;
    int unitsPerContract = 1;
    int optionType = 0;
    double strike = 0;
    CTime expiration;
    int side = 0;
    double price = 0;
    double fees = 0;  // zero or negative
    // Not a field of the record's document layout: the book keeps it beside the record.
    std::string brokerId;
};

}  // namespace qx

#endif  // QX_TRACKER_TRAN_H
