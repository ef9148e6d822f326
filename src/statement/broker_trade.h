#ifndef QX_STATEMENT_BROKER_TRADE_H
#define QX_STATEMENT_BROKER_TRADE_H

#include <cstdint>
#include <string>

#include "platform/ctime.h"
#include "tracker/tran.h"

namespace qx {

// What a statement row does, as far as the broker's file tells it.
enum class TradeEffect {
    kUnknown,     // a plain buy or sell: open or close follows from the holding
    kOpen,        // opens or adds to a position
    kClose,       // closes or reduces a position
    kExercise,    // the holder exercises an option
    kAssignment,  // the writer is assigned: the writer's exercise
    kExpiry,      // the option expired worthless
    kDelivery,    // underlying units moved by an exercise or assignment
};

// What a statement row trades.
enum class Instrument { kStock, kFuture, kOption, kFutureOption, kDividend };

// One row of a broker statement in broker-neutral terms, before it meets the book.
struct BrokerTrade {
    CTime date;
    Instrument instrument = Instrument::kStock;
    std::string symbol;  // the underlying's symbol (the option's root)
    OptionType optionType = OptionType::kNone;
    double strike = 0;
    CTime expiration;
    int multiplier = 0;         // units of the underlying per contract; 0 when the file has none
    std::int64_t quantity = 0;  // signed: positive bought, negative sold, 0 when unsigned
    std::int64_t units = 0;     // the absolute quantity
    double price = 0;           // per unit of the underlying; a dividend's amount
    double fees = 0;            // commissions and fees of the whole row, as a cost (>= 0)
    double cash = 0;            // the row's cash amount, when the file gives one
    TradeEffect effect = TradeEffect::kUnknown;
    std::string id;  // the broker's transaction id, where the file gives one

    bool IsOption() const {
        return instrument == Instrument::kOption || instrument == Instrument::kFutureOption;
    }
};

// One row of a statement as read: a broker's trade to map, a transaction already in the
// tracker's terms (its own spreadsheet export), or a row left out with its reason.
struct StatementRow {
    enum class Status { kTrade, kTransaction, kSkipped, kRefused };

    int row = 0;  // the file's row number, counted from 1
    Status status = Status::kTrade;
    std::string reason;  // why a row is skipped or refused
    BrokerTrade trade;   // for kTrade
    Tran tran;           // for kTransaction
};

}  // namespace qx

#endif  // QX_STATEMENT_BROKER_TRADE_H
