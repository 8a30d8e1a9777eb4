// Printing the generated 100 MB document (about 2.5 million lines), with the preview
// window's job settings and the Pascal highlighter attached:
// - laying out all its pages (highlighter ranges, wrapping of long lines, page starts);
// - one preview page, from the page change to the painted control (1000 x 800 pixels at
//   100 %), for the first page, one in the middle and the last one.
#include "BenchCorpus.h"
#include "QtBench.h"

#include "app/PrintJobSetup.h"
#include "editor/SynEditTextBuffer.h"
#include "highlighters/SynHighlighterPas.h"
#include "platform/qt/SynEditPrintPreviewWidget.h"

#include <QImage>

using namespace tavlo;

namespace {

const TSynEditStringList& Document() {
    static const TSynEditStringList* lines = [] {
        auto* loaded = new TSynEditStringList;
        loaded->LoadFile(tavlo::bench::CLikeFile(tavlo::bench::kHundredMegabytes));
        return loaded;
    }();
    return *lines;
}

void BM_Paginate100MB(benchmark::State& state) {
    TSynPasSyn pascal;
    TSynEditPrint job;
    ConfigurePrintJob(job);
    SetPrintedDocument(job, Document(), &pascal, tavlo::bench::BenchEditorFont());
    TheTextDrawer drawer(0, tavlo::bench::BenchEditorFont());
    for (auto _ : state) {
        job.SetHighlighter(&pascal); // ranges are computed again each time
        job.UpdatePages(drawer);
        benchmark::DoNotOptimize(job.PageCount());
    }
    state.counters["pages"] = job.PageCount();
    state.counters["lines"] = Document().Count();
    job.SetHighlighter(nullptr);
}

void BM_PreviewPage(benchmark::State& state) {
    TSynPasSyn pascal;
    TSynEditPrint job;
    ConfigurePrintJob(job);
    SetPrintedDocument(job, Document(), &pascal, tavlo::bench::BenchEditorFont());
    TSynEditPrintPreviewWidget widget;
    widget.resize(1000, 800);
    TSynEditPrintPreview& preview = widget.Preview();
    preview.SetMeasuringDrawer(&widget.Drawer());
    preview.SetSynEditPrint(&job);
    preview.UpdatePreview();
    const int count = preview.PageCount();
    const int target = std::max(1, static_cast<int>(int64_t(count) * state.range(0) / 100));
    while (preview.PageNumber() < target - 1) preview.NextPage();
    QImage image(widget.viewport()->size(), QImage::Format_RGB32);
    bool forward = true;
    for (auto _ : state) {
        // Alternate between the target page and its neighbour, so every paint is a new page.
        if (forward) preview.NextPage(); else preview.PreviousPage();
        forward = !forward;
        widget.viewport()->render(&image);
    }
    state.counters["page"] = target;
    state.counters["of_pages"] = count;
    preview.SetSynEditPrint(nullptr);
    job.SetHighlighter(nullptr);
}

BENCHMARK(BM_Paginate100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_PreviewPage)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

TAVLO_QT_BENCHMARK_MAIN();
