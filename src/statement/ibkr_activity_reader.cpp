// The broker's activity statement: many sections in one file, each row led by its
// section's name and "Header", "Data", "SubTotal" or "Total". Trades come from the
// Trades section and dividends from the Dividends section; the data rows of other
// sections that move cash are listed as skipped, the rest is statement information.

#include <cmath>
#include <map>
#include <sstream>

#include "statement/contract_sizes.h"
#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "statement/statement_text.h"

namespace qx {

namespace {

constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// "21JAN22" as the ISO date text SetOptionSeries reads.
std::string IsoDateOf(const std::string& dayMonthYear) {
    if (dayMonthYear.size() != 7) return "";
    for (int month = 0; month < 12; ++month) {
        if (dayMonthYear.compare(2, 3, kMonths[month]) != 0) continue;
        const std::string mm = (month < 9 ? "0" : "") + std::to_string(month + 1);
        return "20" + dayMonthYear.substr(5, 2) + "-" + mm + "-" + dayMonthYear.substr(0, 2);
    }
    return "";
}

// "AQN 21JAN22 15.0 C": root, expiration, strike, right.
bool ReadOptionSymbol(const std::string& symbol, BrokerTrade& trade) {
    std::istringstream words(symbol);
    std::string root, date, strike, right, extra;
    if (!(words >> root >> date >> strike >> right) || (words >> extra)) return false;
    return SetOptionSeries(trade, root, IsoDateOf(date), strike, right);
}

// "AAPL(US0378331005) Cash Dividend USD 0.26 per Share": the symbol before the number.
std::string SymbolOfDividend(const std::string& description) {
    return Trim(description.substr(0, description.find('(')));
}

StatementRow ReadTrade(const StatementColumns& columns, const std::vector<std::string>& fields,
                       int row, ContractSizes& sizes) {
    const std::string category = columns.Get(fields, "Asset Category");
    const std::string symbol = columns.Get(fields, "Symbol");
    BrokerTrade trade;
    if (category == "Stocks")
        trade.instrument = Instrument::kStock;
    else if (category == "Equity and Index Options")
        trade.instrument = Instrument::kOption;
    else if (category == "Futures")
        trade.instrument = Instrument::kFuture;
    else if (category == "Options On Futures")
        trade.instrument = Instrument::kFutureOption;
    else if (category == "Forex")
        return SkippedRow(row, "A currency exchange, not a trade.");
    else
        return RefusedRow(row, "The tracker keeps no trades in " + category + ".");

    if (!ReadStatementDate(columns.Get(fields, "Date/Time"), trade.date))
        return RefusedRow(row, "\"" + columns.Get(fields, "Date/Time") + "\" is not a date.");
    if (!ReadCount(columns.Get(fields, "Quantity"), trade.quantity) || trade.quantity == 0)
        return RefusedRow(row, "\"" + columns.Get(fields, "Quantity") + "\" is not a quantity.");
    trade.units = std::llabs(trade.quantity);
    double fees = 0;
    if (!ReadAmount(columns.Get(fields, "T. Price"), trade.price) || trade.price < 0)
        return RefusedRow(row, "\"" + columns.Get(fields, "T. Price") + "\" is not a price.");
    ReadAmount(columns.Get(fields, "Comm/Fee"), fees);
    trade.fees = std::fabs(fees);
    ReadAmount(columns.Get(fields, "Proceeds"), trade.cash);
    trade.effect = EffectOfCodes(columns.Get(fields, "Code"));
    if (trade.IsOption()) {
        if (!ReadOptionSymbol(symbol, trade))
            return RefusedRow(row, "\"" + symbol + "\" is not an option symbol.");
    } else {
        trade.symbol = symbol;
        if (trade.effect == TradeEffect::kAssignment || trade.effect == TradeEffect::kExercise)
            trade.effect = TradeEffect::kDelivery;
    }
    if (!sizes.Find(symbol, trade.cash, trade))
        return RefusedRow(row, "The contract size of " + symbol + " cannot be told from the row.");
    return TradeRow(row, trade);
}

}  // namespace

StatementRead ReadIbkrActivity(const StatementTable& table) {
    StatementRead read;
    read.format = "Activity statement";
    std::map<std::string, StatementColumns> headers;
    ContractSizes sizes;
    for (int index = 0; index < table.Size(); ++index) {
        const std::vector<std::string>& fields = table.Fields(index);
        if (fields.size() < 2) continue;
        const std::string section = Trim(fields[0]), kind = Trim(fields[1]);
        if (kind == "Header") {
            headers.insert_or_assign(section, StatementColumns(fields));
            continue;
        }
        const auto header = headers.find(section);
        if (kind != "Data" || header == headers.end()) continue;
        const StatementColumns& columns = header->second;
        const int row = table.RowNumber(index);
        if (section == "Trades") {
            const std::string discriminator = columns.Get(fields, "DataDiscriminator");
            if (discriminator.empty() || discriminator == "Order" || discriminator == "Trade")
                read.rows.push_back(ReadTrade(columns, fields, row, sizes));
        } else if (section == "Dividends") {
            // The section's totals stand in the currency column.
            if (columns.Get(fields, "Currency").rfind("Total", 0) != 0)
                read.rows.push_back(
                    DividendRow(row, SymbolOfDividend(columns.Get(fields, "Description")),
                                columns.Get(fields, "Date"), columns.Get(fields, "Amount")));
        } else if (columns.Has("Amount") &&
                   columns.Get(fields, "Currency").rfind("Total", 0) != 0) {
            read.rows.push_back(SkippedRow(row, "Not a trade (" + section + ")."));
        }
    }
    return read;
}

}  // namespace qx
