#ifndef QX_CLI_COMMAND_H
#define QX_CLI_COMMAND_H

#include <iosfwd>
#include <string>
#include <vector>

namespace qx {

// A command's exit code: a script reads done, refused (the input was understood and
// turned down) and misuse (the call itself was wrong) apart.
enum ExitCode : int { kExitDone = 0, kExitRefused = 1, kExitMisuse = 2 };

// What a command is handed: the words after its name and the two streams it writes to.
struct CommandCall {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

// One command of the command line: the first argument that names it, the words that
// follow it, one line for --help, and what it does.
struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const CommandCall& call);
};

}  // namespace qx

#endif  // QX_CLI_COMMAND_H
