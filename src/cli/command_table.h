#ifndef QX_CLI_COMMAND_TABLE_H
#define QX_CLI_COMMAND_TABLE_H

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/command.h"

namespace qx {

// Every command of the command line, in the order --help lists them.
const std::vector<Command>& Commands();

// Whether a program's first argument runs a command headless rather than opening the
// window (a document's name, or no argument, opens the window).
bool IsCommandLine(const std::vector<std::string>& arguments);

// Runs the command the first argument names with the rest of the arguments; its exit
// code. An unknown command or none is misuse, said on err.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace qx

#endif  // QX_CLI_COMMAND_TABLE_H
