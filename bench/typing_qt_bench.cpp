// One typed character in the editor widget, from the key event to the painted row: in a
// 100 MB document (about 2.5 million lines) against a one-screen document, without and
// with a highlighter. Only the typed key is timed; a Backspace between keys keeps the line
// as it was.
#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>

#include <chrono>
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

struct TypingSetup {
    TSynEditWidget widget;
    TSynPasSyn highlighter;
    PaintCounter counter;

    TypingSetup(size_t bytes, bool highlight) {
        widget.resize(1000, 800);
        widget.show();
        widget.setFocus();
        QApplication::processEvents();
        TSynEdit& editor = widget.Engine();
        editor.Lines().SetAllText(bench::GenerateCLikeText(bytes));
        if (highlight) editor.SetHighlighter(&highlighter);
        editor.SetCaretPos({5, editor.Lines().Count() / 2});
        editor.ScrollCaretIntoView(true);
        paintPending();
        widget.viewport()->installEventFilter(&counter);
    }
    ~TypingSetup() { widget.Engine().SetHighlighter(nullptr); }

    void paintPending() { QCoreApplication::sendPostedEvents(widget.window(), QEvent::UpdateRequest); }
    void key(int qtKey, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(&widget, &press);
        paintPending();
    }
};

void BM_TypedCharacterPainted(benchmark::State& state) {
    auto setup = std::make_unique<TypingSetup>(size_t(state.range(0)), state.range(1) != 0);
    const int32_t lines = setup->widget.Engine().Lines().Count();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        setup->key(Qt::Key_X, QStringLiteral("x"));
        auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        setup->key(Qt::Key_Backspace, QStringLiteral("\b"));
    }
    state.counters["lines"] = lines;
    state.counters["paints_per_key"] = double(setup->counter.paints) / double(2 * state.iterations());
}

BENCHMARK(BM_TypedCharacterPainted)
    ->ArgNames({"bytes", "highlighter"})
    ->Args({2000, 0})
    ->Args({int64_t(bench::kHundredMegabytes), 0})
    ->Args({2000, 1})
    ->Args({int64_t(bench::kHundredMegabytes), 1})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);

} // namespace

TAVLO_QT_BENCHMARK_MAIN()
