#include "cli/help_command.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "cli/command_table.h"

namespace qx {

int RunHelpCommand(const CommandCall& call) {
    if (!call.args.empty()) {
        call.err << "qualtrixon: --help takes no arguments\n";
        return kExitMisuse;
    }
    call.out << "Usage: qualtrixon [DOCUMENT.opt]   opens the window (on the document)\n"
                "       qualtrixon COMMAND ...      runs a command without the window\n\n"
                "Commands:\n";
    for (const Command& command : Commands()) {
        // A long call keeps its line; its summary then starts the next, in the column.
        constexpr size_t kColumn = 44;
        std::string words = std::string(command.name) + " " + command.usage;
        if (words.size() > kColumn) {
            call.out << "  " << words << "\n";
            words.clear();
        }
        words.resize(std::max(words.size(), kColumn), ' ');
        call.out << "  " << words << "  " << command.summary << "\n";
    }
    call.out << "\nExit status: 0 done, 1 refused, 2 misuse.\n";
    return kExitDone;
}

}  // namespace qx
