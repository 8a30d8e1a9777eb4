// Find and replace on the 100 MB document: "Znajdź następny" for a text that does not occur
// (case-sensitive and not), against memmem over the same bytes as the floor; replace-all of
// about a million occurrences, and its undo.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>

#include "BenchCorpus.h"
#include "editor/SynEdit.h"

namespace tavlo::bench {
namespace {

const std::string& documentFile() {
    static const std::string name = CLikeFile(kHundredMegabytes);
    return name;
}

const std::string& documentBytes() {
    static const std::string bytes = [] {
        std::ifstream in(documentFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

TSynEdit& document() {
    static const std::unique_ptr<TSynEdit> editor = [] {
        auto e = std::make_unique<TSynEdit>();
        e->Lines().LoadFile(documentFile());
        return e;
    }();
    return *editor;
}

constexpr const char* Absent = "retunr_value";

void BM_FindNextAbsent(benchmark::State& state, TSynSearchOptions options) {
    TSynEdit& editor = document();
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.FindAndReplace(Absent, {}, options | ssoEntireScope));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(documentBytes().size()));
}
BENCHMARK_CAPTURE(BM_FindNextAbsent, MatchCase, ssoMatchCase)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindNextAbsent, IgnoreCase, 0)->Unit(benchmark::kMillisecond);

void BM_MemmemFloor(benchmark::State& state) {
    const std::string& bytes = documentBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(bytes.data(), bytes.size(), Absent, std::strlen(Absent)));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_MemmemFloor)->Unit(benchmark::kMillisecond);

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Each iteration replaces every "return" (forwards, or backwards from the end) and undoes
// it; one of the two is timed, in the
// thread's processor time (on a shared machine the wall clock mostly measures the others),
// with the wall time beside it.
void BM_ReplaceAll(benchmark::State& state, bool timeUndo, TSynSearchOptions direction) {
    TSynEdit& editor = document();
    int64_t replaced = 0;
    double wall = 0;
    for (auto _ : state) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double start = threadSeconds();
        replaced = editor.FindAndReplace("return", "give_back",
                                         ssoMatchCase | ssoReplaceAll | ssoEntireScope | direction);
        const auto wallMiddle = std::chrono::steady_clock::now();
        const double middle = threadSeconds();
        editor.Undo();
        const auto wallEnd = std::chrono::steady_clock::now();
        const double end = threadSeconds();
        state.SetIterationTime(timeUndo ? end - middle : middle - start);
        wall +=
            std::chrono::duration<double>(timeUndo ? wallEnd - wallMiddle : wallMiddle - wallStart)
                .count();
    }
    state.counters["occurrences"] = double(replaced);
    state.counters["wall_ms"] = wall * 1000 / double(state.iterations());
}
BENCHMARK_CAPTURE(BM_ReplaceAll, Replace, false, 0)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplaceAll, Undo, true, 0)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplaceAll, ReplaceBackwards, false, ssoBackwards)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavlo::bench

BENCHMARK_MAIN();
