// The editor painted by the Qt text drawer into an image: a few pixels checked where the
// colours must be exact (gutter, selection, right edge).
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "../editor/FakeSynEditHost.h"
#include "editor/SynEdit.h"
#include "platform/qt/SynTextDrawer.h"

namespace tavlo {
namespace {

class PaintImageTest : public ::testing::Test {
protected:

    static TFontDesc monoFont() {
        TFontDesc font;
        font.Name = "DejaVu Sans Mono";
        font.Height = -13;
        return font;
    }

    PaintImageTest() : drawer(fsBold, monoFont()) {
        host.width = 400;
        host.height = 120;
        editor.SetHost(&host);
        editor.SetTextDrawer(&drawer);
        editor.SetFont(monoFont());
    }

    QImage paint() {
        QImage image(host.width, host.height, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        TQtDrawSurface surface(painter);
        editor.Paint(surface, {0, 0, host.width, host.height});
        return image;
    }

    static QRgb rgb(TColor color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

    test::FakeSynEditHost host;
    TheTextDrawer drawer;
    TSynEdit editor;
};

TEST_F(PaintImageTest, GutterSelectionAndRightEdgeLandOnTheirPixels) {
    editor.SetColor(clWhite);
    editor.Gutter().SetColor(clYellow);
    editor.SelectedColor().SetBackground(clBlue);
    editor.SelectedColor().SetForeground(clWhite);
    editor.SetRightEdge(10);
    editor.SetRightEdgeColor(clRed);
    editor.Lines().SetAllText("a    b\nsecond");
    editor.PlaceCaretAndSelection({5, 1}, {2, 1}, {5, 1});
    const QImage image = paint();

    const int32_t cell = editor.CellWidth(), row = editor.RowHeight(), gutter = editor.GutterWidth();
    ASSERT_GT(cell, 3);
    ASSERT_GT(gutter, 4);
    EXPECT_EQ(image.pixel(gutter / 2, row * 4), rgb(clYellow)) << "gutter";
    EXPECT_EQ(image.pixel(gutter - 1, row / 2), rgb(clYellow));
    EXPECT_EQ(image.pixel(gutter - 2, row / 2), rgb(clWhite)) << "the line left of the gap";

    // Columns 2..4 hold blanks: their cells are the selection colour through and through.
    auto cellX = [&](int32_t column) { return editor.TextLeft() + (column - 1) * cell; };
    for (int32_t column = 2; column <= 4; ++column) {
        EXPECT_EQ(image.pixel(cellX(column) + cell / 2, row / 2), rgb(clBlue)) << column;
        EXPECT_EQ(image.pixel(cellX(column), 0), rgb(clBlue)) << column;
    }
    EXPECT_EQ(image.pixel(cellX(5) + cell / 2, row / 2), rgb(clWhite)) << "the blank after the selection";
    EXPECT_EQ(image.pixel(cellX(1) - 1, row / 2), rgb(clWhite));

    // The right edge: one pixel wide at the left boundary of column 11, down every row.
    const int32_t edge = cellX(11);
    for (int32_t y : {0, row / 2, row * 3, host.height - 1}) {
        EXPECT_EQ(image.pixel(edge, y), rgb(clRed)) << y;
        EXPECT_EQ(image.pixel(edge - 1, y), rgb(clWhite)) << y;
        EXPECT_EQ(image.pixel(edge + 1, y), rgb(clWhite)) << y;
    }
    // Nothing of the black image shows through.
    for (int y = row * 2; y < image.height(); y += 3)
        for (int x = cellX(7) + 1; x < image.width(); x += 3)
            ASSERT_NE(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

} // namespace
} // namespace tavlo
