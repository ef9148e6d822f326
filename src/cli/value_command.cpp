#include "cli/value_command.h"

#include <string>

#include "cli/command_document.h"
#include "graph/profit_table_text.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

namespace {

constexpr const char* kHeader =
    "Leg,Description,Fair Value,Implied Volatility,Days Left,Fees,NET,Delta,Gamma,Theta,Vega,"
    "Rho\r\n";
constexpr int kGreekCount = 5;

// The position's Greeks, share weighted, signed by the side: a sold leg's sensitivities
// are the opposite of a bought one's.
struct Greeks {
    double values[kGreekCount] = {};
    bool known = true;
};

Greeks GreeksOf(const Option& option) {
    Greeks greeks;
    // Without volatility, time or type an option has no sensitivities.
    greeks.known =
        option.GetVolatility() != 0 && option.GetYears() != 0 &&
        (option.GetOptionType() == OptionType::kCall || option.GetOptionType() == OptionType::kPut);
    if (!greeks.known) return greeks;
    const double sign = option.GetSide() == Side::kSell ? -1 : 1;
    const double values[kGreekCount] = {option.Delta(true), option.Gamma(true), option.Theta(true),
                                        option.Vega(true), option.Rho(true)};
    for (int g = 0; g < kGreekCount; ++g) greeks.values[g] = sign * values[g];
    return greeks;
}

std::string GreekFields(const Greeks& greeks) {
    std::string text;
    for (double value : greeks.values) text += "," + (greeks.known ? SheetNumber(value, 4) : "");
    return text;
}

// One row: the fields up to NET as given, then the Greeks.
std::string Row(const std::string& leg, const std::string& description, const std::string& fair,
                const std::string& volatility, const std::string& days, double fees, double net,
                const Greeks& greeks, int digits) {
    return leg + "," + description + "," + fair + "," + volatility + "," + days + "," +
           SheetNumber(fees, digits) + "," + SheetNumber(net, digits) + GreekFields(greeks) +
           "\r\n";
}

}  // namespace

int RunValueCommand(const CommandCall& call) {
    if (call.args.size() != 1) {
        call.err << "qualtrixon value: one document, and nothing else, is needed\n";
        return kExitMisuse;
    }
    const Settings settings;
    const int digits = settings.significantDigits;
    CommandDocument document(settings, call.err);
    if (!document.Open(call.args[0])) return kExitMisuse;
    Greeks total;
    double fees = 0;
    double net = 0;
    std::string text = kHeader;
    for (int slot = 0; slot < kOptionSlots; ++slot) {
        const Option& option = document.Options()[slot];
        if (option.GetSide() == Side::kNone) continue;
        const Greeks greeks = GreeksOf(option);
        const double legFees = option.GetFees() * option.GetContracts();
        const double volatility = option.ImpliedVolatility();
        text += Row(
            "Option " + IntegerText(slot + 1), option.TradeDescription(),
            SheetNumber(option.FairValue(), 4), volatility < 0 ? "" : SheetNumber(volatility, 4),
            IntegerText(option.GetDaysLeft(), true), legFees, option.CashFlow(), greeks, digits);
        for (int g = 0; g < kGreekCount; ++g) total.values[g] += greeks.values[g];
        total.known = total.known && greeks.known;
        fees += legFees;
        net += option.CashFlow();
    }
    const Stock& stock = document.Get().GetStock();
    if (stock.GetSide() != Side::kNone) {
        // Each unit held moves one for one with the underlying.
        Greeks holding;
        const double units = static_cast<double>(stock.GetShares()) * stock.GetUnitsPerContract();
        holding.values[0] = stock.GetSide() == Side::kSell ? -units : units;
        const std::string description =
            std::string(stock.GetSide() == Side::kSell ? "Sell " : "Buy ") +
            IntegerText(static_cast<long long>(units), true) + " units";
        text += Row("Holding", description, SheetNumber(stock.GetPrice(), 4), "", "",
                    stock.GetFees(), stock.Value(), holding, digits);
        total.values[0] += holding.values[0];
        fees += stock.GetFees();
        net += stock.Value();
    }
    text += Row("Position", "", "", "", "", fees, net, total, digits);
    call.out << text;
    return kExitDone;
}

}  // namespace qx
