#ifndef QX_PRICING_NORMAL_H
#define QX_PRICING_NORMAL_H

namespace qx {

// Standard normal distribution function, by the five-term polynomial approximation
// (absolute error below 1e-7); N(-x) + N(x) is exactly 1 for every x but those
// within 1e-7 of 0.
double N(double x);

// Standard normal density.
double n(double x);

}  // namespace qx

#endif  // QX_PRICING_NORMAL_H
