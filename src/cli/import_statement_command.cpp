#include "cli/import_statement_command.h"

#include <ostream>
#include <utility>

#include "cli/book_document.h"
#include "cli/stream_messages.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "statement/statement_import.h"

namespace qx {

int RunImportStatementCommand(const CommandCall& call) {
    if (call.args.size() != 2) {
        call.err << "qualtrixon: usage: qualtrixon import-statement STATEMENT.csv BOOK.opt\n";
        return kExitMisuse;
    }
    const std::string& statement = call.args[0];
    const std::string& book = call.args[1];
    Settings settings;
    StreamMessages messages(call.err);
    Document document(settings);
    if (!OpenBookDocument(book, true, document, settings, messages)) return kExitMisuse;
    StatementPreview preview = PreviewStatementFile(statement, document.GetTransactions());
    if (!preview.error.empty()) {
        call.err << "qualtrixon: " << StreamMessages::OneLine(preview.error) << "\n";
        return kExitMisuse;
    }
    call.out << ImportSummary(preview) << "\n";
    for (const std::string& refusal : RefusalTexts(preview))
        call.out << StreamMessages::OneLine(refusal) << "\n";
    if (preview.refused > 0) return kExitRefused;
    // A document that holds every row already is left as it is.
    if (preview.added == 0 && !document.GetPath().empty()) return kExitDone;
    document.GetTransactions() = std::move(preview.book);
    const std::string warning = document.TakeLayoutWarning();
    if (!warning.empty()) messages.Warning(warning, kMessageCaption, MessageOwner::kNone);
    const Outcome saved = document.Save(book);
    if (saved.IsAccepted()) return kExitDone;
    messages.Warning(saved.GetReason(), kMessageCaption, MessageOwner::kNone);
    return kExitMisuse;
}

}  // namespace qx
