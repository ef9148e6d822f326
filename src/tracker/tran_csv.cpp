#include "tracker/tran_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ascii_text.h"
#include "platform/outcome.h"
#include "platform/text_encoding.h"
#include "pricing/number_text.h"
#include "pricing/option.h"
#include "pricing/record_name.h"
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

// The shortest text that reads back to x; "0" for either zero.
std::string ShortestText(double x) {
    if (x == 0) return "0";
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), x);
    return std::string(buffer, written.ptr);
}

// A local time with its offset from UTC, "2026-11-01 01:30:00-04:00", so that the hour
// a daylight-saving change repeats reads back as the one it was.
std::string DateTimeText(CTime time) {
    const std::int64_t offset = time.GetWallClockSeconds() - time.GetTime();
    const std::int64_t minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[8];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+',
                  static_cast<int>(minutes / 60 % 100), static_cast<int>(minutes % 60));
    return time.Format(kDateTimeFormat) + zone;
}

// An expiration is written when the record holds one; a trade's date always is, even
// the epoch, which a book may hold as any other date.
std::string ExpirationText(CTime time) { return time == CTime() ? "" : DateTimeText(time); }

void AppendRow(std::string& out, const std::array<std::string, kColumnCount>& fields) {
    for (int column = 0; column < kColumnCount; ++column) {
        if (column > 0) out += ',';
        const std::string& field = fields[column];
        // One pass over the field: most need no quotes.
        const bool plain = std::none_of(field.begin(), field.end(), [](char c) {
            return c == ',' || c == '"' || c == '\r' || c == '\n';
        });
        if (plain) {
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

// Days from 1970-01-01 to a day of the proleptic Gregorian calendar.
std::int64_t DaysSince1970(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return std::int64_t{era} * 146097 + dayOfEra - 719468;
}

// Reads an offset from UTC, "+HH:MM" or "-HH:MM", into seconds east of UTC.
bool ReadOffset(const std::string& text, int& seconds) {
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return false;
    int hours = 0, minutes = 0;
    if (!ReadNumber(text.substr(1, 2), hours) || !ReadNumber(text.substr(4, 2), minutes) ||
        hours > 18 || minutes > 59)
        return false;
    seconds = (text[0] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
    return true;
}

// "YYYY-MM-DD", optionally followed by " HH:MM" or " HH:MM:SS" (or a "T" for the
// space) and then by an offset from UTC ("-04:00"); a local time when there is no
// offset. A year a document cannot store is refused.
bool ReadDateTime(const std::string& whole, CTime& time) {
    const bool hasOffset = whole.size() == 22 || whole.size() == 25;
    int offset = 0;
    if (hasOffset && !ReadOffset(whole.substr(whole.size() - 6), offset)) return false;
    const std::string text = hasOffset ? whole.substr(0, whole.size() - 6) : whole;
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
    if (!hasOffset) {
        time = CTime(year, month, day, field[3], field[4], field[5]);
        return true;
    }
    time = CTime(DaysSince1970(year, month, day) * 86400 + field[3] * 3600 + field[4] * 60 +
                 field[5] - offset);
    return true;
}

// The value whose word text is (any case), or -1.
template <std::size_t n>
int ChoiceOf(const char* const (&names)[n], const std::string& text) {
    for (std::size_t value = 1; value < n; ++value)
        if (SameAsciiWord(text, names[value])) return static_cast<int>(value);
    return -1;
}

// Sets the coded field whose word text is, through its setter; refuses the empty word and
// any other.
template <auto set, auto fromStored, const auto& names>
int SetChoice(Tran& tran, const std::string& text) {
    const int stored = ChoiceOf(names, text);
    const auto value = fromStored(stored);
    return stored > 0 && value ? (tran.*set)(*value) : -1;
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
    {true, SetChoice<&Tran::SetKind, TranKindFromStored, kKindNames>},
    {false, SetChoice<&Tran::SetAssetType, AssetTypeFromStored, kAssetNames>},
    {false, SetChoice<&Tran::SetAction, TranActionFromStored, kActionNames>},
    {false, SetChoice<&Tran::SetSide, SideFromStored, kSideNames>},
    {false, [](Tran& t, const std::string& s) { return SetInteger(t, &Tran::SetUnits, s); }},
    {false,
     [](Tran& t, const std::string& s) { return SetInteger(t, &Tran::SetUnitsPerContract, s); }},
    {false, SetChoice<&Tran::SetOptionType, OptionTypeFromStored, kTypeNames>},
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
        const std::string name = TrimAsciiSpaces(header[at]);
        for (int column = 0; column < kReadColumns; ++column) {
            if (!SameAsciiWord(name, kHeaders[column])) continue;
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

// Why tran is no transaction the tracker's form could have recorded (complete for its
// kind, an option with its series, a dividend without an action), or empty.
std::string Unrecordable(const Tran& tran) {
    const bool option = tran.GetKind() == TranKind::kOption;
    const bool dividend = tran.GetKind() == TranKind::kDividend;
    const bool exercise = option && tran.GetAction() == TranAction::kExercise;
    // An option that expired worthless is closed at price 0, which the form cannot enter
    // but the book holds.
    const bool expired = option && tran.GetAction() == TranAction::kClose && tran.GetUnits() != 0 &&
                         tran.GetSide() != Side::kNone;
    // A dividend moves cash only; as an opening it would pass for a holding.
    if (dividend && tran.GetAction() != TranAction::kNone) return "A Dividend takes no Action.";
    const struct {
        bool missing;
        int column;
    } fields[] = {
        {tran.Name().empty(), kEntryColumn},
        {!dividend && tran.GetAction() == TranAction::kNone, kActionColumn},
        {!dividend && !exercise && tran.GetSide() == Side::kNone, kSideColumn},
        {!dividend && tran.GetUnits() == 0, kUnitsColumn},
        {option && tran.GetOptionType() == OptionType::kNone, kTypeColumn},
        {option && tran.GetStrike() <= 0, kStrikeColumn},
        {option && tran.GetExpiration() == CTime(), kExpirationColumn},
        {tran.GetPrice() == 0 && !expired, kPriceColumn},
    };
    for (const auto& field : fields)
        if (field.missing)
            return std::string("The transaction is incomplete: it has no ") +
                   kHeaders[field.column] + ".";
    return tran.IsComplete() || expired ? "" : "The transaction is incomplete.";
}

// A field as a message quotes it: whole when short, else its start and "...", never
// cutting a character in two.
std::string Excerpt(const std::string& field) {
    constexpr std::size_t kLongest = 40;
    if (field.size() <= kLongest) return field;
    std::size_t end = kLongest;
    while (end > 0 && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80) --end;
    return field.substr(0, end) + "...";
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
        const std::string text = column == kEntryColumn ? raw : TrimAsciiSpaces(raw);
        if (text.empty() && !kFieldRules[column].required) continue;
        // A count sold is negative; the sign of a purchase's may not say otherwise.
        const bool contradicted =
            column == kUnitsColumn && text[0] == '-' && tran.GetSide() == Side::kBuy;
        if (!contradicted && kFieldRules[column].set(tran, text) == 0) continue;
        if (contradicted) return "\"" + Excerpt(raw) + "\" is not a valid Units for a Buy.";
        if (column == kEntryColumn) return NameTooLongText(std::string("The ") + kHeaders[column]);
        return "\"" + Excerpt(raw) + "\" is not a valid " + kHeaders[column] + ".";
    }
    return Unrecordable(tran);
}

// What makes two rows the same trade when a file is imported again.
using TradeKey =
    std::tuple<std::int64_t, std::string, TranKind, TranAction, Side, int, double, double>;

TradeKey KeyOf(const Tran& t) {
    return {t.GetDate().GetTime(), t.Name(),           t.GetKind(),  t.GetAction(),
            t.GetSide(),           t.GetSignedUnits(), t.GetPrice(), t.GetFees()};
}

bool IsBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return TrimAsciiSpaces(field).empty(); });
}

TranCsvImport Refused(TranCsvImport result, const std::string& message) {
    result.accepted = false;
    result.message = message;
    return result;
}

std::string RowText(int row) { return "Row " + std::to_string(row) + ": "; }

// About the bytes of a row, so the text of a large book is not copied as it grows.
constexpr std::size_t kRowBytesGuess = 128;

}  // namespace

std::string WriteTranCsv(const TranList& list, int significantDigits) {
    std::string out;
    out.reserve(static_cast<std::size_t>(list.GetCount() + 1) * kRowBytesGuess);
    std::array<std::string, kColumnCount> fields;
    std::copy(std::begin(kHeaders), std::end(kHeaders), fields.begin());
    AppendRow(out, fields);
    const auto money = [significantDigits](double x) {
        return NumberText(x, significantDigits, false);
    };
    // A book's series share a few expirations: each is worded once.
    std::unordered_map<std::int64_t, std::string> expirations;
    for (int i = 0; i < list.GetCount(); ++i) {
        Tran t;
        list.GetAt(i, t);
        const auto [worded, added] = expirations.try_emplace(t.GetExpiration().GetTime());
        if (added) worded->second = ExpirationText(t.GetExpiration());
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
                  worded->second,
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
    // The rows go in by date and time of day (rows of the same moment in file order), so
    // an opening goes in before the same day's later closing however the spreadsheet
    // sorted its rows.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.second.GetDate() < b.second.GetDate();
    });
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
