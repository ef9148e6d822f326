#ifndef QX_PRICING_LATTICE_H
#define QX_PRICING_LATTICE_H

#include "pricing/option_type.h"

namespace qx {

// The contract and market of one lattice valuation: a call or a put; price S, strike K
// and time T in years above 0; rate r, yield q and volatility sigma per year.
struct LatticeInputs {
    OptionType optionType = OptionType::kNone;
    double S = 0, K = 0, T = 0;
    double r = 0, q = 0, sigma = 0;
};

// Value of one unit on a recombining binomial lattice of the given number of steps
// (at least 1), with exercise allowed at every step when earlyExercise is set, else
// only at expiry. 0 for an option of no type. Reuses a per-thread buffer
// that only grows, so repeated valuations allocate nothing.
double LatticeValue(const LatticeInputs& in, int steps, bool earlyExercise = true);

}  // namespace qx

#endif  // QX_PRICING_LATTICE_H
