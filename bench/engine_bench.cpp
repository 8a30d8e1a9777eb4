// Editor engine costs on big documents: a typed character, Enter, Backspace joining lines,
// undo of a large paste, and reading the whole text as the selection (against copying the
// same bytes once). No painting: the host only answers metrics.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <sstream>

#include "BenchCorpus.h"
#include "editor/SynEdit.h"
#include "platform/Clipboard.h"
#include "platform/SynEditHost.h"

namespace tavlo::bench {
namespace {

class MetricsOnlyHost : public TSynEditHost {
public:
    bool WindowExists() const override { return true; }
    int32_t ClientWidth() const override { return 1000; }
    int32_t ClientHeight() const override { return 800; }
    int32_t CharWidth() const override { return 8; }
    int32_t CharHeight() const override { return 16; }
    void InvalidateRect(const TRect&) override {}
    void InvalidateAll() override {}
    void ScrollPixels(int32_t, int32_t, const TRect&) override {}
    void RepaintNow() override {}
    void SetScrollBar(TScrollBarKind, const TScrollBarInfo&) override {}
    void CreateCaret(int32_t, int32_t) override {}
    void DestroyCaret() override {}
    void SetCaretPos(int32_t, int32_t) override {}
    void ShowCaret(bool) override {}
    void SetImePosition(int32_t, int32_t) override {}
    bool HasFocus() const override { return true; }
    void SetFocus() override {}
    void SetMouseCapture(bool) override {}
    void StartTimer(int32_t) override {}
    void StopTimer() override {}
    void SetPointerShape(TPointerShape) override {}
    void AcceptFileDrops(bool) override {}
    int32_t DragThreshold() const override { return 5; }
    int32_t WheelScrollLines() const override { return 3; }
    void BeginDrag() override {}
    TPoint ScrollHintSize(std::string_view, int32_t) const override { return {}; }
    int32_t ScrollArrowHeight() const override { return 16; }
    void ShowScrollHint(std::string_view, TPoint, TColor) override {}
    void HideScrollHint() override {}
};

class StringClipboard : public TClipboard {
public:
    std::string text;
    bool SetTextAndBlock(std::string_view t, std::string_view) override {
        text = t;
        return true;
    }
    bool HasText() const override { return !text.empty(); }
    std::string Text() const override { return text; }
    bool HasBlock() const override { return false; }
    std::optional<std::string> Block() const override { return std::nullopt; }
};

// One loaded editor per document size, shared by the benchmarks of that size.
constexpr size_t kMegabyte = 1000u * 1000u;

struct Document {
    MetricsOnlyHost host;
    StringClipboard clipboard;
    TSynEdit editor;
    explicit Document(size_t bytes) {
        editor.SetHost(&host);
        editor.SetClipboard(&clipboard);
        editor.SetOptions(editor.Options() | eoAutoIndent);
        std::istringstream stream(GenerateCLikeText(bytes));
        editor.Lines().LoadStream(stream);
    }
    void caretToMiddle(int32_t offsetLines = 0) {
        int32_t line = editor.Lines().Count() / 2 + offsetLines;
        editor.SetCaretPos({int32_t(editor.Lines().LineAt(line - 1).size() / 2) + 1, line});
        editor.PlaceAnchor(editor.CaretPos());
    }
};

Document& document(size_t bytes) {
    static std::map<size_t, std::unique_ptr<Document>> documents;
    auto& slot = documents[bytes];
    if (!slot) slot = std::make_unique<Document>(bytes);
    return *slot;
}



// Runs the command once per iteration in the middle of the document, moving the caret to
// another line (untimed) every 64 runs, before what the runs leave behind starts to cost.
// spread: how far apart, in lines, the places lie.
void RunInMiddle(benchmark::State& state, TSynEditorCommand command, char aChar, int32_t spread) {
    Document& doc = document(size_t(state.range(0)) * kMegabyte);
    doc.caretToMiddle();
    int64_t runs = 0;
    int32_t place = 0;
    for (auto _ : state) {
        doc.editor.RunCommand(command, aChar, nullptr);
        if (++runs % 64 == 0) {
            state.PauseTiming();
            place = (place + spread) % (doc.editor.Lines().Count() / 2);
            doc.caretToMiddle(place - doc.editor.Lines().Count() / 4);
            state.ResumeTiming();
        }
    }
    state.counters["lines"] = double(doc.editor.Lines().Count());
}

// The line typed into would grow long enough to cost more itself.
void BM_TypeCharInMiddle(benchmark::State& state) { RunInMiddle(state, ecChar, 'x', 1); }
BENCHMARK(BM_TypeCharInMiddle)->Arg(1)->Arg(20)->Arg(100)->Unit(benchmark::kMicrosecond);

// Far from the blank lines made at the last place: auto indent walks up through them.
void BM_EnterWithAutoIndent(benchmark::State& state) { RunInMiddle(state, ecLineBreak, '\0', 104729); }
BENCHMARK(BM_EnterWithAutoIndent)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_BackspaceJoiningLines(benchmark::State& state) {
    Document& doc = document(size_t(state.range(0)) * kMegabyte);
    int32_t line = doc.editor.Lines().Count() / 4;
    for (auto _ : state) {
        // Two short lines each time, so that no line grows from one join to the next.
        state.PauseTiming();
        line = line + 1 < doc.editor.Lines().Count() ? line + 1 : 2;
        doc.editor.SetCaretPos({1, line});
        state.ResumeTiming();
        doc.editor.RunCommand(ecDeleteLastChar, '\0', nullptr);
    }
}
BENCHMARK(BM_BackspaceJoiningLines)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

// Edits in the middle of a single 10 MB line (the generated text without its breaks), with
// the options the editor starts with (trailing blanks trimmed), no highlighter. Each run
// times one key; an untimed key after it gives the line its length back.
enum TLongLineEdit { llBackspace, llDelete, llOverwrite, llTypeAtEnd, llTypeInMiddle };

void BM_LongLineEdit(benchmark::State& state) {
    const auto edit = TLongLineEdit(state.range(0));
    MetricsOnlyHost host;
    TSynEdit editor;
    editor.SetHost(&host);
    std::string text = GenerateCLikeText(10 * kMegabyte);
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::istringstream stream(text);
    editor.Lines().LoadStream(stream);
    const int32_t length = int32_t(editor.Lines().LineAt(0).size());
    const TBufferCoord middle{length / 2, 1}, end{length + 1, 1};
    editor.SetInsertMode(edit != llOverwrite);
    auto run = [&](TSynEditorCommand command, char aChar) { editor.RunCommand(command, aChar, nullptr); };
    for (auto _ : state) {
        state.PauseTiming();
        editor.SetCaretPos(edit == llTypeAtEnd ? end : middle);
        state.ResumeTiming();
        switch (edit) {
        case llBackspace: run(ecDeleteLastChar, '\0'); break;
        case llDelete: run(ecDeleteChar, '\0'); break;
        case llOverwrite:
        case llTypeAtEnd:
        case llTypeInMiddle: run(ecChar, 'x'); break;
        }
        state.PauseTiming();
        switch (edit) {
        case llBackspace:
        case llDelete: run(ecChar, 'x'); break;
        case llTypeAtEnd:
        case llTypeInMiddle: run(ecDeleteLastChar, '\0'); break;
        case llOverwrite: break;
        }
        state.ResumeTiming();
    }
    state.counters["line_bytes"] = double(editor.Lines().LineAt(0).size());
}
BENCHMARK(BM_LongLineEdit)
    ->ArgName("edit")
    ->DenseRange(llBackspace, llTypeInMiddle)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The first Enter in the middle of a freshly loaded file of so many megabytes (second
// argument 1) against the second one (2): loading reserves the line records at once, so the
// first finds them in place.
void BM_EnterAfterLoad(benchmark::State& state) {
    const std::string path = CLikeFile(size_t(state.range(0)) * kMegabyte);
    const int timedEnter = int(state.range(1));
    for (auto _ : state) {
        TSynEdit editor;
        MetricsOnlyHost host;
        editor.SetHost(&host);
        editor.SetOptions(editor.Options() | eoAutoIndent);
        editor.Lines().LoadFile(path);
        const int32_t line = editor.Lines().Count() / 2;
        editor.SetCaretPos({1, line});
        // The thread's own processor time: on a loaded machine the wall clock mostly shows
        // when the scheduler takes the processor away after the long load.
        for (int enter = 1; enter <= timedEnter; ++enter) {
            const double start = ThreadSeconds();
            editor.RunCommand(ecLineBreak, '\0', nullptr);
            const double stop = ThreadSeconds();
            if (enter == timedEnter) state.SetIterationTime(stop - start);
        }
    }
}
BENCHMARK(BM_EnterAfterLoad)->ArgsProduct({{1, 100}, {1, 2}})->Iterations(5)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_UndoOfOneMegabytePaste(benchmark::State& state) {
    Document& doc = document(size_t(state.range(0)) * kMegabyte);
    doc.clipboard.text = GenerateCLikeText(kMegabyte, "\r\n");
    doc.caretToMiddle();
    doc.editor.RunCommand(ecPaste, '\0', nullptr);
    for (auto _ : state) {
        doc.editor.RunCommand(ecUndo, '\0', nullptr);
        state.PauseTiming();
        doc.editor.RunCommand(ecRedo, '\0', nullptr);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOfOneMegabytePaste)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_SelectAllAndReadSelectedText(benchmark::State& state) {
    Document& doc = document(100 * kMegabyte);
    size_t bytes = 0;
    for (auto _ : state) {
        doc.editor.SelectWholeText();
        std::string text = doc.editor.SelectedText();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_SelectAllAndReadSelectedText)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same number of bytes copied once from one string into a new one.
void BM_BaselineCopyTextOnce(benchmark::State& state) {
    Document& doc = document(100 * kMegabyte);
    doc.editor.SelectWholeText();
    const std::string source = doc.editor.SelectedText();
    for (auto _ : state) {
        std::string copy = source;
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}
BENCHMARK(BM_BaselineCopyTextOnce)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tavlo::bench

BENCHMARK_MAIN();
