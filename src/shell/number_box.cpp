#include "shell/number_box.h"

#include "pricing/number_text.h"

namespace qx {

namespace {

// A refused text names its box and shows how the box wants its number written.
void WarnUnreadable(const std::string& text, const std::string& boxName, const char* kind,
                    const char* examples, Messages& messages, MessageOwner owner) {
    messages.Warning("The " + boxName + " box cannot read \"" + TrimSpaces(text) + "\" as " + kind +
                         ". Write it as " + examples + ".",
                     kMessageCaption, owner);
}

}  // namespace

std::optional<double> ReadNumberBox(const std::string& text, const std::string& boxName,
                                    Messages& messages, MessageOwner owner) {
    const std::optional<double> number = ReadNumber(text);
    if (!number)
        WarnUnreadable(text, boxName, "a number", "1250, 1,250.50 or 50 1/4", messages, owner);
    return number;
}

std::optional<int> ReadIntegerBox(const std::string& text, const std::string& boxName,
                                  Messages& messages, MessageOwner owner) {
    const std::optional<int> number = ReadInteger(text);
    if (!number) WarnUnreadable(text, boxName, "a whole number", "1250 or 1,250", messages, owner);
    return number;
}

}  // namespace qx
