#ifndef QX_TRACKER_TRAN_H
#define QX_TRACKER_TRAN_H

#include <cstdint>
#include <string>

#include "platform/ctime.h"
#include "pricing/record_enums.h"

namespace qx {

class CArchive;

// What a transaction trades: the underlying asset, an option series, or a dividend.
enum class TranKind { kNone = 0, kUnderlying = 1, kOption = 2, kDividend = 3 };

// What a transaction does to a position.
enum class TranAction { kNone = 0, kOpen = 1, kClose = 2, kExercise = 3 };

// The stored int of a document or a spreadsheet read back, or nothing for a damaged one.
constexpr std::optional<TranKind> TranKindFromStored(int stored) {
    return StoredInRange(stored, TranKind::kNone, TranKind::kDividend);
}
constexpr std::optional<TranAction> TranActionFromStored(int stored) {
    return StoredInRange(stored, TranAction::kNone, TranAction::kExercise);
}

// One dated transaction of the trade tracker, or one open position summarised by the
// accounting. Transactions refer to each other only by equal name and by side. Setters
// return 0 when they accept a value and -1 when they refuse it, leaving it unchanged.
class Tran {
  public:
    // Refuses a date a document cannot hold (CTime::IsStorable).
    int SetDate(CTime value);
    // Accept every kind and every asset type.
    int SetKind(TranKind value);
    int SetAssetType(AssetType value);
    // The asset symbol, the option's description or "Dividend"; refuses a name longer
    // than kMaxNameLength characters.
    int SetName(const std::string& value);
    // Always accepts.
    int SetAction(TranAction value);
    // Stores |n|, negated when the side is Sell; refuses the one count whose absolute
    // value has no 32-bit form.
    int SetUnits(int n);
    // Refuses 0 and negatives.
    int SetUnitsPerContract(int value);
    // Accepts only a call or a put.
    int SetOptionType(OptionType value);
    // Refuses 0, negatives, non-finite values and magnitudes beyond kMaxMagnitude.
    int SetStrike(double value);
    // Refuses a date a document cannot hold (CTime::IsStorable).
    int SetExpiration(CTime value);
    // Always accepts, and re-signs the units by the new side.
    int SetSide(Side value);
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
    TranKind GetKind() const { return kind; }
    AssetType GetAssetType() const { return assetType; }
    std::string GetName() const { return name; }
    // The name without a copy, for comparisons.
    const std::string& Name() const { return name; }
    TranAction GetAction() const { return action; }
    // The absolute number of units (saturated at the largest 32-bit count).
    int GetUnits() const;
    // The stored count: positive when bought, negative when sold.
    int GetSignedUnits() const { return units; }
    int GetUnitsPerContract() const { return unitsPerContract; }
    OptionType GetOptionType() const { return optionType; }
    double GetStrike() const { return strike; }
    CTime GetExpiration() const { return expiration; }
    Side GetSide() const { return side; }
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
    bool IsExercise() const { return kind == TranKind::kOption && action == TranAction::kExercise; }

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
    // Which way an exercise moves the underlying: Buy when units come into the holding
    // (a call exercised, a put assigned), Sell when they go out, none for a
    // cash-settled index option and for anything but an option exercise.
    Side DeliverySide() const;

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
    TranKind kind = TranKind::kNone;
    AssetType assetType = AssetType::kNone;
    std::string name;
    TranAction action = TranAction::kNone;
    int units = 0;
    int unitsPerContract = 1;
    OptionType optionType = OptionType::kNone;
    double strike = 0;
    CTime expiration;
    Side side = Side::kNone;
    double price = 0;
    double fees = 0;  // zero or negative
    // Not a field of the record's document layout: the book keeps it beside the record.
    std::string brokerId;
};

}  // namespace qx

#endif  // QX_TRACKER_TRAN_H
