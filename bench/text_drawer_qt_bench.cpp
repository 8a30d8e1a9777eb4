// Cost of drawing editor rows through the grid text drawer, against the two plain ways
// Qt offers: one drawText per row (no grid: columns drift in proportional or bold text)
// and one drawText per character (a grid, the naive way).
#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <sstream>
#include <string>
#include <vector>

#include "BenchCorpus.h"
#include "platform/qt/SynTextDrawer.h"

using namespace tavlo;

namespace {

constexpr int RowWidth = 1200;
constexpr int RowHeight = 20;

const std::vector<std::string>& rows() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result;
        std::istringstream text(bench::GenerateCLikeText(64 * 1024));
        for (std::string line; std::getline(text, line);)
            result.push_back(line);
        return result;
    }();
    return lines;
}

void BM_GridDrawerRow(benchmark::State& state) {
    const std::vector<std::string>& lines = rows();
    QImage image(RowWidth, RowHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtDrawSurface surface(painter);
    TheTextDrawer drawer(fsBold, tavlo::bench::BenchEditorFont());
    drawer.SetForeColor(clBlack);
    drawer.SetBackColor(clWhite);
    drawer.BeginDrawing(surface);
    size_t i = 0, chars = 0;
    for (auto _ : state) {
        const std::string& line = lines[i++ % lines.size()];
        drawer.WriteRun(0, 0, etoOpaque | etoClipped, {0, 0, RowWidth, RowHeight}, line);
        chars += line.size();
    }
    drawer.EndDrawing();
    state.SetItemsProcessed(int64_t(chars));
}
BENCHMARK(BM_GridDrawerRow);

// The plain Qt ways: the row is filled, then drawRow(painter, line, ascent, cell) draws it.
template <class DrawRow> void runQtBaseline(benchmark::State& state, DrawRow drawRow) {
    const std::vector<std::string>& lines = rows();
    QImage image(RowWidth, RowHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(MakeQFont(NormalisedLogFont(tavlo::bench::BenchEditorFont()), 0));
    const int ascent = painter.fontMetrics().ascent();
    const int cell = painter.fontMetrics().horizontalAdvance(QChar('M'));
    size_t i = 0, chars = 0;
    for (auto _ : state) {
        const std::string& line = lines[i++ % lines.size()];
        painter.fillRect(0, 0, RowWidth, RowHeight, Qt::white);
        drawRow(painter, line, ascent, cell);
        chars += line.size();
    }
    state.SetItemsProcessed(int64_t(chars));
}

void BM_QtDrawTextRow(benchmark::State& state) {
    runQtBaseline(state, [](QPainter& painter, const std::string& line, int ascent, int) {
        painter.drawText(QPointF(0, ascent),
                         QString::fromLatin1(line.data(), qsizetype(line.size())));
    });
}
BENCHMARK(BM_QtDrawTextRow);

void BM_QtDrawTextPerCharacter(benchmark::State& state) {
    runQtBaseline(state, [](QPainter& painter, const std::string& line, int ascent, int cell) {
        for (size_t c = 0; c < line.size(); ++c)
            painter.drawText(QPointF(double(c) * cell, ascent),
                             QString(QChar::fromLatin1(line[c])));
    });
}
BENCHMARK(BM_QtDrawTextPerCharacter);

} // namespace

TAVLO_QT_BENCHMARK_MAIN()
