#ifndef QX_BENCH_FOUR_OPTION_POSITION_H
#define QX_BENCH_FOUR_OPTION_POSITION_H

#include "pricing/option.h"

namespace qx {

// The benchmarks' position: four options of 5 contracts on one underlying at 100, a
// quarter to a year to expiration, under the rule given by the lattice steps (0 for the
// closed form).
inline void FillFourOptions(Option (&rows)[kOptionSlots], int latticeSteps) {
    const struct {
        OptionType type;
        double strike;
        int days;
        Side side;
    } legs[] = {{OptionType::kCall, 95, 90, Side::kBuy},
                {OptionType::kPut, 100, 180, Side::kSell},
                {OptionType::kCall, 110, 270, Side::kBuy},
                {OptionType::kPut, 90, 365, Side::kBuy}};
    for (int k = 0; k < 4; ++k) {
        Option& o = rows[k];
        o.SetOptionType(legs[k].type);
        o.SetUnderlyingPrice(100);
        o.SetStrike(legs[k].strike);
        o.SetDaysLeft(legs[k].days);
        o.SetInterestRate(0.05);
        o.SetDividendYield(0.01);
        o.SetVolatility(0.3);
        o.SetSide(legs[k].side);
        o.SetContracts(5);
        o.SetUnitsPerContract(100);
        o.SetPrice(4);
        o.SetLatticeSteps(latticeSteps);
    }
}

}  // namespace qx

#endif  // QX_BENCH_FOUR_OPTION_POSITION_H
