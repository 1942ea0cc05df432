#pragma once
// The main of a benchmark that shows widgets: offscreen unless a platform is
// named, one application for every measurement.

#include <benchmark/benchmark.h>

#include <QApplication>

namespace bench_support {

inline void RunWidgetBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

} // namespace bench_support
