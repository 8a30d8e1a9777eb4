// Highlighter speed over about 100 MB of real text per language (files of this machine, read
// into memory and repeated to size):
// - for every language with a corpus below: the whole-document range computation an editor
//   runs when a highlighter is set, beside a memchr line split of the same bytes (MB/s);
// - for the markup languages, a minified document: the first 10 and 20 MB of the same text
//   with its line breaks blanked, scanned as one line (equal MB/s for both: linear time);
// - for the languages that resume in the middle of a line, the token under a byte in the middle
//   of such a 10 MB line, scanned from the line start and from the nearest resume point;
// - for Pascal, the rescan after typing "{" at the start of line 1, stored ranges compared line
//   by line until they agree; once on the real text (the comment closes at the first "}") and
//   once on the same text with its braces blanked, so that the ranges never agree again and
//   the rescan runs to the last line;
// - for SQL, the same scan with the keyword table built in every run, and the build alone.
#include "editor/SynEditLineCheckpoints.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterRanges.h"
#include "highlighters/SynHighlighterSQL.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tavlo;
namespace fs = std::filesystem;

constexpr size_t TargetBytes = 100u * 1000 * 1000;

// Where a language's real text lies on this machine: every regular file under the roots
// whose extension is listed.
struct TCorpus {
    std::string_view ShortName; // as in the highlighter class list
    std::vector<fs::path> Roots;
    std::vector<std::string> Extensions;
};

const std::vector<TCorpus>& Corpora() {
    static const std::vector<TCorpus> corpora = {
        {"pascal", {"/usr/share/fpcsrc"}, {".pas", ".pp", ".inc"}},
        {"cpp", {"/usr/include"}, {".h", ".hpp", ".c", ".cc", ".cpp"}},
        {"css", {"/usr/share", "/usr/lib"}, {".css"}},
        {"html", {"/usr/share"}, {".html", ".htm"}},
        {"xml", {"/usr/share"}, {".xml"}},
        {"javascript", {"/usr/share", "/usr/lib"}, {".js"}},
        {"php", {"/usr/share", "/usr/lib"}, {".php"}},
        {"sql", {"/usr/share", "/usr/lib"}, {".sql"}},
        {"dfm", {"/usr/share/fpcsrc", "/usr/lib"}, {".lfm", ".dfm"}},
        {"ini", {"/usr/share", "/usr/lib", "/etc"}, {".ini", ".desktop", ".conf"}},
    };
    return corpora;
}

struct TDocument {
    std::string Text;
    std::vector<std::string_view> Lines;
};

std::string LoadCorpusText(const TCorpus& corpus) {
    std::vector<fs::path> files;
    for (const fs::path& root : corpus.Roots) {
        std::error_code error;
        if (!fs::exists(root, error)) continue;
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
             it != end; it.increment(error)) {
            if (error) break;
            const std::string ext = it->path().extension().string();
            if (it->is_regular_file(error) &&
                std::find(corpus.Extensions.begin(), corpus.Extensions.end(), ext) != corpus.Extensions.end())
                files.push_back(it->path());
        }
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

const TDocument& CorpusDocument(const TCorpus& corpus) {
    static std::map<std::string_view, TDocument> loaded;
    auto found = loaded.find(corpus.ShortName);
    if (found == loaded.end()) {
        TDocument document{LoadCorpusText(corpus), {}};
        SplitIntoLines(document);
        found = loaded.emplace(corpus.ShortName, std::move(document)).first;
    }
    return found->second;
}

const TCorpus& CorpusOf(std::string_view shortName) {
    for (const TCorpus& corpus : Corpora())
        if (corpus.ShortName == shortName) return corpus;
    throw std::logic_error("no corpus for a benchmarked language");
}

bool SkipWithoutText(benchmark::State& state, const TDocument& document, const TCorpus& corpus) {
    if (!document.Lines.empty()) return false;
    state.SkipWithError(("no " + std::string(corpus.ShortName) + " files on this machine").c_str());
    return true;
}

void ReportSize(benchmark::State& state, const TDocument& document) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.Text.size()));
    state.counters["lines"] = static_cast<double>(document.Lines.size());
    state.counters["MB"] = static_cast<double>(document.Text.size()) / 1e6;
}

