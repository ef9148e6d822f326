#include "graph/position_greeks.h"

#include <algorithm>

#include "graph/graph_model.h"
#include "graph/signed_greeks.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

namespace {

// An expired leg's delta: its payoff's slope at S, signed by its side and sized as the
// Greeks are.
double PayoffDelta(const Option& option, bool shareWeighted) {
    const double S = option.GetUnderlyingPrice();
    const double K = option.GetStrike();
    double slope = 0;
    if (option.GetOptionType() == OptionType::kCall && S > K) slope = 1;
    if (option.GetOptionType() == OptionType::kPut && S < K) slope = -1;
    const double units =
        shareWeighted ? static_cast<double>(option.GetContracts()) * option.GetUnitsPerContract()
                      : option.GetContracts();
    return SideSign(option.GetSide()) * slope * units;
}

void AppendNamed(std::string& text, const char* name, double value, int digits) {
    if (!text.empty()) text += "   ";
    text += name;
    text += ' ';
    const std::string number = NumberText(value, digits, false);
    text += number.empty() ? "0" : number;
}

}  // namespace

void PositionGreeks::Compute(const GraphModel& model) {
    const bool shares = model.GetSettings().shareWeighted;
    delta = HoldingDelta(model.GetStock(), shares);
    gamma = theta = vega = rho = 0;
    for (int k = 1; k <= model.GetOptionCount(); ++k) {
        Option leg;
        leg.CopyFrom(model.GetOption(k));
        leg.SetUnderlyingPrice(model.GetCurrentPrice());
        if (!leg.HasGreeks()) {
            delta += PayoffDelta(leg, shares);
            continue;
        }
        delta += SignedGreek(leg, GraphType::Delta, shares);
        gamma += SignedGreek(leg, GraphType::Gamma, shares);
        theta += SignedGreek(leg, GraphType::Theta, shares);
        vega += SignedGreek(leg, GraphType::Vega, shares);
        rho += SignedGreek(leg, GraphType::Rho, shares);
    }
}

const std::string& PositionGreeks::Text(int digits) {
    text.clear();
    AppendNamed(text, "Delta", delta, digits);
    AppendNamed(text, "Gamma", gamma, std::max(digits, 4));
    AppendNamed(text, "Theta/day", theta, digits);
    AppendNamed(text, "Vega", vega, digits);
    AppendNamed(text, "Rho", rho, digits);
    return text;
}

}  // namespace qx
