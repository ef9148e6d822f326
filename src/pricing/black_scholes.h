#ifndef QX_PRICING_BLACK_SCHOLES_H
#define QX_PRICING_BLACK_SCHOLES_H

#include "pricing/option_type.h"

namespace qx {

// The closed-form value of a European option on an asset with a continuous dividend
// yield, and its sensitivities, per unit of the underlying. Every term that does not
// depend on the volatility is worked out once, so a volatility search pays only for
// the two normal functions per trial.
class BlackScholes {
  public:
    // Price of the underlying, strike and years to expiration above 0; rate and yield
    // per year.
    BlackScholes(double spot, double strikePrice, double years, double rate, double yield);

    // Value of a call or a put at volatility sigma; -1 for no type.
    double Value(OptionType type, double sigma) const;

    // d1 of the formula at volatility sigma: (ln(S/K) + (r - q) T) / w + w/2, w = sigma sqrt(T).
    double D1(double sigma) const;

    // Slope of the value in the underlying's price, for a call or a put.
    double Delta(OptionType type, double sigma) const;
    // Slope of delta in the underlying's price; 0 at a price of 0, its limit.
    double Gamma(double sigma) const;
    // Slope of the value in the volatility, the same for a call and a put.
    double Vega(double sigma) const;
    // Slope of the value in the interest rate, for a call or a put.
    double Rho(OptionType type, double sigma) const;

  private:
    double S;
    double K;
    double T;
    double sqrtT;
    double logMoneyness;      // ln(S/K)
    double drift;             // (r - q) T
    double dividendDiscount;  // e^(-qT)
    double rateDiscount;      // e^(-rT)
};

}  // namespace qx

#endif  // QX_PRICING_BLACK_SCHOLES_H
