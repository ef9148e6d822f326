#ifndef QX_SHELL_NUMBER_BOX_H
#define QX_SHELL_NUMBER_BOX_H

#include <optional>
#include <string>

#include "platform/messages.h"

namespace qx {

// Reads the text a user left in a number box, as ReadNumber does. A text the box cannot
// read whole is refused: a warning names the box and the text, and nothing is returned,
// so that the caller keeps the value in force.
std::optional<double> ReadNumberBox(const std::string& text, const std::string& boxName,
                                    Messages& messages, MessageOwner owner);

// Reads the text a user left in a box of whole numbers (shares, contracts, units), as
// ReadInteger does, refusing what it cannot read whole as ReadNumberBox does.
std::optional<int> ReadIntegerBox(const std::string& text, const std::string& boxName,
                                  Messages& messages, MessageOwner owner);

}  // namespace qx

#endif  // QX_SHELL_NUMBER_BOX_H
