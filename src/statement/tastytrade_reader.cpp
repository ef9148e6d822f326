// The broker's transaction history, in its current layout (Type, Sub Type, Action,
// Instrument Type, the series in columns of its own) and the older one (Transaction
// Code and Subcode, Buy/Sell, Open/Close). Option symbols are in the clearing house's
// form; quantities carry no sign.

#include <cmath>
#include <optional>

#include "statement/contract_sizes.h"
#include "statement/occ_symbol.h"
#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "statement/statement_text.h"

namespace qx {

namespace {

// The column names of one layout.
struct Layout {
    const char* date;
    const char* type;
    const char* subType;
    const char* price;
    const char* cash;
    bool current;
};

constexpr Layout kCurrent = {"Date", "Type", "Sub Type", "Average Price", "Value", true};
constexpr Layout kOlder = {"Date/Time", "Transaction Code", "Transaction Subcode",
                           "Price",     "Amount",           false};

std::optional<Instrument> InstrumentOf(const std::string& type) {
    if (type == "Equity") return Instrument::kStock;
    if (type == "Equity Option" || type == "Index Option") return Instrument::kOption;
    if (type == "Future") return Instrument::kFuture;
    if (type == "Future Option") return Instrument::kFutureOption;
    return std::nullopt;
}

// The instrument of an older row, told by its symbol: a future's starts with "/", its
// option's with "./".
Instrument OlderInstrumentOf(const std::string& symbol) {
    OccSymbol occ;
    if (ParseOccSymbol(symbol, occ)) return Instrument::kOption;
    if (symbol.rfind("./", 0) == 0) return Instrument::kFutureOption;
    return symbol.rfind('/', 0) == 0 ? Instrument::kFuture : Instrument::kStock;
}

bool ReadSeries(const StatementColumns& columns, const std::vector<std::string>& fields,
                const Layout& layout, BrokerTrade& trade) {
    const std::string symbol = columns.Get(fields, "Symbol");
    OccSymbol occ;
    const bool occForm = ParseOccSymbol(symbol, occ);
    std::string root =
        layout.current ? columns.GetAny(fields, {"Root Symbol", "Underlying Symbol"}) : "";
    if (root.empty()) root = occForm ? occ.root : symbol.substr(0, symbol.find(' '));
    const std::string strike = columns.Get(fields, layout.current ? "Strike Price" : "Strike");
    const std::string right = columns.Get(fields, layout.current ? "Call or Put" : "Call/Put");
    if (SetOptionSeries(trade, root, columns.Get(fields, "Expiration Date"), strike, right))
        return true;
    if (!occForm) return false;
    trade.symbol = occ.root;
    trade.expiration = occ.expiration;
    trade.optionType = occ.optionType;
    trade.strike = occ.strike;
    return true;
}

// The effect and side of a row: from Action (current) or Buy/Sell and Open/Close
// (older), and from the sub type for expiries, assignments and exercises.
void ReadEffect(const StatementColumns& columns, const std::vector<std::string>& fields,
                const Layout& layout, const std::string& type, const std::string& subType,
                BrokerTrade& trade) {
    int sign = 0;
    if (layout.current) {
        sign = SignOfAction(columns.Get(fields, "Action"), trade.effect);
    } else {
        sign = SignOfAction(columns.Get(fields, "Buy/Sell"), trade.effect);
        trade.effect = EffectOfCodes(columns.Get(fields, "Open/Close").substr(0, 1));
    }
    if (sign == 0) sign = SignOfAction(subType, trade.effect);
    trade.quantity = sign * trade.units;
    if (subType.find("Expiration") != std::string::npos)
        trade.effect = TradeEffect::kExpiry;
    else if (subType.find("Assignment") != std::string::npos)
        trade.effect = TradeEffect::kAssignment;
    else if (subType.find("Exercise") != std::string::npos)
        trade.effect = TradeEffect::kExercise;
    // Underlying units that arrive or leave outside a trade come with an exercise.
    if (type == "Receive Deliver" && !trade.IsOption() && trade.effect != TradeEffect::kExpiry)
        trade.effect = TradeEffect::kDelivery;
}

StatementRow ReadRow(const StatementColumns& columns, const std::vector<std::string>& fields,
                     int row, const Layout& layout, ContractSizes& sizes) {
    const std::string type = columns.Get(fields, layout.type);
    const std::string subType = columns.Get(fields, layout.subType);
    const std::string symbol = columns.Get(fields, "Symbol");
    BrokerTrade trade;
    if (!ReadStatementDate(columns.Get(fields, layout.date), trade.date))
        return RefusedRow(row, "\"" + columns.Get(fields, layout.date) + "\" is not a date.");
    ReadAmount(columns.Get(fields, layout.cash), trade.cash);
    if (type == "Money Movement") {
        if (subType != "Dividend") return SkippedRow(row, "Not a trade (" + subType + ").");
        trade.instrument = Instrument::kDividend;
        trade.symbol = symbol;
        trade.price = trade.cash;
        return TradeRow(row, trade);
    }
    if (type != "Trade" && type != "Receive Deliver")
        return SkippedRow(row, "Not a trade (" + type + ").");
    const std::string instrument = columns.Get(fields, "Instrument Type");
    const std::optional<Instrument> kind =
        layout.current ? InstrumentOf(instrument) : OlderInstrumentOf(symbol);
    if (!kind) return RefusedRow(row, "The tracker keeps no trades in " + instrument + ".");
    trade.instrument = *kind;
    std::int64_t quantity = 0;
    if (!ReadCount(columns.Get(fields, "Quantity"), quantity) || quantity == 0)
        return RefusedRow(row, "\"" + columns.Get(fields, "Quantity") + "\" is not a quantity.");
    trade.units = std::llabs(quantity);
    ReadAmount(columns.Get(fields, layout.price), trade.price);
    trade.price = std::fabs(trade.price);
    double commissions = 0, fees = 0;
    ReadAmount(columns.Get(fields, "Commissions"), commissions);
    ReadAmount(columns.Get(fields, "Fees"), fees);
    trade.fees = std::fabs(commissions) + std::fabs(fees);
    // The current layout gives the contract size; the older one is told by the amount.
    std::int64_t multiplier = 0;
    if (layout.current) {
        if (!ReadCount(columns.Get(fields, "Multiplier"), multiplier) || multiplier < 1 ||
            multiplier > 1000000)
            return RefusedRow(row, "The row gives no contract size.");
        trade.multiplier = static_cast<int>(multiplier);
    } else if (!sizes.Find(symbol, trade.cash, trade)) {
        return RefusedRow(row, "The contract size of " + symbol + " cannot be told from the row.");
    }
    if (trade.IsOption()) {
        if (!ReadSeries(columns, fields, layout, trade))
            return RefusedRow(row, "The option series of \"" + symbol + "\" does not read.");
    } else {
        trade.symbol = WithoutFutureMark(symbol);
    }
    ReadEffect(columns, fields, layout, type, subType, trade);
    return TradeRow(row, trade);
}

}  // namespace

StatementRead ReadTastytrade(const StatementTable& table) {
    StatementRead read;
    read.format = "Transaction history";
    read.newestFirst = true;
    int header = table.FindHeader({"Date", "Type", "Sub Type", "Action", "Symbol"});
    const Layout& layout = header >= 0 ? kCurrent : kOlder;
    if (header < 0)
        header = table.FindHeader({"Date/Time", "Transaction Code", "Transaction Subcode"});
    const StatementColumns columns(table.Fields(header));
    ContractSizes sizes;
    for (int index = header + 1; index < table.Size(); ++index) {
        const std::vector<std::string>& fields = table.Fields(index);
        if (IsBlankRecord(fields) || fields.size() == 1) continue;
        read.rows.push_back(ReadRow(columns, fields, table.RowNumber(index), layout, sizes));
    }
    return read;
}

}  // namespace qx
