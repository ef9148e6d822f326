#include "statement/trade_mapping.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "pricing/option.h"
#include "statement/book_holdings.h"
#include "statement/entry_names.h"

namespace qx {

namespace {

constexpr const char* kDividendName = "Dividend";

// The tracker's action of a buy or sell the file leaves open: it closes when it works
// against the holding, else opens; empty reason, or why it cannot be told.
std::string ActionOfPlainTrade(std::int64_t signedUnits, std::int64_t held, TranAction& action) {
    if (held == 0 || (held > 0) == (signedUnits > 0)) {
        action = TranAction::kOpen;
        return "";
    }
    action = TranAction::kClose;
    if (std::llabs(signedUnits) <= std::llabs(held)) return "";
    return "The trade would close the " + std::to_string(std::llabs(held)) +
           " held and open the rest the other way; the file does not say which is meant.";
}

// The index level a cash-settled exercise or assignment was settled at, from its cash.
double SettlementLevel(const BrokerTrade& trade) {
    const double perUnit =
        std::fabs(trade.cash) / (static_cast<double>(trade.units) * trade.multiplier);
    return trade.optionType == OptionType::kCall ? trade.strike + perUnit : trade.strike - perUnit;
}

std::string SetSeries(const BrokerTrade& trade, Tran& tran) {
    const bool index = trade.instrument == Instrument::kOption && IsIndexRoot(trade.symbol);
    tran.SetKind(TranKind::kOption);
    tran.SetAssetType(trade.instrument == Instrument::kFutureOption ? AssetType::kFuture
                      : index                                       ? AssetType::kIndex
                                                                    : AssetType::kStock);
    tran.SetName(OptionEntryName(trade.symbol, trade.expiration, trade.strike, trade.optionType));
    if (tran.SetOptionType(trade.optionType) != 0 || tran.SetStrike(trade.strike) != 0 ||
        tran.SetExpiration(trade.expiration) != 0)
        return "The option series cannot be kept by the tracker.";
    return "";
}

// Action and price of an option's expiry, exercise or assignment; an expiry's side is
// the file's or, when it gives none, left to the holding.
std::string SetOptionEvent(const BrokerTrade& trade, Tran& tran) {
    if (trade.effect == TradeEffect::kExpiry) {
        tran.SetAction(TranAction::kClose);
        if (trade.quantity != 0) tran.SetSide(trade.quantity > 0 ? Side::kBuy : Side::kSell);
        return "";
    }
    tran.SetAction(TranAction::kExercise);
    if (tran.GetAssetType() != AssetType::kIndex) {
        tran.SetPrice(trade.strike);
        return "";
    }
    if (trade.cash == 0) return "The settlement amount of the index option is missing.";
    return tran.SetPrice(SettlementLevel(trade)) == 0
               ? ""
               : "The settlement amount gives no index level.";
}

bool IsOptionEvent(const BrokerTrade& trade) {
    return trade.IsOption() && trade.effect != TradeEffect::kOpen &&
           trade.effect != TradeEffect::kClose && trade.effect != TradeEffect::kUnknown;
}

}  // namespace

bool HasFileSide(const BrokerTrade& trade) {
    return trade.quantity != 0 && trade.effect != TradeEffect::kExercise &&
           trade.effect != TradeEffect::kAssignment;
}

std::string MapTrade(const BrokerTrade& trade, Tran& tran) {
    tran = Tran();
    tran.SetDate(trade.date);
    if (tran.SetBrokerId(trade.id) != 0)
        return "The transaction id is longer than the tracker keeps.";
    if (trade.instrument == Instrument::kDividend) {
        if (trade.price <= 0) return "A dividend of no or a negative amount cannot be recorded.";
        tran.SetKind(TranKind::kDividend);
        tran.SetName(kDividendName);
        return tran.SetPrice(trade.price) == 0 ? "" : "The amount cannot be kept by the tracker.";
    }
    if (trade.units > std::numeric_limits<int>::max() ||
        tran.SetUnits(static_cast<int>(trade.units)) != 0)
        return "The quantity is larger than the tracker keeps.";
    if (tran.SetUnitsPerContract(trade.multiplier) != 0) return "The row gives no contract size.";
    const double fees =
        trade.IsOption() ? trade.fees / static_cast<double>(trade.units) : trade.fees;
    if (tran.SetFees(fees) != 0) return "The fees cannot be kept by the tracker.";
    if (trade.IsOption()) {
        const std::string series = SetSeries(trade, tran);
        if (!series.empty()) return series;
    } else {
        tran.SetKind(TranKind::kUnderlying);
        tran.SetAssetType(trade.instrument == Instrument::kFuture ? AssetType::kFuture
                                                                  : AssetType::kStock);
        tran.SetName(trade.symbol);
    }
    if (IsOptionEvent(trade)) return SetOptionEvent(trade, tran);
    if (trade.quantity == 0) return "The row does not say whether it buys or sells.";
    tran.SetSide(trade.quantity > 0 ? Side::kBuy : Side::kSell);
    if (tran.SetPrice(trade.price) != 0) return "The price cannot be kept by the tracker.";
    if (trade.effect != TradeEffect::kUnknown)
        tran.SetAction(trade.effect == TradeEffect::kOpen ? TranAction::kOpen : TranAction::kClose);
    return "";
}

std::string SettleByHolding(const BrokerTrade& trade, const BookHoldings& holdings, Tran& tran) {
    const std::int64_t held = holdings.Net(tran.Name());
    if (trade.effect == TradeEffect::kExpiry && tran.GetSide() == Side::kNone) {
        if (held == 0) return "Nothing of " + tran.Name() + " is open to expire.";
        tran.SetSide(held > 0 ? Side::kSell : Side::kBuy);
    }
    if (trade.effect != TradeEffect::kUnknown || trade.instrument == Instrument::kDividend)
        return "";
    const std::int64_t measure = trade.IsOption() ? 1 : trade.multiplier;
    TranAction action = TranAction::kOpen;
    const std::string reason = ActionOfPlainTrade(trade.quantity * measure, held, action);
    tran.SetAction(action);
    return reason;
}

}  // namespace qx
