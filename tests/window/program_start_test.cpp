// Starts the real program, offscreen, with the file-size signal at its default action,
// and checks that the program ignores it from its start: a save that meets the
// process's file-size limit must fail with "Disk full" rather than end the program.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "test_support/temp_folder.h"

namespace qx {
namespace {

// The signals a process ignores, from its status in /proc; 0 when it cannot be read.
unsigned long long IgnoredSignals(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigIgn:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
    return 0;
}

TEST(ProgramStart, IgnoresTheFileSizeSignal) {
    TempFolder home;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        ::setenv("HOME", home.Path("").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", home.Path("").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execl(QX_PROGRAM, QX_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const unsigned long long bit = 1ULL << (SIGXFSZ - 1);
    bool ignored = false;
    for (int tries = 0; tries < 500 && !ignored; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ignored = (IgnoredSignals(child) & bit) != 0;
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(ignored) << "SIGXFSZ is not ignored by " << QX_PROGRAM;
}

}  // namespace
}  // namespace qx
