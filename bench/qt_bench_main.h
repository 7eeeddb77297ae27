#pragma once
// The main of a widget benchmark: an offscreen application (unless a platform is chosen) with the
// program's font faces, then the registered benchmarks. `prepare` runs before them.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/ui/font_faces.h"

namespace veyrin::bench {

template <typename Prepare>
int runQtBenchmarks(int argc, char** argv, Prepare prepare) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

inline int runQtBenchmarks(int argc, char** argv) {
    return runQtBenchmarks(argc, argv, [] {});
}

}  // namespace veyrin::bench
