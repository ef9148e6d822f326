#include "pricing/black_scholes.h"

#include <cmath>

#include "pricing/normal.h"

namespace qx {

BlackScholes::BlackScholes(double spot, double strikePrice, double years, double rate, double yield)
    : S(spot),
      K(strikePrice),
      T(years),
      sqrtT(std::sqrt(years)),
      // Equal prices are at the money, also when both are 0 (where 0/0 would be NaN).
      logMoneyness(spot == strikePrice ? 0 : std::log(spot / strikePrice)),
      drift((rate - yield) * years),
      dividendDiscount(yield == 0 ? 1 : std::exp(-yield * years)),  // most pay none
      rateDiscount(std::exp(-rate * years)) {}

double BlackScholes::D1(double sigma) const {
    const double w = sigma * sqrtT;
    return (logMoneyness + drift) / w + w / 2;
}

double BlackScholes::Value(OptionType type, double sigma) const {
    const double d1 = D1(sigma);
    const double d2 = d1 - sigma * sqrtT;
    // C = S e^(-qT) N(d1) - K e^(-rT) N(d2)
    if (type == OptionType::kCall) return S * dividendDiscount * N(d1) - K * rateDiscount * N(d2);
    // P = K e^(-rT) N(-d2) - S e^(-qT) N(-d1)
    if (type == OptionType::kPut) return K * rateDiscount * N(-d2) - S * dividendDiscount * N(-d1);
    return -1;
}

double BlackScholes::Delta(OptionType type, double sigma) const {
    const double d1 = D1(sigma);
    return type == OptionType::kCall ? dividendDiscount * N(d1) : -dividendDiscount * N(-d1);
}

double BlackScholes::Gamma(double sigma) const {
    // The density vanishes faster than S as S goes to 0, so the limit there is 0.
    if (S == 0) return 0;
    return dividendDiscount * n(D1(sigma)) / (S * sigma * sqrtT);
}

double BlackScholes::Vega(double sigma) const {
    return S * dividendDiscount * sqrtT * n(D1(sigma));
}

double BlackScholes::Rho(OptionType type, double sigma) const {
    const double d2 = D1(sigma) - sigma * sqrtT;
    const double scale = K * T * rateDiscount;
    return type == OptionType::kCall ? scale * N(d2) : -scale * N(-d2);
}

}  // namespace qx
