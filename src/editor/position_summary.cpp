#include "editor/position_summary.h"

#include <algorithm>

#include "editor/editor_text.h"
#include "pricing/number_text.h"
#include "pricing/option.h"
#include "shell/document.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

const char* SideText(Side side) { return side == Side::kBuy ? "Buy " : "Sell "; }

struct Line {
    std::string what;
    std::string net;  // empty for a leg without a trade
};

Line HoldingLine(const Stock& stock, const Settings& settings) {
    const char* units = stock.GetAssetType() == AssetType::kFuture ? " Contracts" : " Shares";
    if (stock.GetShares() == 0 || stock.GetSide() == Side::kNone)
        return {std::string("No") + units, ""};
    return {SideText(stock.GetSide()) + IntegerText(stock.GetShares()) + units + " at " +
                PriceText(stock.GetPrice(), settings),
            MoneyText(stock.Value(), settings)};
}

Line SlotLine(const Option& option, int slot, const Settings& settings) {
    const std::string description = option.Description();
    if (option.GetSide() == Side::kNone || option.GetContracts() == 0)
        return {IntegerText(slot + 1) + (description.empty() ? " New Option" : " " + description),
                ""};
    return {SideText(option.GetSide()) + IntegerText(option.GetContracts()) + " " +
                option.GetExpiration().Format("%b %Y ") + NumberText(option.GetStrike(), 2, true) +
                (option.GetOptionType() == OptionType::kCall ? " Call" : " Put") + " at " +
                PriceText(option.GetPrice(), settings),
            MoneyText(option.CashFlow(), settings)};
}

// What the position's trades cost (a debit) or bring in (a credit), fees apart.
Line TotalLine(const Document& document, const Settings& settings) {
    const Stock& stock = document.GetStock();
    double net = stock.Value();
    double fees = stock.GetSide() != Side::kNone && stock.GetShares() != 0 ? stock.GetFees() : 0;
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const Option& option = document.GetOption(slot);
        if (option.GetSide() == Side::kNone) continue;
        net += option.CashFlow();
        fees += option.GetContracts() * option.GetFees();
    }
    const double premiums = net - fees;
    std::string total =
        (premiums > 0 ? "Net credit " : "Net cost ") + MoneyText(std::abs(premiums), settings);
    if (FeesInForce(settings)) total += "   Fees " + MoneyText(fees, settings);
    return {total, MoneyText(net, settings)};
}

}  // namespace

std::vector<std::string> PositionSummary::Lines(const Document& document,
                                                const Settings& settings) {
    std::vector<Line> lines = {HoldingLine(document.GetStock(), settings)};
    for (int slot = 0; slot < kOptionSlots; ++slot)
        lines.push_back(SlotLine(document.GetOption(slot), slot, settings));
    lines.push_back(TotalLine(document, settings));
    size_t width = 0;
    for (const Line& line : lines) width = std::max(width, line.what.size());
    std::vector<std::string> texts;
    for (const Line& line : lines) {
        std::string text = line.what;
        if (!line.net.empty())
            text += std::string(width - line.what.size() + 3, ' ') + "NET " + line.net;
        texts.push_back(text);
    }
    return texts;
}

}  // namespace qx
