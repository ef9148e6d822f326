#include "platform/ascii_text.h"

#include <algorithm>

namespace qx {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = AsciiLower(c);
    return lower;
}

bool SameAsciiWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string TrimAsciiSpaces(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsAsciiSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsAsciiSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace qx
