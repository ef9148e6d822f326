#include "journal/results_csv.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "journal/journal_results.h"

namespace qx {

namespace {

std::string CentsText(Cents cents) {
    const Cents whole = std::llabs(cents) / 100, part = std::llabs(cents) % 100;
    return (cents < 0 ? "-" : "") + std::to_string(whole) + (part < 10 ? ".0" : ".") +
           std::to_string(part);
}

std::string Fixed(double x, int decimals) {
    char buffer[64];
    const auto written =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::fixed, decimals);
    std::string text(buffer, written.ptr);
    return text == "-0.00" ? "0.00" : text;
}

std::string Quoted(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) quoted += c == '"' ? "\"\"" : std::string(1, c);
    return quoted + "\"";
}

void Row(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out += ',';
        out += Quoted(field);
        first = false;
    }
    out += "\r\n";
}

std::string MonthText(const MonthResult& month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", month.year, month.month);
    return text;
}

}  // namespace

std::string WriteResultsCsv(const JournalResults& results) {
    std::string out;
    Row(out, {"Entry", "Realised"});
    for (const SeriesResult& series : results.series)
        Row(out, {series.name, CentsText(series.realised)});
    Row(out, {"Total", CentsText(results.total)});
    out += "\r\n";
    Row(out, {"Month", "Realised"});
    for (const MonthResult& month : results.months)
        Row(out, {MonthText(month), CentsText(month.realised)});
    Row(out, {"Total", CentsText(results.total)});
    out += "\r\n";
    Row(out, {"Trades", "Value"});
    Row(out, {"Closed Trades", std::to_string(results.closedTrades)});
    Row(out, {"Win Rate", Fixed(100 * results.WinRate(), 1) + "%"});
    Row(out, {"Average Win", Fixed(results.AverageWin(), 2)});
    Row(out, {"Average Loss", Fixed(results.AverageLoss(), 2)});
    Row(out, {"Profit Factor", results.ProfitFactor() < 0 ? "" : Fixed(results.ProfitFactor(), 2)});
    Row(out, {"Largest Win", CentsText(results.largestWin)});
    Row(out, {"Largest Loss", CentsText(results.largestLoss)});
    out += "\r\n";
    Row(out, {"Open Position", "Units", "Cost", "Value", "Unrealised"});
    for (const OpenResult& open : results.open)
        Row(out, {open.name, std::to_string(open.units), Fixed(open.cost, 2),
                  open.valued ? Fixed(open.value, 2) : "",
                  open.valued ? Fixed(open.Unrealised(), 2) : ""});
    return out;
}

}  // namespace qx
