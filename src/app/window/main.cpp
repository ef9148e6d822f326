#include <QGuiApplication>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/window/app.h"
#include "cli/command_table.h"

int main(int argc, char** argv) {
    // A save that meets the process's file-size limit must fail with "Disk full", not
    // end the program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
    // A known command runs without the window, so it needs no display.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (qx::IsCommandLine(arguments)) return qx::RunCommandLine(arguments, std::cout, std::cerr);
    qx::App app(argc, argv);
    // The installed menu entry's name, by which a desktop ties the windows to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallmoor.Qualtrixon"));
    return app.Run();
}
