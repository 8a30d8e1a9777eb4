// Shared pieces of the benchmarks that need Qt: the font they draw with, and a main() with
// a Qt application, offscreen unless the caller chose another platform.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include "platform/TextDrawer.h"

namespace tavlo::bench {

inline TFontDesc BenchEditorFont() {
    TFontDesc font;
    font.Name = "DejaVu Sans Mono";
    font.Height = -13;
    return font;
}

} // namespace tavlo::bench

#define TAVLO_QT_BENCHMARK_MAIN()                                                                  \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
