#include "platform/settings_store.h"

#include <charconv>

namespace qx {

std::optional<int> StoredInteger(const std::string& text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && isSpace(*first)) ++first;
    while (last != first && isSpace(last[-1])) --last;
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
    int value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
    return value;
}

}  // namespace qx
