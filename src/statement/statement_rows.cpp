// What the readers share: building rows, reading an option series from its columns, and
// the words and codes brokers use for the effect of a trade.

#include <algorithm>
#include <cctype>

#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "statement/statement_text.h"

namespace qx {

namespace {

std::string Normalised(std::string_view text) {
    std::string word = Trim(text);
    for (char& c : word) {
        c = c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return word;
}

}  // namespace

std::string WithoutFutureMark(const std::string& symbol) {
    const std::size_t start = symbol.find_first_not_of("./");
    return start == std::string::npos ? "" : symbol.substr(start);
}

StatementRow TradeRow(int row, const BrokerTrade& trade) {
    StatementRow result;
    result.row = row;
    result.trade = trade;
    return result;
}

StatementRow SkippedRow(int row, const std::string& reason) {
    StatementRow result;
    result.row = row;
    result.status = StatementRow::Status::kSkipped;
    result.reason = reason;
    return result;
}

StatementRow RefusedRow(int row, const std::string& reason) {
    StatementRow result = SkippedRow(row, reason);
    result.status = StatementRow::Status::kRefused;
    return result;
}

StatementRow DividendRow(int row, const std::string& symbol, const std::string& date,
                         const std::string& amount) {
    BrokerTrade trade;
    trade.instrument = Instrument::kDividend;
    trade.symbol = symbol;
    if (!ReadStatementDate(date, trade.date))
        return RefusedRow(row, "\"" + date + "\" is not a date.");
    if (!ReadAmount(amount, trade.price))
        return RefusedRow(row, "\"" + amount + "\" is not an amount.");
    return TradeRow(row, trade);
}

bool SetOptionSeries(BrokerTrade& trade, const std::string& root, const std::string& expiration,
                     const std::string& strike, const std::string& type) {
    const std::string word = Normalised(type);
    trade.optionType = word == "c" || word == "call"  ? OptionType::kCall
                       : word == "p" || word == "put" ? OptionType::kPut
                                                      : OptionType::kNone;
    trade.symbol = WithoutFutureMark(root);
    return !trade.symbol.empty() && trade.optionType != OptionType::kNone &&
           ReadAmount(strike, trade.strike) && trade.strike > 0 &&
           ReadStatementDate(expiration, trade.expiration);
}

TradeEffect EffectOfCodes(std::string_view codes) {
    TradeEffect effect = TradeEffect::kUnknown;
    std::size_t start = 0;
    while (start <= codes.size()) {
        const std::size_t end = std::min(codes.find(';', start), codes.size());
        const std::string code = Trim(codes.substr(start, end - start));
        if (code == "Ep") return TradeEffect::kExpiry;
        if (code == "A") effect = TradeEffect::kAssignment;
        if (code == "Ex" && effect != TradeEffect::kAssignment) effect = TradeEffect::kExercise;
        if ((code == "O" || code == "C") && effect == TradeEffect::kUnknown)
            effect = code == "O" ? TradeEffect::kOpen : TradeEffect::kClose;
        start = end + 1;
    }
    return effect;
}

int SignOfAction(std::string_view action, TradeEffect& effect) {
    const std::string word = Normalised(action);
    const bool buy = word.rfind("buy", 0) == 0, sell = word.rfind("sell", 0) == 0;
    if (!buy && !sell) return 0;
    const std::size_t to = word.find(" to ");
    const std::string rest = to == std::string::npos ? "" : word.substr(to + 4);
    effect = rest == "open"    ? TradeEffect::kOpen
             : rest == "close" ? TradeEffect::kClose
                               : TradeEffect::kUnknown;
    return buy ? 1 : -1;
}

}  // namespace qx
