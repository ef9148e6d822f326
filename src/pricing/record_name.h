#ifndef QX_PRICING_RECORD_NAME_H
#define QX_PRICING_RECORD_NAME_H

#include <cstddef>
#include <string>

namespace qx {

// The longest name, entry or symbol a record takes, in characters: room for any ticker
// or series description, and short enough for a list to show without delay.
constexpr std::size_t kMaxNameLength = 255;

// The message for a name that SetName refuses, naming the field ("The symbol").
inline std::string NameTooLongText(const std::string& field) {
    return field + " is longer than " + std::to_string(kMaxNameLength) + " characters.";
}

// Accepts a name of at most kMaxNameLength characters, counted as UTF-8 code points;
// 0 when stored, -1 when refused and the field left as it was.
inline int SetName(std::string& field, const std::string& value) {
    std::size_t characters = 0;
    for (const char c : value)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++characters > kMaxNameLength)
            return -1;
    field = value;
    return 0;
}

}  // namespace qx

#endif  // QX_PRICING_RECORD_NAME_H
