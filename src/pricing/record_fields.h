#ifndef QX_PRICING_RECORD_FIELDS_H
#define QX_PRICING_RECORD_FIELDS_H

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "pricing/record_enums.h"

namespace qx {

// The setter rules the records share. Each stores the value and returns 0 when it is
// accepted, or leaves the field as it was and returns -1.

// The largest price, strike, fee or amount a record takes: far beyond any market, yet
// small enough that sums over a whole book of trades stay finite and show as text.
constexpr double kMaxMagnitude = 1e12;

// Accepts a count within low..high.
inline int SetInRange(int& field, int value, int low, int high) {
    if (value < low || value > high) return -1;
    field = value;
    return 0;
}

// Accepts any value of a coded field: its enumeration holds only values a record takes.
template <class Enum>
int SetCoded(Enum& field, Enum value) {
    field = value;
    return 0;
}

// Accepts a call or a put; refuses the missing type.
inline int SetCallOrPut(OptionType& field, OptionType value) {
    if (value == OptionType::kNone) return -1;
    field = value;
    return 0;
}

// Accepts an amount from 0 to kMaxMagnitude; NaN would slip past a plain "below 0" test.
inline int SetNonNegative(double& field, double value) {
    if (!(value >= 0 && value <= kMaxMagnitude)) return -1;
    field = value;
    return 0;
}

// Stores minus the absolute value, so that a fee is always a cost (a fee of 0 is held
// as 0, not -0, so that it is written as such); refuses what SetNonNegative refuses in
// magnitude.
inline int SetFee(double& field, double value) {
    if (!(std::fabs(value) <= kMaxMagnitude)) return -1;
    field = value == 0 ? 0.0 : -std::fabs(value);
    return 0;
}

// Whether every setter result of a list is 0: the record took each value.
inline bool AllAccepted(std::initializer_list<int> results) {
    return std::all_of(results.begin(), results.end(), [](int result) { return result == 0; });
}

}  // namespace qx

#endif  // QX_PRICING_RECORD_FIELDS_H
