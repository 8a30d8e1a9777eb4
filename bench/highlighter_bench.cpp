// Pascal highlighter speed over about 100 MB of real Pascal (the Free Pascal sources under
// /usr/share/fpcsrc, read into memory and repeated to size):
// - the whole-document range computation an editor runs when a highlighter is set (MB/s);
// - the rescan after typing "{" at the start of line 1, stored ranges compared line by line
//   until they agree; once on the real text (the comment closes at the first "}") and once
//   on the same text with its braces blanked, so that the ranges never agree again and the
//   rescan runs to the last line.
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterRanges.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tavlo;
namespace fs = std::filesystem;

constexpr size_t TargetBytes = 100u * 1000 * 1000;

struct TDocument {
    std::string Text;
    std::vector<std::string_view> Lines;
};

std::string LoadPascalSources() {
    const fs::path root = "/usr/share/fpcsrc";
    std::vector<fs::path> files;
    if (fs::exists(root))
        for (const auto& entry : fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".pas" || ext == ".pp" || ext == ".inc"))
                files.push_back(entry.path());
        }
    std::sort(files.begin(), files.end());
    std::string text;
    for (const auto& path : files) {
        if (text.size() >= TargetBytes) break;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        text += content.str();
        if (!text.empty() && text.back() != '\n') text += '\n';
    }
    if (text.empty()) return text;
    const std::string once = text;
    while (text.size() < TargetBytes) text += once;
    return text;
}

void SplitIntoLines(TDocument& document) {
    std::string_view text = document.Text;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        document.Lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) document.Lines.push_back(text.substr(start));
}

const TDocument& Sources() {
    static const TDocument document = [] {
        TDocument loaded{LoadPascalSources(), {}};
        SplitIntoLines(loaded);
        return loaded;
    }();
    return document;
}

const TDocument& SourcesWithoutBraces() {
    static const TDocument document = [] {
        TDocument blanked{Sources().Text, {}};
        std::replace(blanked.Text.begin(), blanked.Text.end(), '{', ' ');
        std::replace(blanked.Text.begin(), blanked.Text.end(), '}', ' ');
        SplitIntoLines(blanked);
        return blanked;
    }();
    return document;
}

void BM_PascalFullRangeScan(benchmark::State& state) {
    const TDocument& document = Sources();
    if (document.Lines.empty()) {
        state.SkipWithError("no Pascal sources under /usr/share/fpcsrc");
        return;
    }
    TSynPasSyn pascal;
    std::vector<int32_t> ranges(document.Lines.size());
    for (auto _ : state) {
        ComputeLineRanges(pascal, document.Lines, ranges);
        benchmark::DoNotOptimize(ranges.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.Text.size()));
    state.counters["lines"] = static_cast<double>(document.Lines.size());
    state.counters["MB"] = static_cast<double>(document.Text.size()) / 1e6;
}

void RescanAfterTypingBrace(benchmark::State& state, const TDocument& document) {
    if (document.Lines.empty()) {
        state.SkipWithError("no Pascal sources under /usr/share/fpcsrc");
        return;
    }
    TSynPasSyn pascal;
    std::vector<int32_t> stored(document.Lines.size());
    ComputeLineRanges(pascal, document.Lines, stored);
    std::vector<std::string_view> lines = document.Lines;
    std::string edited = "{";
    edited += lines[0];
    lines[0] = edited;

    std::vector<int32_t> ranges = stored;
    size_t lastScanned = 0;
    for (auto _ : state) {
        // Each rescan starts from the ranges stored before the edit.
        state.PauseTiming();
        std::copy(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(lastScanned + 1), ranges.begin());
        state.ResumeTiming();
        pascal.RestoreRange(ranges[0]);
        lastScanned = RescanLineRanges(pascal, lines, ranges, 0);
        benchmark::DoNotOptimize(ranges.data());
        benchmark::ClobberMemory();
    }
    state.counters["lines_rescanned"] = static_cast<double>(lastScanned + 1);
    state.counters["of_lines"] = static_cast<double>(lines.size());
}

void BM_PascalRescanAfterBraceAtLine1(benchmark::State& state) {
    RescanAfterTypingBrace(state, Sources());
}

void BM_PascalRescanAfterBraceNeverAgreeing(benchmark::State& state) {
    RescanAfterTypingBrace(state, SourcesWithoutBraces());
}

BENCHMARK(BM_PascalFullRangeScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PascalRescanAfterBraceAtLine1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PascalRescanAfterBraceNeverAgreeing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
