#ifndef QX_PLATFORM_ASCII_TEXT_H
#define QX_PLATFORM_ASCII_TEXT_H

#include <string>
#include <string_view>

namespace qx {

// Letter case and spaces of the keywords files and settings hold: ASCII only, whatever
// the process locale says (a Turkish locale has no lower-case pair for 'I').

// c in lower case when it is an ASCII capital; any other byte as it is.
char AsciiLower(char c);

// text with its ASCII capitals in lower case.
std::string AsciiLower(std::string_view text);

// Whether a and b are the same text but for the case of ASCII letters.
bool SameAsciiWord(std::string_view a, std::string_view b);

// Whether c is an ASCII space, tab, line break, vertical tab or form feed.
bool IsAsciiSpace(char c);

// text without the ASCII spaces at its ends.
std::string TrimAsciiSpaces(std::string_view text);

}  // namespace qx

#endif  // QX_PLATFORM_ASCII_TEXT_H
