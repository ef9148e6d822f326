#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

std::string Fixture(const std::string& name) { return std::string(QX_STATEMENTS_DIR) + "/" + name; }

struct CommandRun {
    int code;
    std::string out, err;
};

CommandRun RunCommand(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int code = RunCommandLine(arguments, out, err);
    return {code, out.str(), err.str()};
}

TEST(StatementCommands, ImportIntoABookAndPrintIt) {
    TempFolder folder;
    const std::string book = folder.Path("book.opt");
    const std::string refused = folder.Path("refused.csv");
    std::ofstream(refused) << "Date,Action,Symbol,Description,Quantity,Price,Fees & Comm,Amount\n"
                              "01/05/2026,Buy to Open,XYZ 02/20/2026 10.00 C,,1,$1.00,,($100.00)\n"
                              "01/06/2026,Sell to Close,XYZ 02/20/2026 10.00 C,,2,$1.00,,$200.00\n";
    const std::string opening = folder.Path("opening.csv");
    std::ofstream(opening) << "Date,Action,Symbol,Description,Quantity,Price,Fees & Comm,Amount\n"
                              "04/01/2026,Buy to Open,XYZ 06/19/2026 10.00 C,,3,$1.00,,($300.00)\n";
    struct Case {
        std::vector<std::string> arguments;
        int code;
        const char* out;  // a line the output holds
        bool err;         // whether it writes to standard error
    };
    const Case cases[] = {
        // The broker's ids take the extended layout, which a new document warns of once.
        {{"import-statement", Fixture("ibkr_flex.csv"), book},
         kExitDone,
         "15 added, 0 already in the book, 0 refused\n",
         true},
        {{"import-statement", Fixture("ibkr_flex.csv"), book},
         kExitDone,
         "0 added, 15 already in the book, 0 refused\n",
         false},
        {{"import-statement", refused, book},
         kExitRefused,
         "Row 3: Transaction tries to close out more units than are open\n",
         false},
        {{"import-statement", opening, book}, kExitDone, "1 added, 0 already", false},
        {{"import-statement", folder.Path("missing.csv"), book}, kExitMisuse, "", true},
        {{"import-statement", book}, kExitMisuse, "", true},
        {{"book", book}, kExitDone, "Date,Entry,Kind,", false},
        {{"book", book, "--open"},
         kExitDone,
         ",XYZ Jun 19 2026 10 Call,Option,,Open,Buy,3,",
         false},
        {{"book", book, "--results"}, kExitDone, "Total,", false},
        {{"book", folder.Path("missing.opt")}, kExitMisuse, "", true},
        {{"book", book, "--everything"}, kExitMisuse, "", true},
    };
    for (const Case& c : cases) {
        const CommandRun run = RunCommand(c.arguments);
        std::string words;
        for (const std::string& word : c.arguments) words += word + " ";
        EXPECT_EQ(run.code, c.code) << words << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << words << run.out;
        EXPECT_EQ(!run.err.empty(), c.err) << words << run.err;
    }
    const CommandRun listed = RunCommand({"book", book});
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 17) << "header and 16 rows";
}

TEST(StatementCommands, DocumentFailuresAreWrittenInTheWindowsWords) {
    TempFolder folder;
    const std::string missing = folder.Path("missing.opt");
    const std::string foreign = folder.Path("foreign.opt");
    std::ofstream(foreign) << "\x05hello";
    const std::string nowhere = folder.Path("no/such/book.opt");
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"book", missing}, missing + " was not found."},
        {{"book", foreign}, foreign + " is not an Qualtrixon file."},
        {{"import-statement", Fixture("ibkr_activity.csv"), nowhere},
         nowhere + " contains an invalid path."},
    };
    for (const auto& c : cases) {
        const CommandRun run = RunCommand(c.arguments);
        EXPECT_EQ(run.code, kExitMisuse) << c.err;
        EXPECT_EQ(run.err, "qualtrixon: " + c.err + "\n");
    }
}

TEST(StatementCommands, ARefusedImportWritesNothing) {
    TempFolder folder;
    const std::string statement = folder.Path("statement.csv");
    std::ofstream(statement)
        << "Date,Action,Symbol,Description,Quantity,Price,Fees & Comm,Amount\n"
           "01/06/2026,Sell to Close,XYZ 02/20/2026 10.00 C,,2,$1.00,,$200.00\n"
           "01/05/2026,Buy,XYZ,,100,$10.00,,($1000.00)\n";
    EXPECT_EQ(RunCommand({"import-statement", statement, folder.Path("new.opt")}).code,
              kExitRefused);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("new.opt")));
}

}  // namespace
}  // namespace qx
