// Cost of painting the editor with the Qt text drawer into an image of 1200 x 900 pixels:
// about 60 rows of 140 columns of Pascal whose tokens change kind every few characters,
// coloured as the main window colours Pascal, with line numbers in the gutter.
// - a full repaint of the window;
// - a scroll by one line: the pixels move up one row and the uncovered strip is painted;
// - the same full repaint without a highlighter (one run per row), for the share of tokens;
// - moving the pixels alone, the part of the scroll that is not painting.
#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstring>
#include <random>
#include <string>

#include "../tests/editor/FakeSynEditHost.h"
#include "editor/SynEdit.h"
#include "highlighters/MainWindowHighlighters.h"
#include "platform/qt/SynTextDrawer.h"

using namespace tavlo;

namespace {

constexpr int32_t ClientWidth = 1200;
constexpr int32_t ClientHeight = 900;

// Lines of 140 to 160 characters: keywords, identifiers, numbers, strings, symbols and
// comments in short pieces.
std::string pascalDocument(int lines) {
    static const char* const pieces[] = {"begin ", "end; ", "Value", "Count", ":= ", "42", " + ", "$1F",
                                         "'text'", " * ", "(Index)", "[3]", "{ note } ", "if ", " then ",
                                         "3.14", "Result", " <> ", "nil", "#13", "; ", "while ", " do "};
    std::mt19937 random(2024);
    std::string text;
    for (int i = 0; i < lines; ++i) {
        std::string line = "  ";
        const size_t length = 140 + random() % 20;
        while (line.size() < length) line += pieces[random() % (sizeof pieces / sizeof *pieces)];
        text += line + "\n";
    }
    return text;
}

// The editor as the main window sets it up, in a window of the benchmark's size.
class TPaintedEditor {
public:
    explicit TPaintedEditor(bool highlighted) : m_drawer(fsBold, tavlo::bench::BenchEditorFont()) {
        m_host.width = ClientWidth;
        m_host.height = ClientHeight;
        Editor.SetHost(&m_host);
        Editor.SetTextDrawer(&m_drawer);
        Editor.SetFont(tavlo::bench::BenchEditorFont());
        Editor.Gutter().SetShowLineNumbers(true);
        Editor.Gutter().SetAutoSize(true);
        Editor.Gutter().SetUseFontStyle(false);
        Editor.Lines().SetAllText(pascalDocument(2000));
        ConfigureMainWindowPascal(m_pascal);
        if (highlighted) Editor.SetHighlighter(&m_pascal);
        Image.fill(Qt::white);
    }
    ~TPaintedEditor() { Editor.SetHighlighter(nullptr); }

    void paint(const TRect& clip) {
        QPainter painter(&Image);
        painter.setClipRect(clip.Left, clip.Top, clip.Right - clip.Left, clip.Bottom - clip.Top);
        TQtDrawSurface surface(painter);
        Editor.Paint(surface, clip);
    }

    TSynEdit Editor;
    QImage Image{ClientWidth, ClientHeight, QImage::Format_RGB32};

private:
    test::FakeSynEditHost m_host;
    TheTextDrawer m_drawer;
    TSynPasSyn m_pascal;
};

void fullRepaint(benchmark::State& state, bool highlighted) {
    TPaintedEditor painted(highlighted);
    const TRect all{0, 0, ClientWidth, ClientHeight};
    for (auto _ : state) painted.paint(all);
    state.counters["rows"] = painted.Editor.VisibleRows();
    state.counters["columns"] = painted.Editor.VisibleColumns();
}

void BM_FullRepaint(benchmark::State& state) { fullRepaint(state, true); }
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_FullRepaintWithoutHighlighter(benchmark::State& state) { fullRepaint(state, false); }
BENCHMARK(BM_FullRepaintWithoutHighlighter)->Unit(benchmark::kMillisecond);

void moveUp(QImage& image, int32_t pixels) {
    const size_t rowBytes = size_t(image.bytesPerLine());
    std::memmove(image.scanLine(0), image.scanLine(pixels), rowBytes * size_t(image.height() - pixels));
}

// What the window does for a one-line scroll: move the pixels, paint the uncovered strip.
void BM_ScrollOneLine(benchmark::State& state) {
    TPaintedEditor painted(true);
    TSynEdit& editor = painted.Editor;
    painted.paint({0, 0, ClientWidth, ClientHeight});
    const int32_t rowHeight = editor.RowHeight();
    const int32_t lastTop = editor.Lines().Count() - editor.VisibleRows();
    for (auto _ : state) {
        if (editor.FirstVisibleLine() >= lastTop) {
            state.PauseTiming();
            editor.SetFirstVisibleLine(1);
            painted.paint({0, 0, ClientWidth, ClientHeight});
            state.ResumeTiming();
        }
        editor.SetFirstVisibleLine(editor.FirstVisibleLine() + 1);
        moveUp(painted.Image, rowHeight);
        painted.paint({0, ClientHeight - rowHeight, ClientWidth, ClientHeight});
    }
}
BENCHMARK(BM_ScrollOneLine)->Unit(benchmark::kMicrosecond);

void BM_ScrollPixelsOnly(benchmark::State& state) {
    TPaintedEditor painted(true);
    painted.paint({0, 0, ClientWidth, ClientHeight});
    const int32_t rowHeight = painted.Editor.RowHeight();
    for (auto _ : state) moveUp(painted.Image, rowHeight);
}
BENCHMARK(BM_ScrollPixelsOnly)->Unit(benchmark::kMicrosecond);

} // namespace

TAVLO_QT_BENCHMARK_MAIN()
