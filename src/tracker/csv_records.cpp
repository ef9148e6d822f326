#include "tracker/csv_records.h"

#include <utility>

namespace qx {

namespace {

bool IsRecordEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool CsvRecords::Next(std::vector<std::string>& fields) {
    fields.clear();
    if (at >= text.size()) return false;
    std::string field;
    bool inQuotes = false;
    bool quoted = false;  // the field began with a quote
    while (at < text.size()) {
        const char c = text[at++];
        if (inQuotes) {
            const char next = at < text.size() ? text[at] : ',';
            if (c != '"') {
                field += c;
            } else if (next == '"') {
                field += '"';
                ++at;
            } else if (next != ',' && !IsRecordEnd(next)) {
                damaged = true;
                return false;
            } else {
                inQuotes = false;
            }
        } else if (c == '"' && field.empty() && !quoted) {
            inQuotes = quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            quoted = false;
        } else if (IsRecordEnd(c)) {
            if (c == '\r' && at < text.size() && text[at] == '\n') ++at;
            break;
        } else {
            field += c;
        }
    }
    damaged = inQuotes;
    fields.push_back(std::move(field));
    return !damaged;
}

}  // namespace qx
