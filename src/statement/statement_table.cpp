#include "statement/statement_table.h"

#include <algorithm>
#include <cctype>

#include "tracker/csv_records.h"

namespace qx {

namespace {

std::string Lower(std::string_view text) {
    std::string lower = Trim(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Rows a record spans: one, plus the line breaks quoted inside its fields.
int LinesOf(const std::vector<std::string>& fields) {
    int lines = 1;
    for (const std::string& field : fields) {
        for (std::size_t at = 0; at < field.size(); ++at) {
            const bool crlf = field[at] == '\r' && at + 1 < field.size() && field[at + 1] == '\n';
            if (field[at] == '\n' || (field[at] == '\r' && !crlf)) ++lines;
        }
    }
    return lines;
}

}  // namespace

std::string Trim(std::string_view text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsBlankRecord(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return Trim(field).empty(); });
}

StatementTable::StatementTable(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    CsvRecords split(text);
    std::vector<std::string> fields;
    int row = 1;
    while (split.Next(fields)) {
        rowNumbers.push_back(row);
        row += LinesOf(fields);
        records.push_back(std::move(fields));
    }
    damaged = split.Damaged();
}

int StatementTable::FindHeader(std::initializer_list<std::string_view> names, int from) const {
    for (int index = std::max(from, 0); index < Size(); ++index) {
        const StatementColumns columns(records[index]);
        if (std::all_of(names.begin(), names.end(),
                        [&](std::string_view name) { return columns.Has(name); }))
            return index;
    }
    return -1;
}

StatementColumns::StatementColumns(const std::vector<std::string>& header) {
    names.reserve(header.size());
    for (const std::string& name : header) names.push_back(Lower(name));
}

int StatementColumns::Place(std::string_view name) const {
    const std::string wanted = Lower(name);
    const auto found = std::find(names.begin(), names.end(), wanted);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

std::string StatementColumns::Get(const std::vector<std::string>& fields,
                                  std::string_view name) const {
    const int place = Place(name);
    return place >= 0 && place < static_cast<int>(fields.size()) ? Trim(fields[place]) : "";
}

std::string StatementColumns::GetAny(const std::vector<std::string>& fields,
                                     std::initializer_list<std::string_view> names) const {
    for (std::string_view name : names)
        if (Has(name)) return Get(fields, name);
    return "";
}

}  // namespace qx
