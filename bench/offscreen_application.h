#ifndef QX_BENCH_OFFSCREEN_APPLICATION_H
#define QX_BENCH_OFFSCREEN_APPLICATION_H

#include <QApplication>
#include <QtGlobal>

namespace qx {

// The one application of a benchmark program, made on first use, on the offscreen
// platform unless QT_QPA_PLATFORM names another, so that the benchmark runs without a
// display; QT_SCALE_FACTOR=2 runs it at 200 %.
inline QApplication& OffscreenApplication() {
    static int argc = 1;
    static char name[] = "qualtrixon_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

}  // namespace qx

#endif  // QX_BENCH_OFFSCREEN_APPLICATION_H
