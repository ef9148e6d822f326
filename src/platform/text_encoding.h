#ifndef QX_PLATFORM_TEXT_ENCODING_H
#define QX_PLATFORM_TEXT_ENCODING_H

#include <cstdint>
#include <string>
#include <string_view>

namespace qx {

// Appends the code point code to out in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t code);

// Whether bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view bytes);

// Text in UTF-8, as the program holds it: bytes that are UTF-8 stay as they are; any
// others are read as Windows-1252, the code page of earlier documents and of many
// spreadsheets, whose five undefined bytes keep their own code points.
std::string TextAsUtf8(std::string bytes);

}  // namespace qx

#endif  // QX_PLATFORM_TEXT_ENCODING_H
