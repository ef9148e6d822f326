#include "graph/picture_file.h"

#include <QGuiApplication>

#include "graph/graph_window_model.h"
#include "graph/window/picture_output.h"

namespace qx {

namespace {

// Text needs a running application for its fonts; a command run from a shell has none.
void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qualtrixon";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace

bool WriteGraphPicture(const GraphWindowModel& model, const std::string& path) {
    EnsureApplication();
    return SavePicture(model, path, GraphWindowModel::PictureFormatOf(path));
}

}  // namespace qx
