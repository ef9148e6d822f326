#include "statement/contract_sizes.h"

#include <cmath>

namespace qx {

namespace {

constexpr int kStandardContract = 100;
// A ratio this close to a whole number is taken as that number: the cash of a row is
// rounded to the cent.
constexpr double kRatioTolerance = 1e-3;

}  // namespace

bool ContractSizes::Find(const std::string& symbol, double notional, BrokerTrade& trade) {
    if (trade.instrument == Instrument::kStock) {
        trade.multiplier = 1;
        return true;
    }
    const double perContract = static_cast<double>(trade.units) * trade.price;
    if (perContract > 0 && notional != 0) {
        const double ratio = std::fabs(notional) / perContract;
        const long size = std::lround(ratio);
        if (size < 1 || std::fabs(ratio - static_cast<double>(size)) > kRatioTolerance * size)
            return false;
        trade.multiplier = seen[symbol] = static_cast<int>(size);
        return true;
    }
    const auto known = seen.find(symbol);
    trade.multiplier = known != seen.end()                       ? known->second
                       : trade.instrument == Instrument::kOption ? kStandardContract
                                                                 : 0;
    return trade.multiplier > 0;
}

}  // namespace qx
