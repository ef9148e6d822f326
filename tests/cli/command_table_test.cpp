#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qx {
namespace {

struct CommandLineCase {
    std::vector<std::string> arguments;
    int exitCode;
    bool writesOut;
    bool writesErr;
};

TEST(CommandLine, ExitCodesAndStreams) {
    const CommandLineCase cases[] = {
        {{"--help"}, kExitDone, true, false},
        {{"--help", "extra"}, kExitMisuse, false, true},
        {{"no-such-command"}, kExitMisuse, false, true},
        {{}, kExitMisuse, false, true},
    };
    for (const CommandLineCase& c : cases) {
        std::ostringstream out, err;
        const int code = RunCommandLine(c.arguments, out, err);
        const std::string words = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(code, c.exitCode) << words;
        EXPECT_EQ(!out.str().empty(), c.writesOut) << words;
        EXPECT_EQ(!err.str().empty(), c.writesErr) << words;
    }
}

TEST(CommandLine, HelpListsEveryCommandOfTheTable) {
    std::ostringstream out, err;
    RunCommandLine({"--help"}, out, err);
    for (const Command& command : Commands()) {
        EXPECT_NE(out.str().find(std::string("  ") + command.name + " "), std::string::npos)
            << command.name;
    }
}

TEST(CommandLine, OnlyAKnownCommandKeepsTheWindowClosed) {
    EXPECT_TRUE(IsCommandLine({"--help"}));
    EXPECT_FALSE(IsCommandLine({}));
    EXPECT_FALSE(IsCommandLine({"position.opt"}));
    EXPECT_FALSE(IsCommandLine({"-help"}));
}

}  // namespace
}  // namespace qx
