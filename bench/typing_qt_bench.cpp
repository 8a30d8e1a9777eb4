// One typed character in the editor widget, from the key event to the painted row: in a
// 100 MB document (about 2.5 million lines) against a one-screen document, without and
// with a highlighter, and in the middle of a single 10 MB line: the generated text with its
// line breaks made blanks (an early "//" comment then covers the line for Pascal), the same
// without its comments (many tokens, as in minified code), and that line between two
// thousand short ones, where the range at its end matters. With the default options the
// caret stops at MaxLeftChar (column 1024) on its way to the middle, so the key is typed there.
// Only the typed key is timed, in wall time and in the CPU time of the editor's thread
// (cpu_us_per_key); a Backspace between keys keeps the line as it was.
//
// A character put into the middle of the 10 MB line with the view scrolled there (without
// eoScrollPastEol the view follows the whole line): the buffer's in-place insertion as typing
// makes it, with the mending of ranges and the repaint it causes.
#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <memory>

#include "BenchCorpus.h"
#include "highlighters/SynHighlighterPas.h"
#include "platform/qt/SynEditWidget.h"

using namespace tavlo;

namespace {

// Counts the paints of the editor's viewport, to show that every key was painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// How the generated text is laid out.
enum TShape { shLines, shOneLine, shOneLineWithoutComments, shLongLineInDocument, shOneLineWithTabs };

// The generated text without its "//" comments.
std::string withoutLineComments(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t comment = text.find("//", at);
        if (comment == std::string::npos) {
            result.append(text, at);
            break;
        }
        result.append(text, at, comment - at);
        at = std::min(text.find('\n', comment), text.size());
    }
    return result;
}

struct TypingSetup {
    TSynEditWidget widget;
    TSynPasSyn highlighter;
    PaintCounter counter;

    // With one long line, the caret goes to its middle, as far as the options let it.
    TypingSetup(size_t bytes, bool highlight, TShape shape = shLines, bool scrollPastEol = true) {
        widget.resize(1000, 800);
        widget.show();
        widget.setFocus();
        QApplication::processEvents();
        TSynEdit& editor = widget.Engine();
        std::string text = bench::GenerateCLikeText(bytes);
        if (shape != shLines && shape != shOneLine) text = withoutLineComments(text);
        int32_t longLine = 1;
        size_t longLength = text.size();
        // Joined by tabs, the line is painted from its expansion.
        if (shape != shLines) std::replace(text.begin(), text.end(), '\n', shape == shOneLineWithTabs ? '\t' : ' ');
        if (shape == shLongLineInDocument) {
            const std::string around = bench::GenerateCLikeText(40'000);
            text = around + text + "\n" + around;
            longLine = int32_t(std::count(around.begin(), around.end(), '\n')) + 1;
        }
        editor.Lines().SetAllText(text);
        if (highlight) editor.SetHighlighter(&highlighter);
        if (!scrollPastEol) editor.SetOptions(editor.Options() & ~eoScrollPastEol);
        if (shape != shLines)
            editor.SetCaretPos({int32_t(longLength / 2), longLine});
        else
            editor.SetCaretPos({5, editor.Lines().Count() / 2});
        editor.ScrollCaretIntoView(true);
        paintPending();
        widget.viewport()->installEventFilter(&counter);
    }
    ~TypingSetup() { widget.Engine().SetHighlighter(nullptr); }

    void paintPending() { QCoreApplication::sendPostedEvents(widget.window(), QEvent::UpdateRequest); }
    void key(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(&widget, &press);
        paintPending();
    }
};

// Seconds of CPU time the calling thread has used.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void BM_TypedCharacterPainted(benchmark::State& state) {
    auto setup = std::make_unique<TypingSetup>(size_t(state.range(0)), state.range(1) != 0, TShape(state.range(2)));
    const int32_t lines = setup->widget.Engine().Lines().Count();
    double keyCpu = 0;
    for (auto _ : state) {
        const double cpuStart = threadCpuSeconds();
        auto start = std::chrono::steady_clock::now();
        setup->key(Qt::Key_X, QStringLiteral("x"));
        auto end = std::chrono::steady_clock::now();
        keyCpu += threadCpuSeconds() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        setup->key(Qt::Key_Backspace, QStringLiteral("\b"));
    }
    state.counters["lines"] = lines;
    state.counters["cpu_us_per_key"] = keyCpu * 1e6 / double(state.iterations());
    state.counters["paints_per_key"] = double(setup->counter.paints) / double(2 * state.iterations());
}

