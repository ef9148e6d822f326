#ifndef QX_EDITOR_STRATEGY_TEMPLATE_H
#define QX_EDITOR_STRATEGY_TEMPLATE_H

#include <vector>

#include "pricing/record_enums.h"

namespace qx {

// The strategies the editor can lay out in one step, in the order of the Strategy menu.
enum class Strategy {
    kLongCall,
    kLongPut,
    kCoveredCall,
    kProtectivePut,
    kCollar,
    kBullCallSpread,
    kBearPutSpread,
    kStraddle,
    kStrangle,
    kIronCondor,
    kIronButterfly,
    kCallButterfly,
    kCalendarSpread,
};

// The number of strategies.
inline constexpr int kStrategyCount = static_cast<int>(Strategy::kCalendarSpread) + 1;

// One option leg of a strategy, one contract: its type and side, its strike as steps
// along the strike list from the strike nearest the money, and its expiration as an
// index into the listed expirations (0 the first, 1 the next).
struct StrategyLeg {
    OptionType type;
    Side side;
    int strikeSteps;
    int expiration;
};

// A strategy as the menu names it: its option legs (at most four, one a slot) and the
// side of the holding it starts from, or no side for an option-only strategy.
struct StrategyTemplate {
    const char* name;
    Side holdingSide;
    std::vector<StrategyLeg> legs;

    // The template of a strategy.
    static const StrategyTemplate& Of(Strategy strategy);

    // The index into strikes (ascending) of the leg's strike: the strike nearest price,
    // moved by the leg's steps and kept within the list.
    static int StrikeIndex(const std::vector<double>& strikes, double price,
                           const StrategyLeg& leg);
};

}  // namespace qx

#endif  // QX_EDITOR_STRATEGY_TEMPLATE_H