void FullRangeScan(benchmark::State& state, const TSynHighlighterClass& highlighterClass, const TCorpus& corpus) {
    const TDocument& document = CorpusDocument(corpus);
    if (SkipWithoutText(state, document, corpus)) return;
    std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
    std::vector<int32_t> ranges(document.Lines.size());
    for (auto _ : state) {
        ComputeLineRanges(*highlighter, document.Lines, ranges);
        benchmark::DoNotOptimize(ranges.data());
        benchmark::ClobberMemory();
    }
    ReportSize(state, document);
}

// The floor a range computation is compared with: cutting the same bytes into lines with
// memchr, as loading a document does.
void MemchrLineSplit(benchmark::State& state, const TCorpus& corpus) {
    const TDocument& document = CorpusDocument(corpus);
    if (SkipWithoutText(state, document, corpus)) return;
    std::vector<std::string_view> lines;
    lines.reserve(document.Lines.size() + 1);
    for (auto _ : state) {
        lines.clear();
        const char* at = document.Text.data();
        const char* end = at + document.Text.size();
        while (at < end) {
            const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            if (!lineEnd) lineEnd = end;
            lines.emplace_back(at, static_cast<size_t>(lineEnd - at));
            at = lineEnd + 1;
        }
        benchmark::DoNotOptimize(lines.data());
        benchmark::ClobberMemory();
    }
    ReportSize(state, document);
}