BENCHMARK(BM_TypedCharacterPainted)
    ->ArgNames({"bytes", "highlighter", "shape"})
    ->Args({2000, 0, shLines})
    ->Args({int64_t(bench::kHundredMegabytes), 0, shLines})
    ->Args({2000, 1, shLines})
    ->Args({int64_t(bench::kHundredMegabytes), 1, shLines})
    ->Args({10'000'000, 0, shOneLine})
    ->Args({10'000'000, 1, shOneLine})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);

// Fewer keys where a key may cost tens of milliseconds.
BENCHMARK(BM_TypedCharacterPainted)
    ->ArgNames({"bytes", "highlighter", "shape"})
    ->Args({10'000'000, 0, shOneLineWithoutComments})
    ->Args({10'000'000, 1, shOneLineWithoutComments})
    ->Args({10'000'000, 1, shLongLineInDocument})
    ->Args({10'000'000, 0, shOneLineWithTabs})
    ->Args({10'000'000, 1, shOneLineWithTabs})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

void BM_CharacterInsertedDeepInLongLine(benchmark::State& state) {
    TypingSetup setup(10'000'000, state.range(0) != 0, TShape(state.range(1)), false);
    TSynEdit& editor = setup.widget.Engine();
    const TBufferCoord caret = editor.CaretPos();
    double keyCpu = 0;
    for (auto _ : state) {
        const double cpuStart = threadCpuSeconds();
        auto start = std::chrono::steady_clock::now();
        editor.Lines().InsertInLine(caret.Line - 1, size_t(caret.Char - 1), "x");
        setup.paintPending();
        auto end = std::chrono::steady_clock::now();
        keyCpu += threadCpuSeconds() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["first_column"] = editor.FirstVisibleColumn();
    state.counters["cpu_us_per_key"] = keyCpu * 1e6 / double(state.iterations());
    state.counters["paints_per_key"] = double(setup.counter.paints) / double(state.iterations());
}

BENCHMARK(BM_CharacterInsertedDeepInLongLine)
    ->ArgNames({"highlighter", "shape"})
    ->Args({0, shOneLineWithoutComments})
    ->Args({1, shOneLineWithoutComments})
    ->Args({1, shLongLineInDocument})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

// "{" typed at the start of line 1 of a document without braces, scanned by the Pascal
// highlighter: the comment it opens runs to the end of the text. Each phase times one step
// with its repaint, from the state the steps before it leave (ranges completed in idle time
// before the first): 0 typing "{", 1 deleting it again, 2 Ctrl+End after typing it,
// 3 Ctrl+End after typing and deleting it. Idle time never runs between the steps.
enum TBracePhase { bpType, bpDelete, bpEndAfterType, bpEndAfterDelete };

TypingSetup& braceSetup(size_t bytes) {
    static std::map<size_t, std::unique_ptr<TypingSetup>> setups;
    auto& setup = setups[bytes];
    if (!setup) setup = std::make_unique<TypingSetup>(bytes, true);
    return *setup;
}

void BM_BraceAtLine1(benchmark::State& state) {
    TypingSetup& setup = braceSetup(size_t(state.range(0)));
    TSynEdit& editor = setup.widget.Engine();
    const auto phase = TBracePhase(state.range(1));
    auto step = [&](bool timed, auto&& action) {
        auto start = std::chrono::steady_clock::now();
        action();
        auto end = std::chrono::steady_clock::now();
        if (timed) state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    };
    auto typeBrace = [&] { setup.key(Qt::Key_BraceLeft, QStringLiteral("{")); };
    auto deleteBrace = [&] { setup.key(Qt::Key_Backspace, QStringLiteral("\b")); };
    auto controlEnd = [&] { setup.key(Qt::Key_End, QString(), Qt::ControlModifier); };
    for (auto _ : state) {
        state.PauseTiming();
        while (editor.DoIdleWork()) {}
        setup.key(Qt::Key_Home, QString(), Qt::ControlModifier);
        state.ResumeTiming();
        step(phase == bpType, typeBrace);
        if (phase == bpEndAfterType) {
            step(true, controlEnd);
            state.PauseTiming();
            setup.key(Qt::Key_Home, QString(), Qt::ControlModifier);
            setup.key(Qt::Key_Delete, QString());
            state.ResumeTiming();
            continue;
        }
        step(phase == bpDelete, deleteBrace);
        if (phase == bpEndAfterDelete) step(true, controlEnd);
    }
    state.counters["lines"] = editor.Lines().Count();
}

BENCHMARK(BM_BraceAtLine1)
    ->ArgNames({"bytes", "phase"})
    ->ArgsProduct({{1000000, int64_t(bench::kHundredMegabytes)}, {bpType, bpDelete, bpEndAfterType, bpEndAfterDelete}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

TAVLO_QT_BENCHMARK_MAIN()
