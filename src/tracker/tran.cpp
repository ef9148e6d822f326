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

int Tran::SetKind(int value) { return SetInRange(kind, value, kNoKind, kDividendTran); }
int Tran::SetAssetType(int value) {
    return SetInRange(assetType, value, kNoAssetType, kFutureAsset);
}

int Tran::SetName(const std::string& value) { return qx::SetName(name, value); }

int Tran::SetAction(int value) { return SetInRange(action, value, kNoAction, kExercise); }

int Tran::SetUnits(int n) {
    if (n == INT_MIN) return -1;
    units = side == kSell ? -std::abs(n) : std::abs(n);
    return 0;
}

int Tran::SetUnitsPerContract(int value) { return SetInRange(unitsPerContract, value, 1, INT_MAX); }

int Tran::SetOptionType(int value) { return SetInRange(optionType, value, kCall, kPut); }

int Tran::SetStrike(double value) { return value == 0 ? -1 : SetNonNegative(strike, value); }

int Tran::SetExpiration(CTime value) {
    if (!value.IsStorable()) return -1;
    expiration = value;
    return 0;
}

int Tran::SetSide(int value) {
    if (value < kNoSide || value > kSell) return -1;
    side = value;
    const int magnitude = GetUnits();
    units = side == kSell ? -magnitude : magnitude;
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
    const bool traded =
        !name.empty() && action != kNoAction && units != 0 && side != kNoSide && price != 0;
    switch (kind) {
        case kUnderlyingTran: return traded;
        case kOptionTran:
            // An exercise takes its side from the opening it exercises.
            if (action == kExercise) return !name.empty() && units != 0 && price != 0;
            return traded;
        case kDividendTran: return !name.empty() && price != 0;
        default: return false;
    }
}

double Tran::ExercisePerContract() const {
    const double m = unitsPerContract;
    // Stocks and futures are delivered at the strike; an index settles the difference
    // between its price and the strike in cash. Side 1 is the assigned writer, side 2
    // the holder who exercises.
    double holderGain = 0;  // what the exercising holder receives per contract
    if (assetType == kIndexAsset) {
        if (optionType == kCall) holderGain = (price - strike) * m;
        if (optionType == kPut) holderGain = (strike - price) * m;
    } else {
        if (optionType == kCall) holderGain = -strike * m;  // the holder pays the strike
        if (optionType == kPut) holderGain = strike * m;    // the holder receives it
    }
    if (side == kBuy) return -holderGain;
    if (side == kSell) return holderGain;
    return 0;
}

double Tran::Amount() const {
    if (IsExercise()) return GetUnits() * ExercisePerContract();
    const double u = units;
    switch (kind) {
        case kDividendTran: return price;
        case kOptionTran: return -(unitsPerContract * u * price);
        case kUnderlyingTran:
            return assetType == kFutureAsset ? -(unitsPerContract * u * price) : -(u * price);
        default: return 0;
    }
}

double Tran::Total() const {
    if (IsExercise()) {
        const bool priced =
            (side == kBuy || side == kSell) && (optionType == kCall || optionType == kPut);
        return priced ? GetUnits() * (ExercisePerContract() + fees) : 0;
    }
    switch (kind) {
        case kDividendTran: return price;
        case kOptionTran:
        case kUnderlyingTran:
            // Option fees are per contract; other fees are charged once per trade.
            return Amount() + TotalFees();
        default: return 0;
    }
}

double Tran::TotalFees() const { return kind == kOptionTran ? GetUnits() * fees : fees; }

std::int64_t Tran::DeliveredUnits() const {
    const std::int64_t n = static_cast<std::int64_t>(GetUnits()) * unitsPerContract;
    const int delivery = DeliverySide();
    return delivery == kBuy ? n : delivery == kSell ? -n : 0;
}

int Tran::DeliverySide() const {
    if (!IsExercise() || assetType == kIndexAsset) return kNoSide;
    if ((optionType == kCall && side == kSell) || (optionType == kPut && side == kBuy)) return kBuy;
    if ((optionType == kCall && side == kBuy) || (optionType == kPut && side == kSell))
        return kSell;
    return kNoSide;
}

bool operator==(const Tran& a, const Tran& b) {
    return a.date == b.date && a.kind == b.kind && a.assetType == b.assetType && a.name == b.name &&
           a.action == b.action && a.units == b.units && a.unitsPerContract == b.unitsPerContract &&
           a.optionType == b.optionType && a.strike == b.strike && a.expiration == b.expiration &&
           a.side == b.side && a.price == b.price && a.fees == b.fees && a.brokerId == b.brokerId;
}

}  // namespace qx
