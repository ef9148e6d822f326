#include "editor/strategy_template.h"

#include <algorithm>
#include <cmath>

#include "pricing/option.h"

namespace qx {

namespace {

// Shorthands that let each template read as the trader says it.
constexpr StrategyLeg BuyCall(int steps, int expiration = 0) {
    return {OptionType::kCall, Side::kBuy, steps, expiration};
}
constexpr StrategyLeg SellCall(int steps, int expiration = 0) {
    return {OptionType::kCall, Side::kSell, steps, expiration};
}
constexpr StrategyLeg BuyPut(int steps) { return {OptionType::kPut, Side::kBuy, steps, 0}; }
constexpr StrategyLeg SellPut(int steps) { return {OptionType::kPut, Side::kSell, steps, 0}; }

}  // namespace

const StrategyTemplate& StrategyTemplate::Of(Strategy strategy) {
    // Spreads and wings stand one or two strikes out from the money; a butterfly's body
    // is two short calls at the money, one a slot.
    static const StrategyTemplate kTemplates[kStrategyCount] = {
        {"Long Call", Side::kNone, {BuyCall(0)}},
        {"Long Put", Side::kNone, {BuyPut(0)}},
        {"Covered Call", Side::kBuy, {SellCall(1)}},
        {"Protective Put", Side::kBuy, {BuyPut(-1)}},
        {"Collar", Side::kBuy, {BuyPut(-1), SellCall(1)}},
        {"Bull Call Spread", Side::kNone, {BuyCall(0), SellCall(2)}},
        {"Bear Put Spread", Side::kNone, {BuyPut(0), SellPut(-2)}},
        {"Straddle", Side::kNone, {BuyCall(0), BuyPut(0)}},
        {"Strangle", Side::kNone, {BuyCall(1), BuyPut(-1)}},
        {"Iron Condor", Side::kNone, {SellCall(1), BuyCall(2), SellPut(-1), BuyPut(-2)}},
        {"Iron Butterfly", Side::kNone, {SellCall(0), BuyCall(2), SellPut(0), BuyPut(-2)}},
        {"Call Butterfly", Side::kNone, {BuyCall(-1), SellCall(0), SellCall(0), BuyCall(1)}},
        {"Calendar Spread", Side::kNone, {SellCall(0, 0), BuyCall(0, 1)}},
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
