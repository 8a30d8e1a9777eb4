// Loading and saving a 100 MB document, each against the plainest way to do the same I/O.
// Peak memory: run alone with --benchmark_filter=PeakMemory (one process, one load).
#include "BenchCorpus.h"

#include "editor/SynEditTextBuffer.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include <fcntl.h>
#include <unistd.h>

using namespace tavlo;
using namespace tavlo::bench;

namespace {

const std::string& corpus() {
    static const std::string path = CLikeFile(kHundredMegabytes);
    return path;
}

size_t fileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return size_t(in.tellg());
}

// Peak resident set of this process in bytes, from the kernel's high-water mark.
size_t peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return size_t(std::stoull(line.substr(6))) * 1024;
    return 0;
}

void BM_LoadFile(benchmark::State& state) {
    const std::string& path = corpus();
    for (auto _ : state) {
        TSynEditStringList list;
        list.LoadFile(path);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * fileSize(path)));
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading lines at random places of the loaded 100 MB document, as painting after a jump and
// a search do: the records lie in blocks, and reaching one must stay a matter of nanoseconds.
void BM_RandomLineAccess(benchmark::State& state) {
    static TSynEditStringList list;
    if (list.Count() == 0) list.LoadFile(corpus());
    uint32_t seed = 12345;
    size_t bytes = 0;
    for (auto _ : state) {
        seed = seed * 1664525u + 1013904223u;
        bytes += list.LineAt(int32_t(seed % uint32_t(list.Count()))).size();
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["lines"] = list.Count();
}
BENCHMARK(BM_RandomLineAccess)->Unit(benchmark::kNanosecond);

// One read of the whole file and a count of its lines.
void BM_BaselineReadAndCountLines(benchmark::State& state) {
    const std::string& path = corpus();
    const size_t size = fileSize(path);
    for (auto _ : state) {
        std::unique_ptr<char[]> block(new char[size]);
        int fd = ::open(path.c_str(), O_RDONLY);
        size_t done = 0;
        while (done < size) {
            ssize_t got = ::read(fd, block.get() + done, size - done);
            if (got <= 0) break;
            done += size_t(got);
        }
        ::close(fd);
        size_t lines = 0;
        for (const char* p = block.get(); (p = static_cast<const char*>(std::memchr(p, '\n', size_t(block.get() + done - p))));
             ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations() * size));
}
BENCHMARK(BM_BaselineReadAndCountLines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveFile(benchmark::State& state) {
    TSynEditStringList list;
    list.LoadFile(corpus());
    const std::string out = corpus() + ".saved";
    for (auto _ : state) list.SaveFile(out);
    ::unlink(out.c_str());
    state.SetBytesProcessed(int64_t(state.iterations() * fileSize(corpus())));
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same save into a file with a second name (a hard link): written where it lies, after
// a backup copy of its old bytes in the cache folder.
void BM_SaveFileInPlace(benchmark::State& state) {
    TSynEditStringList list;
    list.LoadFile(corpus());
    const std::string out = corpus() + ".saved";
    const std::string secondName = out + ".link";
    list.SaveFile(out);
    ::link(out.c_str(), secondName.c_str());
    for (auto _ : state) list.SaveFile(out);
    ::unlink(secondName.c_str());
    ::unlink(out.c_str());
    state.SetBytesProcessed(int64_t(state.iterations() * fileSize(corpus())));
}
BENCHMARK(BM_SaveFileInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

// One write of the same bytes, without (arg 0) and with (arg 1) the flush to disk that a
// safe save makes before it replaces the old file.
void BM_BaselineOneWrite(benchmark::State& state) {
    const std::string& path = corpus();
    std::string bytes;
    {
        TSynEditStringList list;
        list.LoadFile(path);
        for (int32_t i = 0; i < list.Count(); ++i) {
            bytes.append(list.LineAt(i));
            bytes.push_back('\n');
        }
    }
    const std::string out = path + ".baseline";
    for (auto _ : state) {
        int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (written <= 0) break;
            done += size_t(written);
        }
        if (state.range(0)) ::fsync(fd);
        ::close(fd);
    }
    ::unlink(out.c_str());
    state.SetBytesProcessed(int64_t(state.iterations() * bytes.size()));
}
BENCHMARK(BM_BaselineOneWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PeakMemory(benchmark::State& state) {
    const std::string& path = corpus();
    for (auto _ : state) {
        TSynEditStringList list;
        list.LoadFile(path);
        benchmark::DoNotOptimize(list.Count());
        state.counters["lines"] = double(list.Count());
    }
    state.counters["peak_rss_MB"] = double(peakResidentBytes()) / 1e6;
    state.counters["file_MB"] = double(fileSize(path)) / 1e6;
    state.counters["peak_per_file_byte"] = double(peakResidentBytes()) / double(fileSize(path));
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
