#include "cli/command_table.h"

#include <ostream>

#include "cli/book_command.h"
#include "cli/help_command.h"
#include "cli/import_statement_command.h"
#include "cli/picture_command.h"
#include "cli/table_command.h"
#include "cli/value_command.h"

namespace qx {

const std::vector<Command>& Commands() {
    // One line a command: a new command adds its line here and a file of its own.
    static const std::vector<Command> table = {
        {"--help", "", "lists the commands", RunHelpCommand},
        {"import-statement", "STATEMENT.csv BOOK.opt", "adds a broker statement to the book",
         RunImportStatementCommand},
        {"book", "BOOK.opt [--open|--results]",
         "prints the book, its open positions or its results", RunBookCommand},
        {"picture",
         "DOC.opt OUT.png|OUT.pdf [--date YYYY-MM-DD] [--greek delta|gamma|theta|vega|rho]",
         "writes the graph's picture on opening", RunPictureCommand},
        {"table", "DOC.opt [--value|--profit|--percent] [--step X]",
         "writes the profit table by price and date as CSV", RunTableCommand},
        {"value", "DOC.opt", "writes each leg's and the position's values and Greeks as CSV",
         RunValueCommand},
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
