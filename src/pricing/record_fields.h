#ifndef QX_PRICING_RECORD_FIELDS_H
#define QX_PRICING_RECORD_FIELDS_H

#include <cmath>

namespace qx {

// The setter rules the records share. Each stores the value and returns 0 when it is
// accepted, or leaves the field as it was and returns -1.

// Accepts a count within low..high.
inline int SetInRange(int& field, int value, int low, int high) {
    if (value < low || value > high) return -1;
    field = value;
    return 0;
}

// Accepts a finite amount of 0 or more; NaN would slip past a plain "below 0" test.
inline int SetNonNegative(double& field, double value) {
    if (!std::isfinite(value) || value < 0) return -1;
    field = value;
    return 0;
}

// Stores minus the absolute value, so that a fee is always a cost; refuses non-finite.
inline int SetFee(double& field, double value) {
    if (!std::isfinite(value)) return -1;
    field = -std::fabs(value);
    return 0;
}

}  // namespace qx

#endif  // QX_PRICING_RECORD_FIELDS_H