// The first `megabytes` MB of a language's text with its line breaks blanked.
std::string MinifiedLine(const TDocument& document, size_t megabytes) {
    std::string line = document.Text.substr(0, megabytes * 1000 * 1000);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

// Markup is often minified to one line; the line's size is the benchmark's argument in MB.
void MinifiedLineScan(benchmark::State& state, const TSynHighlighterClass& highlighterClass, const TCorpus& corpus) {
    const TDocument& document = CorpusDocument(corpus);
    if (SkipWithoutText(state, document, corpus)) return;
    const std::string line = MinifiedLine(document, static_cast<size_t>(state.range(0)));
    std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
    for (auto _ : state) {
        highlighter->ClearRange();
        highlighter->StartLine(line, 0);
        highlighter->SkipToLineEnd();
        benchmark::DoNotOptimize(highlighter->CurrentRange());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}

// The token under the middle byte of a minified 10 MB line, as a paint or a bracket match
// asks for it: argument 0 scans from the line start, 1 from the resume point before the byte
// (the line's points found once, before the runs).
void MinifiedLineLookup(benchmark::State& state, const TSynHighlighterClass& highlighterClass,
                        const TCorpus& corpus) {
    const TDocument& document = CorpusDocument(corpus);
    if (SkipWithoutText(state, document, corpus)) return;
    const std::string line = MinifiedLine(document, 10);
    const size_t byte = line.size() / 2;
    const bool resume = state.range(0) == 1;
    std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
    TSynEditLineCheckpoints points;
    points.EndRange(*highlighter, line, 0, -1);
    size_t scanned = 0;
    for (auto _ : state) {
        if (resume) {
            points.StartLine(*highlighter, line, 0, -1, byte);
        } else {
            highlighter->ClearRange();
            highlighter->StartLine(line, 0);
        }
        const size_t from = size_t(highlighter->TokenStart());
        while (!highlighter->AtLineEnd() &&
               size_t(highlighter->TokenStart()) + highlighter->TokenView().size() <= byte)
            highlighter->NextToken();
        benchmark::DoNotOptimize(highlighter->TokenKindOrdinal());
        scanned = byte - from;
    }
    state.SetLabel(resume ? "from the resume point" : "from the line start");
    state.counters["bytes_scanned"] = static_cast<double>(scanned);
}

const std::string_view MinifiedLanguages[] = {"html", "xml"};

void RegisterLanguageBenchmarks() {
    for (const TSynHighlighterClass& highlighterClass : HighlighterClassList().Classes()) {
        for (const TCorpus& corpus : Corpora()) {
            if (corpus.ShortName != highlighterClass.ShortName) continue;
            const std::string name(corpus.ShortName);
            benchmark::RegisterBenchmark(("FullRangeScan/" + name).c_str(), FullRangeScan, highlighterClass, corpus)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark(("MemchrLineSplit/" + name).c_str(), MemchrLineSplit, corpus)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            if (std::find(std::begin(MinifiedLanguages), std::end(MinifiedLanguages), name) !=
                std::end(MinifiedLanguages))
                benchmark::RegisterBenchmark(("MinifiedLineScan/" + name).c_str(), MinifiedLineScan,
                                             highlighterClass, corpus)
                    ->Arg(10)
                    ->Arg(20)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            if (highlighterClass.Create()->ResumesMidLine())
                benchmark::RegisterBenchmark(("MinifiedLineLookup/" + name).c_str(),
                                             MinifiedLineLookup, highlighterClass, corpus)
                    ->Arg(0)
                    ->Arg(1)
                    ->Unit(benchmark::kMicrosecond);
        }
    }
}

const TDocument& PascalWithoutBraces() {
    static const TDocument document = [] {
        TDocument blanked{CorpusDocument(CorpusOf("pascal")).Text, {}};
        std::replace(blanked.Text.begin(), blanked.Text.end(), '{', ' ');
        std::replace(blanked.Text.begin(), blanked.Text.end(), '}', ' ');
        SplitIntoLines(blanked);
        return blanked;
    }();
    return document;
}

void RescanAfterTypingBrace(benchmark::State& state, const TDocument& document) {
    if (SkipWithoutText(state, document, CorpusOf("pascal"))) return;
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
    RescanAfterTypingBrace(state, CorpusDocument(CorpusOf("pascal")));
}

void BM_PascalRescanAfterBraceNeverAgreeing(benchmark::State& state) {
    RescanAfterTypingBrace(state, PascalWithoutBraces());
}

// SQL loads its vocabulary at run time: the whole-document scan again, with the highlighter
// built afresh every time (the main window's dialect and a few table names), so that
// filling the keyword chains counts too.
void BM_SQLKeywordTableAndFullRangeScan(benchmark::State& state) {
    const TCorpus& corpus = CorpusOf("sql");
    const TDocument& document = CorpusDocument(corpus);
    if (SkipWithoutText(state, document, corpus)) return;
    std::vector<int32_t> ranges(document.Lines.size());
    for (auto _ : state) {
        TSynSQLSyn sql;
        sql.SetTableNames({"customer", "orders", "order_lines", "accounts"});
        ComputeLineRanges(sql, document.Lines, ranges);
        benchmark::DoNotOptimize(ranges.data());
        benchmark::ClobberMemory();
    }
    ReportSize(state, document);
}

// Filling the keyword chains alone, for the smallest and the largest vocabulary.
void BM_SQLKeywordTableBuild(benchmark::State& state) {
    TSynSQLSyn sql;
    const auto dialect = static_cast<TSQLDialect>(state.range(0));
    for (auto _ : state) {
        sql.SetSQLDialect(sqlStandard);
        sql.SetSQLDialect(dialect);
    }
    state.SetLabel(dialect == sqlOracle ? "standard, then Oracle" : "standard, then Sybase");
}

BENCHMARK(BM_SQLKeywordTableAndFullRangeScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SQLKeywordTableBuild)->Arg(sqlSybase)->Arg(sqlOracle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PascalRescanAfterBraceAtLine1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PascalRescanAfterBraceNeverAgreeing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    RegisterLanguageBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
