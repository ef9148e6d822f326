#include "editor/strategy_template.h"

#include <algorithm>
#include <cmath>

#include "pricing/option.h"

namespace qx {

namespace {

// Shorthands that let each template read as the trader says it.
constexpr StrategyLeg BuyCall(int steps, int expiration = 0) {
    return {kCall, kBuy, steps, expiration};
}
constexpr StrategyLeg SellCall(int steps, int expiration = 0) {
    return {kCall, kSell, steps, expiration};
}
constexpr StrategyLeg BuyPut(int steps) { return {kPut, kBuy, steps, 0}; }
constexpr StrategyLeg SellPut(int steps) { return {kPut, kSell, steps, 0}; }

}  // namespace

const StrategyTemplate& StrategyTemplate::Of(Strategy strategy) {
    // Spreads and wings stand one or two strikes out from the money; a butterfly's body
    // is two short calls at the money, one a slot.
    static const StrategyTemplate kTemplates[kStrategyCount] = {
        {"Long Call", kNoSide, {BuyCall(0)}},
        {"Long Put", kNoSide, {BuyPut(0)}},
        {"Covered Call", kBuy, {SellCall(1)}},
        {"Protective Put", kBuy, {BuyPut(-1)}},
        {"Collar", kBuy, {BuyPut(-1), SellCall(1)}},
        {"Bull Call Spread", kNoSide, {BuyCall(0), SellCall(2)}},
        {"Bear Put Spread", kNoSide, {BuyPut(0), SellPut(-2)}},
        {"Straddle", kNoSide, {BuyCall(0), BuyPut(0)}},
        {"Strangle", kNoSide, {BuyCall(1), BuyPut(-1)}},
        {"Iron Condor", kNoSide, {SellCall(1), BuyCall(2), SellPut(-1), BuyPut(-2)}},
        {"Iron Butterfly", kNoSide, {SellCall(0), BuyCall(2), SellPut(0), BuyPut(-2)}},
        {"Call Butterfly", kNoSide, {BuyCall(-1), SellCall(0), SellCall(0), BuyCall(1)}},
        {"Calendar Spread", kNoSide, {SellCall(0, 0), BuyCall(0, 1)}},
    };
    return kTemplates[static_cast<int>(strategy)];
}

int StrategyTemplate::StrikeIndex(const std::vector<double>& strikes, double price,
                                  const StrategyLeg& leg) {
    if (strikes.empty()) return -1;
    const auto nearest = std::min_element(
        strikes.begin(), strikes.end(),
        [price](double a, double b) { return std::abs(a - price) < std::abs(b - price); });
    const int index = static_cast<int>(nearest - strikes.begin()) + leg.strikeSteps;
    return std::clamp(index, 0, static_cast<int>(strikes.size()) - 1);
}

}  // namespace qx
