#ifndef QX_TEST_SUPPORT_REFERENCE_OPTION_H
#define QX_TEST_SUPPORT_REFERENCE_OPTION_H

#include "pricing/option.h"

namespace qx {

// The textbook case the pricing tests and benchmarks value: S = K = 100, one year
// (365 days) to expiration, rate 5 %, volatility 20 %, the given yield and lattice steps
// (0 for the closed form), one contract of 100 units.
inline Option ReferenceOption(OptionType optionType, double dividendYield = 0,
                              int latticeSteps = 0) {
    Option option;
    option.SetOptionType(optionType);
    option.SetUnderlyingPrice(100);
    option.SetStrike(100);
    option.SetDaysLeft(365);
    option.SetInterestRate(0.05);
    option.SetDividendYield(dividendYield);
    option.SetVolatility(0.2);
    option.SetLatticeSteps(latticeSteps);
    option.SetContracts(1);
    option.SetUnitsPerContract(100);
    return option;
}

// The reference call without a volatility, which only a new or cleared record lacks
// (the setter refuses 0): the contract and the time, nothing else.
inline Option ReferenceCallWithoutVolatility() {
    Option option;
    option.SetOptionType(OptionType::kCall);
    option.SetUnderlyingPrice(100);
    option.SetStrike(100);
    option.SetDaysLeft(365);
    return option;
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_REFERENCE_OPTION_H
