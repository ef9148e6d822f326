#include "statement/occ_symbol.h"

#include <algorithm>

#include "statement/statement_table.h"

namespace qx {

namespace {

// Date, type and strike: "YYMMDD" "C" "00260000".
constexpr std::size_t kSeriesLength = 15;
constexpr std::size_t kMaxRootLength = 6;

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

bool ParseOccSymbol(std::string_view text, OccSymbol& symbol) {
    std::string trimmed = Trim(text);
    if (!trimmed.empty() && trimmed.front() == '.') trimmed.erase(0, 1);
    if (trimmed.size() <= kSeriesLength) return false;
    const std::string_view series =
        std::string_view(trimmed).substr(trimmed.size() - kSeriesLength);
    const std::string root =
        Trim(std::string_view(trimmed).substr(0, trimmed.size() - kSeriesLength));
    if (root.empty() || root.size() > kMaxRootLength || root.find(' ') != std::string::npos)
        return false;
    const std::string_view date = series.substr(0, 6), strike = series.substr(7);
    const char type = series[6];
    if (!AllDigits(date) || !AllDigits(strike) || (type != 'C' && type != 'P')) return false;
    const int year = 2000 + Number(date.substr(0, 2)), month = Number(date.substr(2, 2)),
              day = Number(date.substr(4, 2));
    if (month < 1 || month > 12 || day < 1 || year > 2037) return false;
    const CTime expiration(year, month, day);
    if (expiration.GetDay() != day || Number(strike) == 0) return false;
    symbol.root = root;
    symbol.expiration = expiration;
    symbol.optionType = type == 'C' ? OptionType::kCall : OptionType::kPut;
    symbol.strike = Number(strike) / 1000.0;
    return true;
}

}  // namespace qx
