#include "statement/entry_names.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace qx {

namespace {

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The roots of the common cash-settled index options (with their weekly and
// end-of-month classes); any other root is taken to deliver its underlying.
constexpr const char* kIndexRoots[] = {"SPX",  "SPXW", "SPXPM", "XSP",  "NDX", "NDXP", "RUT",
                                       "RUTW", "MRUT", "VIX",   "VIXW", "DJX", "OEX",  "XEO"};

std::string ShortestText(double x) {
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), x);
    return std::string(buffer, written.ptr);
}

}  // namespace

std::string OptionEntryName(const std::string& root, CTime expiration, double strike,
                            OptionType optionType) {
    return root + " " + expiration.Format("%b ") + std::to_string(expiration.GetDay()) + " " +
           expiration.Format("%Y ") + ShortestText(strike) +
           (optionType == OptionType::kCall ? " Call" : " Put");
}

std::string UnderlyingOfEntry(const std::string& entry) {
    const std::string first = entry.substr(0, entry.find(' '));
    const bool editorName = std::any_of(std::begin(kMonthNames), std::end(kMonthNames),
                                        [&](const char* month) { return first == month; });
    return editorName || first == entry ? "" : first;
}

bool IsIndexRoot(const std::string& root) {
    return std::any_of(std::begin(kIndexRoots), std::end(kIndexRoots),
                       [&](const char* index) { return root == index; });
}

}  // namespace qx
