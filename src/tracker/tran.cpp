#include "tracker/tran.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "pricing/option.h"
#include "pricing/record_fields.h"
#include "pricing/record_name.h"

namespace qx {

namespace {

// Days since 1970 in the local calendar, so that two times of one day compare equal.
std::int64_t LocalDay(CTime time) {
    const std::int64_t wall = time.GetWallClockSeconds();
    return wall >= 0 ? wall / 86400 : (wall - 86399) / 86400;
}

}  // namespace

int Tran::SetDate(CTime value) {
    if (!value.IsStorable()) return -1;
    date = value;
    return 0;
}

int Tran::SetKind(TranKind value) { return SetCoded(kind, value); }
int Tran::SetAssetType(AssetType value) { return SetCoded(assetType, value); }

int Tran::SetName(const std::string& value) { return qx::SetName(name, value); }

int Tran::SetAction(TranAction value) { return SetCoded(action, value); }

int Tran::SetUnits(int n) {
    if (n == INT_MIN) return -1;
    units = side == Side::kSell ? -std::abs(n) : std::abs(n);
    return 0;
}

int Tran::SetUnitsPerContract(int value) { return SetInRange(unitsPerContract, value, 1, INT_MAX); }

int Tran::SetOptionType(OptionType value) { return SetCallOrPut(optionType, value); }

int Tran::SetStrike(double value) { return value == 0 ? -1 : SetNonNegative(strike, value); }

int Tran::SetExpiration(CTime value) {
    if (!value.IsStorable()) return -1;
    expiration = value;
    return 0;
}

int Tran::SetSide(Side value) {
    side = value;
    const int magnitude = GetUnits();
    units = side == Side::kSell ? -magnitude : magnitude;
    return 0;
}

int Tran::SetPrice(double value) { return SetNonNegative(price, value); }
int Tran::SetFees(double value) { return SetFee(fees, value); }

int Tran::SetBrokerId(const std::string& value) {
    if (value.size() > kMaxBrokerIdLength) return -1;
    brokerId = value;
    return 0;
}

int Tran::GetUnits() const { return units == INT_MIN ? INT_MAX : std::abs(units); }

void Tran::CopyFrom(const Tran& other) { *this = other; }

void Tran::Clear() {
    const CTime keptDate = date;
    const CTime keptExpiration = expiration;
    *this = Tran();
    date = keptDate;
    expiration = keptExpiration;
}

bool Tran::IsOnOrAfter(const Tran& other) const { return LocalDay(date) >= LocalDay(other.date); }

bool Tran::IsComplete() const {
    const bool traded = !name.empty() && action != TranAction::kNone && units != 0 &&
                        side != Side::kNone && price != 0;
    switch (kind) {
        case TranKind::kUnderlying: return traded;
        case TranKind::kOption:
            // An exercise takes its side from the opening it exercises.
            if (action == TranAction::kExercise) return !name.empty() && units != 0 && price != 0;
            return traded;
        case TranKind::kDividend: return !name.empty() && price != 0;
        default: return false;
    }
}

double Tran::ExercisePerContract() const {
    const double m = unitsPerContract;
    // Stocks and futures are delivered at the strike; an index settles the difference
    // between its price and the strike in cash. A Buy is the assigned writer, a Sell
    // the holder who exercises.
    double holderGain = 0;  // what the exercising holder receives per contract
    if (assetType == AssetType::kIndex) {
        if (optionType == OptionType::kCall) holderGain = (price - strike) * m;
        if (optionType == OptionType::kPut) holderGain = (strike - price) * m;
    } else {
        if (optionType == OptionType::kCall)
            holderGain = -strike * m;                                 // the holder pays the strike
        if (optionType == OptionType::kPut) holderGain = strike * m;  // the holder receives it
    }
    if (side == Side::kBuy) return -holderGain;
    if (side == Side::kSell) return holderGain;
    return 0;
}

double Tran::Amount() const {
    if (IsExercise()) return GetUnits() * ExercisePerContract();
    const double u = units;
    switch (kind) {
        case TranKind::kDividend: return price;
        case TranKind::kOption: return -(unitsPerContract * u * price);
        case TranKind::kUnderlying:
            return assetType == AssetType::kFuture ? -(unitsPerContract * u * price) : -(u * price);
        default: return 0;
    }
}

double Tran::Total() const {
    if (IsExercise()) {
        const bool priced = (side == Side::kBuy || side == Side::kSell) &&
                            (optionType == OptionType::kCall || optionType == OptionType::kPut);
        return priced ? GetUnits() * (ExercisePerContract() + fees) : 0;
    }
    switch (kind) {
        case TranKind::kDividend: return price;
        case TranKind::kOption:
        case TranKind::kUnderlying:
            // Option fees are per contract; other fees are charged once per trade.
            return Amount() + TotalFees();
        default: return 0;
    }
}

double Tran::TotalFees() const { return kind == TranKind::kOption ? GetUnits() * fees : fees; }

std::int64_t Tran::DeliveredUnits() const {
    const std::int64_t n = static_cast<std::int64_t>(GetUnits()) * unitsPerContract;
    const Side delivery = DeliverySide();
    return delivery == Side::kBuy ? n : delivery == Side::kSell ? -n : 0;
}

Side Tran::DeliverySide() const {
    if (!IsExercise() || assetType == AssetType::kIndex) return Side::kNone;
    if ((optionType == OptionType::kCall && side == Side::kSell) ||
        (optionType == OptionType::kPut && side == Side::kBuy))
        return Side::kBuy;
    if ((optionType == OptionType::kCall && side == Side::kBuy) ||
        (optionType == OptionType::kPut && side == Side::kSell))
        return Side::kSell;
    return Side::kNone;
}

bool operator==(const Tran& a, const Tran& b) {
    return a.date == b.date && a.kind == b.kind && a.assetType == b.assetType && a.name == b.name &&
           a.action == b.action && a.units == b.units && a.unitsPerContract == b.unitsPerContract &&
           a.optionType == b.optionType && a.strike == b.strike && a.expiration == b.expiration &&
           a.side == b.side && a.price == b.price && a.fees == b.fees && a.brokerId == b.brokerId;
}

}  // namespace qx
