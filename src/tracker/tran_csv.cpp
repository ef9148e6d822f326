#include "tracker/tran_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <map>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/outcome.h"
#include "platform/text_encoding.h"
#include "pricing/number_text.h"
#include "tracker/csv_records.h"

namespace qx {

namespace {

enum Column : int {
    kDateColumn,
    kEntryColumn,
    kKindColumn,
    kAssetColumn,
    kActionColumn,
    kSideColumn,
    kUnitsColumn,
    kUnitsPerContractColumn,
    kTypeColumn,
    kStrikeColumn,
    kExpirationColumn,
    kPriceColumn,
    kFeesColumn,
    kAmountColumn,
    kTotalColumn,
    kBalanceColumn,
    kColumnCount
};

// The columns an import reads: every one before the three the book recomputes.
constexpr int kReadColumns = kAmountColumn;

constexpr const char* kHeaders[kColumnCount] = {
    "Date", "Entry",  "Kind",       "Asset", "Action", "Side",   "Units", "Units per Contract",
    "Type", "Strike", "Expiration", "Price", "Fees",   "Amount", "Total", "Cash Balance"};

// The words of the coded fields, by the value the record holds.
constexpr const char* kKindNames[] = {"", "Underlying", "Option", "Dividend"};
constexpr const char* kAssetNames[] = {"", "Stock", "Index", "Future"};
constexpr const char* kActionNames[] = {"", "Open", "Close", "Exercise"};
constexpr const char* kSideNames[] = {"", "Buy", "Sell"};
constexpr const char* kTypeNames[] = {"", "Call", "Put"};

constexpr const char* kDateTimeFormat = "%Y-%m-%d %H:%M:%S";

template <std::size_t n>
std::string NameOf(const char* const (&names)[n], int value) {
    return value >= 0 && value < static_cast<int>(n) ? names[value] : "";
}

// The shortest text that reads back to x; "0" for either zero.
std::string ShortestText(double x) {
    if (x == 0) return "0";
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), x);
    return std::string(buffer, written.ptr);
}

std::string DateTimeText(CTime time) { return time == CTime() ? "" : time.Format(kDateTimeFormat); }

