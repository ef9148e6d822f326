#include "graph/signed_greeks.h"

#include "pricing/option.h"
#include "tracker/stock.h"

namespace qx {

double SideSign(Side side) { return side == Side::kBuy ? 1 : side == Side::kSell ? -1 : 0; }

double SignedGreek(const Option& option, GraphType type, bool shareWeighted) {
    double greek = -1;
    switch (type) {
        case GraphType::Gamma: greek = option.Gamma(shareWeighted); break;
        case GraphType::Delta: greek = option.Delta(shareWeighted); break;
        case GraphType::Theta: greek = option.Theta(shareWeighted); break;
        case GraphType::Vega: greek = option.Vega(shareWeighted); break;
        case GraphType::Rho: greek = option.Rho(shareWeighted); break;
        case GraphType::ValueOrProfit: return -1;
    }
    if (!option.HasGreeks()) return greek;
    return SideSign(option.GetSide()) * greek;
}

double HoldingDelta(const Stock& stock, bool shareWeighted) {
    const double units = shareWeighted
                             ? static_cast<double>(stock.GetShares()) * stock.GetUnitsPerContract()
                             : stock.GetShares();
    return SideSign(stock.GetSide()) * units;
}

}  // namespace qx
