#include "journal/open_valuation.h"

#include <algorithm>
#include <cstdlib>

#include "journal/journal_results.h"
#include "pricing/option.h"
#include "shell/market_environment.h"
#include "shell/settings.h"
#include "statement/entry_names.h"
#include "tracker/stock.h"

namespace qx {

namespace {

double OptionValue(const OpenResult& open, const Stock& stock, const Settings& settings,
                   CTime valuationDate) {
    const Tran& series = open.last;
    Option option;
    EnvironmentOf(settings).ApplyTo(option);
    option.SetLatticeSteps(LatticeStepsOf(settings));
    option.SetAssetType(series.GetAssetType() != AssetType::kNone ? series.GetAssetType()
                                                                  : stock.GetAssetType());
    option.SetOptionType(series.GetOptionType());
    option.SetUnderlyingPrice(stock.GetPrice());
    option.SetStrike(series.GetStrike());
    option.SetUnitsPerContract(series.GetUnitsPerContract());
    option.SetContracts(static_cast<int>(std::llabs(open.units)));
    option.SetSide(open.units > 0 ? Side::kBuy : Side::kSell);
    if (option.SetDates(valuationDate, series.GetExpiration()) == 0) return option.PositionValue();
    // Expired: what exercise pays at the price.
    const double payoff = series.GetOptionType() == OptionType::kCall
                              ? std::max(stock.GetPrice() - series.GetStrike(), 0.0)
                              : std::max(series.GetStrike() - stock.GetPrice(), 0.0);
    return payoff * series.GetUnitsPerContract() * static_cast<double>(open.units);
}

}  // namespace

void ValueOpenPositions(JournalResults& results, const Stock& stock, const Settings& settings,
                        CTime valuationDate) {
    if (stock.GetPrice() <= 0) return;
    for (OpenResult& open : results.open) {
        if (open.last.GetKind() == TranKind::kUnderlying) {
            if (open.name != stock.GetSymbol()) continue;
            open.value = stock.GetPrice() * static_cast<double>(open.units);
        } else {
            const std::string underlying = UnderlyingOfEntry(open.name);
            if (!underlying.empty() && underlying != stock.GetSymbol()) continue;
            open.value = OptionValue(open, stock, settings, valuationDate);
        }
        open.valued = true;
    }
}

}  // namespace qx
