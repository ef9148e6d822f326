#include "pricing/lattice.h"

#include <cmath>
#include <vector>

namespace qx {

namespace {

// Node prices and node values of the lattice side by side, kept for the thread's life
// so that the graph's hundreds of valuations per slider move allocate nothing.
double* ScratchBuffer(std::size_t size) {
    thread_local std::vector<double> buffer;
    if (buffer.size() < size) buffer.resize(size);
    return buffer.data();
}

// Rolls the node values back from expiry to today. Entry i is replaced in ascending
// order, so value[i + 1] still holds the later step's value when it is read. The call
// or put and the exercise rule are template arguments so that the inner loop has no
// branch but the select of the larger value.
template <bool kCall, bool kEarlyExercise>
double RollBack(double* __restrict price, double* __restrict value, int steps, double K, double p,
                double discount, double back) {
    // Each step's discount folded into the two probabilities.
    const double up = p * discount;
    const double down = (1 - p) * discount;
    for (int j = steps - 1; j >= 0; --j) {
        for (int i = 0; i <= j; ++i) {
            const double continuation = up * value[i + 1] + down * value[i];
            if constexpr (kEarlyExercise) {
                price[i] = back * price[i + 1];
                const double exercise = kCall ? price[i] - K : K - price[i];
                // The larger of the two; written so that it compiles to a max.
                value[i] = continuation < exercise ? exercise : continuation;
            } else {
                value[i] = continuation;
            }
        }
    }
    return value[0];
}

}  // namespace

double LatticeValue(const LatticeInputs& in, int steps, bool earlyExercise) {
    const bool call = in.optionType == OptionType::kCall;
    if (!call && in.optionType != OptionType::kPut) return 0;
    if (steps < 1) steps = 1;

    const double dt = in.T / steps;
    // The underlying grows at r - q in the risk-neutral measure; cash is discounted at r.
    const double G = std::exp((in.r - in.q) * dt);
    const double discount = std::exp(-in.r * dt);
    const double spread = in.sigma * std::sqrt(dt);
    double U = std::exp(spread);
    double D = 1 / U;
    double p = (G - D) / (U - D);
    // When the drift over a step outruns the volatility (1 % against a 15 % rate, say),
    // p leaves [0, 1] and the roll-back multiplies its errors at every step. Such a
    // lattice is centred on the forward price instead, where p stays near 1/2.
    if (!(p >= 0 && p <= 1)) {
        const double drift = (in.r - in.q) * dt;
        U = std::exp(drift + spread);
        D = std::exp(drift - spread);
        p = (G - D) / (U - D);
    }

    const std::size_t nodes = static_cast<std::size_t>(steps) + 1;
    double* price = ScratchBuffer(2 * nodes);
    double* value = price + nodes;

    // Node k at expiry has k up moves; one step back from node i + 1 is node i.
    const double upForDown = U / D;
    const double back = 1 / U;
    price[0] = in.S * std::pow(D, steps);
    for (int k = 1; k <= steps; ++k) price[k] = price[k - 1] * upForDown;
    for (int k = 0; k <= steps; ++k) {
        const double payoff = call ? price[k] - in.K : in.K - price[k];
        value[k] = payoff >= 0 ? payoff : 0;
    }

    if (call) {
        return earlyExercise ? RollBack<true, true>(price, value, steps, in.K, p, discount, back)
                             : RollBack<true, false>(price, value, steps, in.K, p, discount, back);
    }
    return earlyExercise ? RollBack<false, true>(price, value, steps, in.K, p, discount, back)
                         : RollBack<false, false>(price, value, steps, in.K, p, discount, back);
}

}  // namespace qx
