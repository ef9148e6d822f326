// The broker's transactions export: a title line, one header row, the rows newest
// first, and a totals row at the end. Options are written "AAPL 08/15/2026 210.00 P"
// and quantities carry no sign: the action tells the side. A future's symbol starts
// with "/" ("/ESH26", and "/ES 03/20/2026 6000.00 C" for its option); contract sizes
// come from the amount.

#include <cmath>
#include <sstream>

#include "statement/contract_sizes.h"
#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "statement/statement_text.h"

namespace qx {

namespace {

bool ReadOptionSymbol(const std::string& symbol, BrokerTrade& trade) {
    std::istringstream words(symbol);
    std::string root, date, strike, right, extra;
    if (!(words >> root >> date >> strike >> right) || (words >> extra)) return false;
    return SetOptionSeries(trade, root, date, strike, right);
}

// The effect of the actions that are not a buy or a sale; false for a foreign action.
bool SetEventEffect(const std::string& action, BrokerTrade& trade) {
    if (action == "Expired")
        trade.effect = TradeEffect::kExpiry;
    else if (action == "Assigned")
        trade.effect = TradeEffect::kAssignment;
    else if (action == "Exchange or Exercise")
        trade.effect = TradeEffect::kExercise;
    else
        return false;
    return true;
}

// The row's value without its fees: the amount is what was paid (with the fees) or
// received (less the fees).
double NotionalOf(const BrokerTrade& trade) {
    return std::fabs(trade.cash) + (trade.quantity > 0 ? -trade.fees : trade.fees);
}

StatementRow ReadRow(const StatementColumns& columns, const std::vector<std::string>& fields,
                     int row, ContractSizes& sizes) {
    const std::string action = columns.Get(fields, "Action");
    std::string symbol = columns.Get(fields, "Symbol");
    BrokerTrade trade;
    if (!ReadStatementDate(columns.Get(fields, "Date"), trade.date))
        return RefusedRow(row, "\"" + columns.Get(fields, "Date") + "\" is not a date.");
    ReadAmount(columns.Get(fields, "Amount"), trade.cash);
    if (action.find("Div") != std::string::npos) {
        trade.instrument = Instrument::kDividend;
        trade.symbol = symbol;
        trade.price = trade.cash;
        return TradeRow(row, trade);
    }
    const int sign = SignOfAction(action, trade.effect);
    if (sign == 0 && !SetEventEffect(action, trade))
        return SkippedRow(row, "Not a trade (" + action + ").");
    std::int64_t quantity = 0;
    if (!ReadCount(columns.Get(fields, "Quantity"), quantity) || quantity == 0)
        return RefusedRow(row, "\"" + columns.Get(fields, "Quantity") + "\" is not a quantity.");
    trade.units = std::llabs(quantity);
    trade.quantity = sign * trade.units;
    ReadAmount(columns.Get(fields, "Price"), trade.price);
    trade.price = std::fabs(trade.price);
    ReadAmount(columns.Get(fields, "Fees & Comm"), trade.fees);
    trade.fees = std::fabs(trade.fees);
    const bool future = !symbol.empty() && symbol[0] == '/';
    const bool option = symbol.find(' ') != std::string::npos;
    trade.instrument = option ? (future ? Instrument::kFutureOption : Instrument::kOption)
                              : (future ? Instrument::kFuture : Instrument::kStock);
    if (!sizes.Find(symbol, NotionalOf(trade), trade))
        return RefusedRow(row, "The contract size of " + symbol + " cannot be told from the row.");
    symbol = WithoutFutureMark(symbol);
    if (!option) {
        trade.symbol = symbol;
        return TradeRow(row, trade);
    }
    if (!ReadOptionSymbol(symbol, trade))
        return RefusedRow(row, "\"" + symbol + "\" is not an option symbol.");
    return TradeRow(row, trade);
}

}  // namespace

StatementRead ReadSchwab(const StatementTable& table) {
    StatementRead read;
    read.format = "Transactions export";
    read.newestFirst = true;
    const int header = table.FindHeader(
        {"Date", "Action", "Symbol", "Quantity", "Price", "Fees & Comm", "Amount"});
    const StatementColumns columns(table.Fields(header));
    ContractSizes sizes;
    for (int index = header + 1; index < table.Size(); ++index) {
        const std::vector<std::string>& fields = table.Fields(index);
        // Blank lines, a line of text and the totals row carry no trade.
        if (IsBlankRecord(fields) || fields.size() == 1) continue;
        if (Trim(fields[0]).rfind("Transactions Total", 0) == 0) continue;
        read.rows.push_back(ReadRow(columns, fields, table.RowNumber(index), sizes));
    }
    return read;
}

}  // namespace qx
