#include "cli/table_command.h"

#include <string>

#include "cli/command_document.h"
#include "graph/profit_table.h"
#include "graph/profit_table_text.h"
#include "pricing/number_text.h"
#include "shell/settings.h"

namespace qx {

namespace {

// Reads the options after the document; false, having said why, on anything else.
bool ReadTableOptions(const std::vector<std::string>& args, ProfitTable& table, std::ostream& err) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--profit") {
            table.SetQuantity(TableQuantity::kProfit);
        } else if (arg == "--value") {
            table.SetQuantity(TableQuantity::kValue);
        } else if (arg == "--percent") {
            table.SetQuantity(TableQuantity::kPercent);
        } else if (arg == "--step" && i + 1 < args.size()) {
            // Read as a box reads it: "2,5" is refused rather than taken as 2.
            if (table.SetStep(ReadNumber(args[++i]).value_or(0)) != 0) {
                err << "The step \"" << args[i] << "\" is not a price above 0.\n";
                return false;
            }
        } else {
            err << "Unknown option \"" << arg << "\".\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunTableCommand(const CommandCall& call) {
    if (call.args.empty()) {
        call.err << "qualtrixon table: which document?\n";
        return kExitMisuse;
    }
    const Settings settings;
    CommandDocument document(settings, call.err);
    if (!document.Open(call.args[0])) return kExitMisuse;
    ProfitTable table(document.Options(), document.Get().GetStock());
    if (table.GetOptionCount() == 0) {
        call.err << call.args[0] << " holds no option to tabulate.\n";
        return kExitMisuse;
    }
    table.SetStep(
        ProfitTable::GraphAxisStep(document.Options(), document.Get().GetStock(), settings));
    if (!ReadTableOptions(call.args, table, call.err)) return kExitMisuse;
    table.Compute();
    call.out << TableSheetText(table, ',', settings.significantDigits, settings.dateFormat);
    return kExitDone;
}

}  // namespace qx
