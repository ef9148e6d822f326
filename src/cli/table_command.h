#ifndef QX_CLI_TABLE_COMMAND_H
#define QX_CLI_TABLE_COMMAND_H

#include "cli/command.h"

namespace qx {

// table DOC.opt [--value|--profit|--percent] [--step X]: the profit table of the
// document's position as CSV on out.
int RunTableCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_TABLE_COMMAND_H
