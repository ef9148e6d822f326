#include "cli/command_table.h"

#include <ostream>

#include "cli/help_command.h"

namespace qx {

const std::vector<Command>& Commands() {
    // One line a command: a new command adds its line here and a file of its own.
    static const std::vector<Command> table = {
        {"--help", "", "lists the commands", RunHelpCommand},
    };
    return table;
}

static const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands()) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

bool IsCommandLine(const std::vector<std::string>& arguments) {
    return !arguments.empty() && FindCommand(arguments.front()) != nullptr;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    const Command* command = arguments.empty() ? nullptr : FindCommand(arguments.front());
    if (command == nullptr) {
        err << "qualtrixon: unknown command; qualtrixon --help lists the commands\n";
        return kExitMisuse;
    }
    CommandCall call{{arguments.begin() + 1, arguments.end()}, out, err};
    return command->run(call);
}

}  // namespace qx
