#include "shell/window/app.h"

int main(int argc, char** argv) {
    qx::App app(argc, argv);
    return app.Run();
}
