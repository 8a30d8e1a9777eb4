// main() for benchmarks that need a Qt application (painting, widgets), offscreen unless
// the caller chose another platform.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#define TAVLO_QT_BENCHMARK_MAIN()                                                                  \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
