#ifndef QX_CLI_IMPORT_STATEMENT_COMMAND_H
#define QX_CLI_IMPORT_STATEMENT_COMMAND_H

#include "cli/command.h"

namespace qx {

// import-statement STATEMENT.csv BOOK.opt: adds the statement's trades to the
// document's book (a missing document is created as a new one), prints "N added, M
// already in the book, K refused" and each refusal with its row. Refused (and nothing
// written) when any row is refused.
int RunImportStatementCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_IMPORT_STATEMENT_COMMAND_H