void AppendRow(std::string& out, const std::array<std::string, kColumnCount>& fields) {
    for (int column = 0; column < kColumnCount; ++column) {
        if (column > 0) out += ',';
        const std::string& field = fields[column];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

std::string Trimmed(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameWord(const std::string& a, const char* b) {
    const std::string_view w(b);
    return a.size() == w.size() && std::equal(a.begin(), a.end(), w.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Whole-text number readers; a sign, spaces inside or anything after the number fail.
template <typename T>
bool ReadNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    return read.ec == std::errc() && read.ptr == end;
}

bool ReadDouble(const std::string& text, double& value) {
    return ReadNumber(text, value) && std::isfinite(value);
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "YYYY-MM-DD", optionally followed by " HH:MM" or " HH:MM:SS" (or a "T" for the
// space), as a local time; a year a document cannot store is refused.
bool ReadDateTime(const std::string& text, CTime& time) {
    const std::size_t size = text.size();
    if (size != 10 && size != 16 && size != 19) return false;
    int field[6] = {0, 0, 0, 0, 0, 0};
    const std::size_t starts[] = {0, 5, 8, 11, 14, 17};
    const std::size_t lengths[] = {4, 2, 2, 2, 2, 2};
    const char separators[] = {'-', '-', ' ', ':', ':'};
    for (int i = 0; i < 6 && starts[i] < size; ++i) {
        if (i > 0) {
            const char separator = text[starts[i] - 1];
            if (separator != separators[i - 1] && !(i == 3 && separator == 'T')) return false;
        }
        const std::string digits = text.substr(starts[i], lengths[i]);
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        ReadNumber(digits, field[i]);
    }
    const int year = field[0], month = field[1], day = field[2];
    if (year < 1970 || year > 2037 || month < 1 || month > 12) return false;
    if (day < 1 || day > DaysInMonth(year, month)) return false;
    if (field[3] > 23 || field[4] > 59 || field[5] > 59) return false;
    time = CTime(year, month, day, field[3], field[4], field[5]);
    return true;
}

// The value whose word text is (any case), or -1.
template <std::size_t n>
int ChoiceOf(const char* const (&names)[n], const std::string& text) {
    for (std::size_t value = 1; value < n; ++value)
        if (SameWord(text, names[value])) return static_cast<int>(value);
    return -1;
}

template <std::size_t n>
int SetChoice(Tran& tran, int (Tran::*set)(int), const char* const (&names)[n],
              const std::string& text) {
    const int value = ChoiceOf(names, text);
    return value > 0 ? (tran.*set)(value) : -1;
}

int SetInteger(Tran& tran, int (Tran::*set)(int), const std::string& text) {
    int value = 0;
    return ReadNumber(text, value) ? (tran.*set)(value) : -1;
}

int SetDouble(Tran& tran, int (Tran::*set)(double), const std::string& text) {
    double value = 0;
    return ReadDouble(text, value) ? (tran.*set)(value) : -1;
}

int SetDateTime(Tran& tran, int (Tran::*set)(CTime), const std::string& text) {
    CTime time;
    return ReadDateTime(text, time) ? (tran.*set)(time) : -1;
}

// How one column reaches the record: 0 when the text was read and its setter accepted
// it. An empty field leaves the record's default unless the column is required.
struct FieldRule {
    bool required;
    int (*set)(Tran& tran, const std::string& text);
};

// In column order, which is also an order the setters allow: the side re-signs the
// units whichever of the two comes first.
const FieldRule kFieldRules[kReadColumns] = {
    {true, [](Tran& t, const std::string& s) { return SetDateTime(t, &Tran::SetDate, s); }},
    {false, [](Tran& t, const std::string& s) { return t.SetName(s); }},
    {true,
     [](Tran& t, const std::string& s) { return SetChoice(t, &Tran::SetKind, kKindNames, s); }},
    {false, [](Tran& t,
               const std::string& s) { return SetChoice(t, &Tran::SetAssetType, kAssetNames, s); }},
    {false,
     [](Tran& t, const std::string& s) { return SetChoice(t, &Tran::SetAction, kActionNames, s); }},
    {false,
     [](Tran& t, const std::string& s) { return SetChoice(t, &Tran::SetSide, kSideNames, s); }},
    {false, [](Tran& t, const std::string& s) { return SetInteger(t, &Tran::SetUnits, s); }},
    {false,
     [](Tran& t, const std::string& s) { return SetInteger(t, &Tran::SetUnitsPerContract, s); }},
    {false, [](Tran& t,
               const std::string& s) { return SetChoice(t, &Tran::SetOptionType, kTypeNames, s); }},
    {false, [](Tran& t, const std::string& s) { return SetDouble(t, &Tran::SetStrike, s); }},
    {false, [](Tran& t, const std::string& s) { return SetDateTime(t, &Tran::SetExpiration, s); }},
    {false, [](Tran& t, const std::string& s) { return SetDouble(t, &Tran::SetPrice, s); }},
    {false, [](Tran& t, const std::string& s) { return SetDouble(t, &Tran::SetFees, s); }},
};

// Where each read column stands in the file, found by its header name.
using ColumnPlaces = std::array<int, kReadColumns>;

// Finds the read columns in the header row; the refusal's text, or empty.
std::string FindColumns(const std::vector<std::string>& header, ColumnPlaces& places) {
    places.fill(-1);
    for (int at = 0; at < static_cast<int>(header.size()); ++at) {
        const std::string name = Trimmed(header[at]);
        for (int column = 0; column < kReadColumns; ++column) {
            if (!SameWord(name, kHeaders[column])) continue;
            if (places[column] >= 0)
                return std::string("The file has two \"") + kHeaders[column] + "\" columns.";
            places[column] = at;
        }
    }
    for (int column = 0; column < kReadColumns; ++column)
        if (places[column] < 0)
            return std::string("The file has no \"") + kHeaders[column] + "\" column.";
    return "";
}

// A transaction the tracker's form could have recorded: complete for its kind, and an
// option with its series.
// An option that expired worthless is closed at price 0, which the form cannot enter
// but the book holds.
bool IsRecordable(const Tran& tran) {
    const bool expired = tran.GetKind() == kOptionTran && tran.GetAction() == kClose &&
                         tran.GetPrice() == 0 && tran.GetUnits() != 0 && tran.GetSide() != 0;
    if (!tran.IsComplete() && !expired) return false;
    return tran.GetKind() != kOptionTran ||
           (tran.GetOptionType() > 0 && tran.GetStrike() > 0 && tran.GetExpiration() != CTime());
}

// Whether a spreadsheet would run the cell as a formula: it starts with one of the
// formula marks and is not a number.
bool LooksLikeFormula(const std::string& field) {
    double number = 0;
    return !field.empty() && std::string_view("=+-@").find(field[0]) != std::string_view::npos &&
           !ReadDouble(field, number);
}

// Reads one row into tran; the refusal's text, or empty.
std::string ReadRow(const std::vector<std::string>& fields, const ColumnPlaces& places,
                    Tran& tran) {
    for (int column = 0; column < kReadColumns; ++column) {
        std::string raw = fields[places[column]];
        // The apostrophe that kept a spreadsheet from running the cell is not part of it.
        if (raw.size() > 1 && raw[0] == '\'' && LooksLikeFormula(raw.substr(1))) raw.erase(0, 1);
        // Names keep their spaces; everything else is read without them.
        const std::string text = column == kEntryColumn ? raw : Trimmed(raw);
        if (text.empty() && !kFieldRules[column].required) continue;
        if (kFieldRules[column].set(tran, text) != 0)
            return "\"" + raw + "\" is not a valid " + kHeaders[column] + ".";
    }
    return IsRecordable(tran) ? "" : "The transaction is incomplete.";
}

// What makes two rows the same trade when a file is imported again.
using TradeKey = std::tuple<std::int64_t, std::string, int, int, int, int, double, double>;

TradeKey KeyOf(const Tran& t) {
    return {t.GetDate().GetTime(), t.Name(),           t.GetKind(),  t.GetAction(),
            t.GetSide(),           t.GetSignedUnits(), t.GetPrice(), t.GetFees()};
}

bool IsBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return Trimmed(field).empty(); });
}

TranCsvImport Refused(TranCsvImport result, const std::string& message) {
    result.accepted = false;
    result.message = message;
    return result;
}

std::string RowText(int row) { return "Row " + std::to_string(row) + ": "; }

}  // namespace

std::string WriteTranCsv(const TranList& list, int significantDigits) {
    std::string out;
    std::array<std::string, kColumnCount> fields;
    std::copy(std::begin(kHeaders), std::end(kHeaders), fields.begin());
    AppendRow(out, fields);
    const auto money = [significantDigits](double x) {
        return NumberText(x, significantDigits, false);
    };
    for (int i = 0; i < list.GetCount(); ++i) {
        Tran t;
        list.GetAt(i, t);
        fields = {DateTimeText(t.GetDate()),
                  t.GetName(),
                  NameOf(kKindNames, t.GetKind()),
                  NameOf(kAssetNames, t.GetAssetType()),
                  NameOf(kActionNames, t.GetAction()),
                  NameOf(kSideNames, t.GetSide()),
                  std::to_string(t.GetUnits()),
                  std::to_string(t.GetUnitsPerContract()),
                  NameOf(kTypeNames, t.GetOptionType()),
                  t.GetStrike() == 0 ? "" : ShortestText(t.GetStrike()),
                  DateTimeText(t.GetExpiration()),
                  ShortestText(t.GetPrice()),
                  ShortestText(t.GetFees()),
                  money(t.Amount()),
                  money(t.Total()),
                  money(list.GetBalance(i))};
        for (std::string& field : fields)
            if (LooksLikeFormula(field)) field.insert(0, 1, '\'');
        AppendRow(out, fields);
    }
    return out;
}

TranCsvRows ReadTranCsvRows(std::string_view text) {
    TranCsvRows result;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());

    const std::string decoded = TextAsUtf8(std::string(text));
    CsvRecords records(decoded);
    std::vector<std::string> fields;
    if (!records.Next(fields)) {
        result.message =
            records.Damaged() ? RowText(1) + "A quote does not pair up." : "The file is empty.";
        return result;
    }
    ColumnPlaces places;
    result.message = FindColumns(fields, places);
    if (!result.message.empty()) return result;
    const std::size_t width = fields.size();

    int row = 1;
    while (records.Next(fields)) {
        ++row;
        if (IsBlank(fields)) continue;
        if (fields.size() != width) {
            result.message = RowText(row) + "The row has " + std::to_string(fields.size()) +
                             " fields where the header row has " + std::to_string(width) + ".";
            return result;
        }
        Tran tran;
        const std::string refusal = ReadRow(fields, places, tran);
        if (!refusal.empty()) {
            result.message = RowText(row) + refusal;
            return result;
        }
        result.rows.emplace_back(row, tran);
    }
    if (records.Damaged()) result.message = RowText(row + 1) + "A quote does not pair up.";
    return result;
}

TranCsvImport ReadTranCsv(std::string_view text, const TranList& book) {
    TranCsvImport result;
    result.list = book;
    TranCsvRows read = ReadTranCsvRows(text);
    if (!read.message.empty()) return Refused(std::move(result), read.message);
    std::vector<std::pair<int, Tran>>& rows = read.rows;
    // The book judges a transaction by those dated before it only, so the rows go in by
    // date (a day's rows in file order): a book taken whole is then consistent day by
    // day, however the spreadsheet sorted its rows.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return !a.second.IsOnOrAfter(b.second); });
    std::map<TradeKey, int> held;  // the book's trades, with how often each is held
    for (int i = 0; i < book.GetCount(); ++i) ++held[KeyOf(book.At(i))];
    for (const auto& [number, tran] : rows) {
        const auto same = held.find(KeyOf(tran));
        if (same != held.end() && same->second > 0) {
            --same->second;
            ++result.alreadyInBook;
            continue;
        }
        const Outcome outcome = result.list.Add(tran);
        if (!outcome.IsAccepted())
            return Refused(std::move(result), RowText(number) + outcome.GetReason());
        ++result.added;
    }
    if (rows.empty()) return Refused(std::move(result), "The file holds no transactions.");
    result.accepted = true;
    return result;
}

}  // namespace qx
