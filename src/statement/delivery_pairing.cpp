#include "statement/delivery_pairing.h"

#include <cstdlib>
#include <string>

#include "statement/entry_names.h"

namespace qx {

namespace {

// The units of the underlying an exercise or assignment moves, as a signed trade of the
// underlying at the strike, and the row that moves them.
struct Delivery {
    int row;
    std::int64_t day;
    std::string symbol;
    std::int64_t quantity;  // the holder's side: positive received
    double strike;
    bool paired = false;
};

std::int64_t DayOf(CTime time) {
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay()).GetTime();
}

bool DeliversUnderlying(const BrokerTrade& trade) {
    const bool event =
        trade.effect == TradeEffect::kExercise || trade.effect == TradeEffect::kAssignment;
    return trade.IsOption() && event &&
           !(trade.instrument == Instrument::kOption && IsIndexRoot(trade.symbol));
}

Delivery DeliveryOf(const StatementRow& row) {
    const BrokerTrade& trade = row.trade;
    // A call exercised or a put assigned brings the underlying in.
    const bool receives =
        (trade.optionType == OptionType::kCall) == (trade.effect == TradeEffect::kExercise);
    // A future option delivers one future per contract.
    const std::int64_t units = trade.instrument == Instrument::kFutureOption
                                   ? trade.units
                                   : trade.units * trade.multiplier;
    return {row.row, DayOf(trade.date), trade.symbol, receives ? units : -units, trade.strike};
}

bool SameUnderlying(const BrokerTrade& trade, const Delivery& delivery) {
    // A future's symbol carries its month after the root of its options.
    return trade.instrument == Instrument::kFuture ? trade.symbol.rfind(delivery.symbol, 0) == 0
                                                   : trade.symbol == delivery.symbol;
}

bool Matches(const BrokerTrade& trade, const Delivery& delivery) {
    const bool quantity = trade.quantity == 0 ? trade.units == std::llabs(delivery.quantity)
                                              : trade.quantity == delivery.quantity;
    return !delivery.paired && quantity && DayOf(trade.date) == delivery.day &&
           SameUnderlying(trade, delivery) && trade.price == delivery.strike;
}

bool MayBeDelivery(const BrokerTrade& trade) {
    return !trade.IsOption() && trade.instrument != Instrument::kDividend &&
           (trade.effect == TradeEffect::kDelivery || trade.effect == TradeEffect::kUnknown);
}

}  // namespace

void PairDeliveries(std::vector<StatementRow>& rows) {
    std::vector<Delivery> deliveries;
    for (const StatementRow& row : rows)
        if (row.status == StatementRow::Status::kTrade && DeliversUnderlying(row.trade))
            deliveries.push_back(DeliveryOf(row));
    for (StatementRow& row : rows) {
        if (row.status != StatementRow::Status::kTrade || !MayBeDelivery(row.trade)) continue;
        Delivery* paired = nullptr;
        for (Delivery& delivery : deliveries)
            if (!paired && Matches(row.trade, delivery)) paired = &delivery;
        if (paired) {
            paired->paired = true;
            row.status = StatementRow::Status::kSkipped;
            row.reason = "Delivered by the exercise or assignment on row " +
                         std::to_string(paired->row) + ".";
        } else if (row.trade.effect == TradeEffect::kDelivery) {
            row.status = StatementRow::Status::kRefused;
            row.reason =
                "Units delivered by an exercise or assignment that the file does not hold.";
        }
    }
}

}  // namespace qx
