#include "shell/number_box.h"

#include "pricing/number_text.h"

namespace qx {

std::optional<double> ReadNumberBox(const std::string& text, const std::string& boxName,
                                    Messages& messages, MessageOwner owner) {
    const std::optional<double> number = ReadNumber(text);
    if (!number) {
        messages.Warning("The " + boxName + " box cannot read \"" + TrimSpaces(text) +
                             "\" as a number. Write it as 1250, 1,250.50 or 50 1/4.",
                         kMessageCaption, owner);
    }
    return number;
}

}  // namespace qx
