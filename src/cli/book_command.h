#ifndef QX_CLI_BOOK_COMMAND_H
#define QX_CLI_BOOK_COMMAND_H

#include "cli/command.h"

namespace qx {

// book BOOK.opt [--open | --results]: writes the document's book to standard output as
// the tracker's spreadsheet export; with --open its open positions in the same form,
// with --results the journal's numbers as CSV.
int RunBookCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_BOOK_COMMAND_H
