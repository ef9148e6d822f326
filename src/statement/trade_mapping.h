#ifndef QX_STATEMENT_TRADE_MAPPING_H
#define QX_STATEMENT_TRADE_MAPPING_H

#include <string>

#include "statement/broker_trade.h"

namespace qx {

class BookHoldings;

// Turns a broker's trade into the tracker's transaction, as far as the row alone tells:
// - a stock or future trade is the underlying (kind 1) under its symbol, a future with
//   its contract size as units per contract; an option is kind 2 under OptionEntryName,
//   with the contract size as units per contract; a dividend is kind 3, "Dividend";
// - an open or a close keeps its side (a purchase Buy, a sale Sell); a plain buy or
//   sale is left without an action for SettleByHolding;
// - an expiry is a close at price 0, on the file's side when it gives one;
// - an exercise and an assignment are both the tracker's exercise (the book gives the
//   side, opposite to the opening), at the strike as the underlying's price, which the
//   delivered units' cash does not depend on; a cash-settled index option's at the
//   level its settlement amount gives;
// - commissions and fees are the fees: per contract for options, per trade otherwise.
// Returns an empty text and fills tran, or the reason the row is refused.
std::string MapTrade(const BrokerTrade& trade, Tran& tran);

// What the holding decides of a mapped transaction: a plain buy or sale opens, unless it
// works against the holding, which it then closes (one that would cross through zero is
// refused); an expiry without a side closes the holding. The reason, or empty.
std::string SettleByHolding(const BrokerTrade& trade, const BookHoldings& holdings, Tran& tran);

// Whether the mapped transaction's side comes from the file (false for an expiry the
// file gives no direction, and for exercises, whose side the book decides).
bool HasFileSide(const BrokerTrade& trade);

}  // namespace qx

#endif  // QX_STATEMENT_TRADE_MAPPING_H
