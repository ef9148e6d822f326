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
        std::string words = std::string(command.name) + " " + command.usage;
        words.resize(std::max<size_t>(words.size(), 44), ' ');
        call.out << "  " << words << "  " << command.summary << "\n";
    }
    call.out << "\nExit status: 0 done, 1 refused, 2 misuse.\n";
    return kExitDone;
}

}  // namespace qx
