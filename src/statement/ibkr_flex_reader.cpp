// The broker's query export: named columns in any subset and order, a header row for
// each section (trades, cash transactions), repeated per account.

#include <cmath>
#include <optional>

#include "statement/occ_symbol.h"
#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "statement/statement_text.h"

namespace qx {

namespace {

bool IsTradeHeader(const StatementColumns& columns) {
    return columns.Has("Symbol") && columns.Has("Quantity") &&
           (columns.Has("TradePrice") || columns.Has("Buy/Sell"));
}

bool IsCashHeader(const StatementColumns& columns) {
    return columns.Has("Type") && columns.Has("Amount") && !columns.Has("Quantity");
}

// "BOF", "BOA", "BOS", "EOS", "EOA", "EOF": where a file, an account or a section begins
// or ends in a file with more than one section.
bool IsSectionMarker(const std::string& field) {
    const std::string marker = Trim(field);
    return marker.size() == 3 && (marker[0] == 'B' || marker[0] == 'E') && marker[1] == 'O' &&
           (marker[2] == 'F' || marker[2] == 'A' || marker[2] == 'S');
}

std::string DateField(const StatementColumns& columns, const std::vector<std::string>& fields) {
    return columns.GetAny(fields,
                          {"DateTime", "Date/Time", "TradeDate", "SettleDate", "ReportDate"});
}

bool ReadSeries(const StatementColumns& columns, const std::vector<std::string>& fields,
                BrokerTrade& trade) {
    const std::string symbol = columns.Get(fields, "Symbol");
    if (columns.Has("Strike") && columns.Has("Expiry") && columns.Has("Put/Call")) {
        std::string root = columns.Get(fields, "UnderlyingSymbol");
        OccSymbol occ;
        if (root.empty()) root = ParseOccSymbol(symbol, occ) ? occ.root : symbol;
        return SetOptionSeries(trade, root, columns.Get(fields, "Expiry"),
                               columns.Get(fields, "Strike"), columns.Get(fields, "Put/Call"));
    }
    OccSymbol occ;
    if (!ParseOccSymbol(symbol, occ)) return false;
    trade.symbol = occ.root;
    trade.expiration = occ.expiration;
    trade.optionType = occ.optionType;
    trade.strike = occ.strike;
    return true;
}

std::optional<Instrument> InstrumentOf(const std::string& assetClass) {
    if (assetClass == "STK") return Instrument::kStock;
    if (assetClass == "OPT") return Instrument::kOption;
    if (assetClass == "FUT") return Instrument::kFuture;
    if (assetClass == "FOP") return Instrument::kFutureOption;
    return std::nullopt;
}

StatementRow ReadTrade(const StatementColumns& columns, const std::vector<std::string>& fields,
                       int row) {
    const std::string assetClass = columns.Get(fields, "AssetClass");
    if (assetClass == "CASH") return SkippedRow(row, "A currency exchange, not a trade.");
    const std::optional<Instrument> instrument = InstrumentOf(assetClass);
    if (!instrument) return RefusedRow(row, "The tracker keeps no trades in " + assetClass + ".");
    BrokerTrade trade;
    trade.instrument = *instrument;
    const std::string date = DateField(columns, fields);
    if (!ReadStatementDate(date, trade.date))
        return RefusedRow(row, "\"" + date + "\" is not a date.");
    if (!ReadCount(columns.Get(fields, "Quantity"), trade.quantity) || trade.quantity == 0)
        return RefusedRow(row, "\"" + columns.Get(fields, "Quantity") + "\" is not a quantity.");
    trade.units = std::llabs(trade.quantity);
    trade.id = columns.Get(fields, "TransactionID");
    TradeEffect ignored;
    const int sign = SignOfAction(columns.Get(fields, "Buy/Sell"), ignored);
    if (sign != 0) trade.quantity = sign * trade.units;
    if (!ReadAmount(columns.Get(fields, "TradePrice"), trade.price))
        return RefusedRow(row, "\"" + columns.Get(fields, "TradePrice") + "\" is not a price.");
    trade.price = std::fabs(trade.price);
    double commission = 0;
    ReadAmount(columns.Get(fields, "IBCommission"), commission);
    trade.fees = std::fabs(commission);
    ReadAmount(columns.Get(fields, "Proceeds"), trade.cash);
    std::int64_t multiplier = trade.instrument == Instrument::kStock ? 1 : 0;
    if (columns.Has("Multiplier") && !ReadCount(columns.Get(fields, "Multiplier"), multiplier))
        return RefusedRow(row,
                          "\"" + columns.Get(fields, "Multiplier") + "\" is not a multiplier.");
    if (multiplier < 1 || multiplier > 1000000)
        return RefusedRow(row, "The row gives no contract size.");
    trade.multiplier = static_cast<int>(multiplier);
    trade.effect = EffectOfCodes(columns.Get(fields, "Notes/Codes"));
    if (trade.effect == TradeEffect::kUnknown)
        trade.effect = EffectOfCodes(columns.Get(fields, "Open/CloseIndicator"));
    if (trade.IsOption()) {
        if (!ReadSeries(columns, fields, trade))
            return RefusedRow(row, "The option series of the row does not read.");
    } else {
        trade.symbol = columns.Get(fields, "Symbol");
        if (trade.effect == TradeEffect::kAssignment || trade.effect == TradeEffect::kExercise)
            trade.effect = TradeEffect::kDelivery;
    }
    return TradeRow(row, trade);
}

StatementRow ReadCash(const StatementColumns& columns, const std::vector<std::string>& fields,
                      int row) {
    const std::string type = columns.Get(fields, "Type");
    if (type.find("Dividend") == std::string::npos)
        return SkippedRow(row, "Not a trade (" + type + ").");
    StatementRow dividend = DividendRow(row, columns.Get(fields, "Symbol"),
                                        DateField(columns, fields), columns.Get(fields, "Amount"));
    dividend.trade.id = columns.Get(fields, "TransactionID");
    return dividend;
}

}  // namespace

StatementRead ReadIbkrFlex(const StatementTable& table) {
    StatementRead read;
    read.format = "Flex query";
    std::optional<StatementColumns> columns;
    bool trades = false;
    for (int index = 0; index < table.Size(); ++index) {
        const std::vector<std::string>& fields = table.Fields(index);
        // Blank lines, a line of text (a disclaimer) and the section markers carry no row.
        if (IsBlankRecord(fields) || fields.size() == 1 || IsSectionMarker(fields[0])) continue;
        const StatementColumns header(fields);
        if (IsTradeHeader(header) || IsCashHeader(header)) {
            trades = IsTradeHeader(header);
            columns = header;
            continue;
        }
        if (!columns) continue;  // lines above the first header
        const int row = table.RowNumber(index);
        if (static_cast<int>(fields.size()) != columns->Width()) {
            read.rows.push_back(RefusedRow(row, "The row has " + std::to_string(fields.size()) +
                                                    " fields where its header has " +
                                                    std::to_string(columns->Width()) + "."));
            continue;
        }
        read.rows.push_back(trades ? ReadTrade(*columns, fields, row)
                                   : ReadCash(*columns, fields, row));
    }
    return read;
}

}  // namespace qx
