#include <QGuiApplication>
#include <csignal>

#include "shell/window/app.h"

int main(int argc, char** argv) {
    // A save that meets the process's file-size limit must fail with "Disk full", not
    // end the program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
    qx::App app(argc, argv);
    // The installed menu entry's name, by which a desktop ties the windows to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallmoor.Qualtrixon"));
    return app.Run();
}
