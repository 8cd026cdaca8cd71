#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace kv380::bench {

// The main function of a benchmark program that draws with Qt: offscreen unless the caller chose a
// platform (an empty choice is none), one application for every benchmark of the program. `before` and `after` run around the
// benchmarks, for state that needs the application to exist (made after it, gone before it).
inline int runQtBenchmarks(int argc, char** argv, const std::function<void()>& before = {},
                           const std::function<void()>& after = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (before) {
        before();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (after) {
        after();
    }
    return 0;
}

} // namespace kv380::bench
