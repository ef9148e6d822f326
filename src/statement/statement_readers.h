#ifndef QX_STATEMENT_STATEMENT_READERS_H
#define QX_STATEMENT_STATEMENT_READERS_H

#include <string>
#include <string_view>
#include <vector>

#include "statement/broker_trade.h"

namespace qx {

class StatementTable;

// The rows of a statement file, or why the file as a whole cannot be read.
struct StatementRead {
    std::string format;  // the layout recognised, for the preview's title
    std::string error;   // empty when the file was read
    // Whether the layout lists the newest rows first, which decides the order of a day's
    // rows when the file gives no times.
    bool newestFirst = false;
    std::vector<StatementRow> rows;
};

// One reader per layout. Each finds its header rows by the column names, skips title
// lines, totals and disclaimers, and maps columns by name, never by position.
StatementRead ReadIbkrActivity(const StatementTable& table);
StatementRead ReadIbkrFlex(const StatementTable& table);
StatementRead ReadSchwab(const StatementTable& table);
StatementRead ReadTastytrade(const StatementTable& table);

// Detects the layout of text and reads it with its reader.
StatementRead ReadStatement(std::string_view text);

// Row builders shared by the readers.
StatementRow TradeRow(int row, const BrokerTrade& trade);
StatementRow SkippedRow(int row, const std::string& reason);
StatementRow RefusedRow(int row, const std::string& reason);
// A dividend of the symbol from its date and amount texts, or the row refused.
StatementRow DividendRow(int row, const std::string& symbol, const std::string& date,
                         const std::string& amount);

// Fills the option series of trade from its columns: root, expiration (any date form
// ReadStatementDate takes), strike and type ("C", "P", "Call", "PUT"); false when one
// does not read.
bool SetOptionSeries(BrokerTrade& trade, const std::string& root, const std::string& expiration,
                     const std::string& strike, const std::string& type);

// A symbol without the "/" or "./" some layouts put before a future and its options.
std::string WithoutFutureMark(const std::string& symbol);

// The effect the broker's trade codes give ("O", "C", "A", "Ex", "Ep", separated by
// ";"); an expiry, assignment or exercise outranks an open or close.
TradeEffect EffectOfCodes(std::string_view codes);

// The effect of an action in words ("Buy to Open", "SELL_TO_CLOSE", "Buy") and the sign
// it gives the quantity: +1 for a purchase, -1 for a sale, 0 when not a trade action.
int SignOfAction(std::string_view action, TradeEffect& effect);

}  // namespace qx

#endif  // QX_STATEMENT_STATEMENT_READERS_H
