#ifndef QX_GRAPH_PROFIT_SEARCH_H
#define QX_GRAPH_PROFIT_SEARCH_H

#include <algorithm>
#include <cmath>

namespace qx {

// How closely a break-even is pinned down: within the last of four decimals.
constexpr double kCrossingTolerance = 5e-5;
// How closely the price of a best or worst case is pinned down; the profit there, at
// the top of a curve or at a strike, changes far less than the price.
constexpr double kPeakTolerance = 1e-3;

// Most evaluations a search spends, so that a function that is not what it should be
// (a lattice's small steps, a level stretch) still ends the search.
constexpr int kMaxSearchSteps = 60;

// A price within kCrossingTolerance of where f changes sign between a and b, given f's
// values fa and fb there of opposite signs (none of them 0). Brent's method: inverse
// quadratic or secant steps where they stay inside the bracket, halving where not, so a
// smooth profit takes a handful of evaluations and a kinked one never more than halving.
template <typename F>
double FindCrossing(F f, double a, double fa, double b, double fb) {
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (int step = 0; step < kMaxSearchSteps; ++step) {
        // c is always the end of the bracket opposite b; b the best guess so far.
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        const double tol = 4e-16 * std::fabs(b) + 0.5 * kCrossingTolerance;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tol) break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p;
            double q;
            if (a == c) {  // secant through the two ends
                p = 2 * half * s;
                q = 1 - s;
            } else {  // inverse quadratic through the last three points
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            const bool inside =
                2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q));
            e = inside ? d : half;
            d = inside ? p / q : half;
        } else {
            d = e = half;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (half > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

// The highest point of a function found by a search: where and how high.
struct Peak {
    double x;
    double value;
};

// The largest value of f found on [a, b] by golden-section search, which closes in on a
// peak whether the function is smooth there or bends at a strike.
template <typename F>
Peak FindMaximum(F f, double a, double b) {
    constexpr double g = 0.6180339887498949;  // (√5 − 1) / 2
    double x1 = b - g * (b - a);
    double x2 = a + g * (b - a);
    double f1 = f(x1);
    double f2 = f(x2);
    Peak best = f1 >= f2 ? Peak{x1, f1} : Peak{x2, f2};
    for (int step = 0; step < kMaxSearchSteps && b - a > kPeakTolerance; ++step) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + g * (b - a);
            f2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - g * (b - a);
            f1 = f(x1);
        }
        if (f1 > best.value) best = {x1, f1};
        if (f2 > best.value) best = {x2, f2};
    }
    return best;
}

}  // namespace qx

#endif  // QX_GRAPH_PROFIT_SEARCH_H
