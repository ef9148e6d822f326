#ifndef QX_CLI_HELP_COMMAND_H
#define QX_CLI_HELP_COMMAND_H

#include "cli/command.h"

namespace qx {

// --help: lists every command with its words and what it does; takes no words itself.
int RunHelpCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_HELP_COMMAND_H
