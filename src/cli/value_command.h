#ifndef QX_CLI_VALUE_COMMAND_H
#define QX_CLI_VALUE_COMMAND_H

#include "cli/command.h"

namespace qx {

// value DOC.opt: per leg, for the holding and for the position, fair value, implied
// volatility, days left, fees, NET and the Greeks (signed by side), as CSV on out.
int RunValueCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_VALUE_COMMAND_H
