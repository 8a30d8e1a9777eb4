#include "platform/qt/SynTextDrawer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include "editor/PolishCharsets.h"

using namespace tavlo;

namespace {

class TextDrawerTest : public ::testing::Test {
protected:

    static TFontDesc font(const char* name, int32_t height, TFontStyles style = 0) {
        TFontDesc f;
        f.Name = name;
        f.Height = height;
        f.Style = style;
        return f;
    }

    static QImage blankImage(int width = 400, int height = 40) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    // Columns holding a dark pixel.
    static std::vector<int> inkColumns(const QImage& image) {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    columns.push_back(x);
                    break;
                }
        return columns;
    }

    // First ink column at or right of `from`, -1 if none.
    static int firstInkFrom(const std::vector<int>& columns, int from) {
        for (int x : columns)
            if (x >= from) return x;
        return -1;
    }

    static void drawRun(TheTextDrawer& drawer, QImage& image, std::string_view text,
                        TTextOutOptions options = etoOpaque) {
        QPainter painter(&image);
        TQtDrawSurface surface(painter);
        drawer.SetForeColor(clBlack);
        drawer.SetBackColor(clWhite);
        drawer.BeginDrawing(surface);
        drawer.WriteRun(0, 0, options, {0, 0, image.width(), drawer.CharHeight()}, text);
        drawer.EndDrawing();
    }
};

} // namespace

TEST_F(TextDrawerTest, EqualFontsShareOneRecord) {
    TheFontsInfoManager& manager = TheFontsInfoManager::Instance();
    const int before = manager.RecordCount();
    {
        TheTextDrawer first(fsBold, font("DejaVu Sans Mono", -13));
        // Colour and the style a variant sets itself do not make a different font.
        TFontDesc same = font("DejaVu Sans Mono", -13, fsItalic | fsUnderline);
        same.Color = clRed;
        TheTextDrawer second(fsBold, same);
        SharedFontInfo* shared = first.FontStock().Info();
        EXPECT_EQ(second.FontStock().Info(), shared);
        EXPECT_EQ(shared->Users, 2);
        EXPECT_EQ(manager.RecordCount(), before + 1);

        second.SetBaseFont(font("DejaVu Sans Mono", -16));
        EXPECT_NE(second.FontStock().Info(), shared);
        EXPECT_EQ(first.FontStock().Info(), shared);
        EXPECT_EQ(shared->Users, 1);
        EXPECT_EQ(manager.RecordCount(), before + 2);
        EXPECT_GT(second.CharHeight(), first.CharHeight());

        second.SetBaseFont(font("DejaVu Sans Mono", -16)); // the same again: nothing new
        EXPECT_EQ(second.FontStock().Info()->Users, 1);
        EXPECT_EQ(manager.RecordCount(), before + 2);
    }
    EXPECT_EQ(manager.RecordCount(), before);
}

TEST_F(TextDrawerTest, StyleVariantsAreMadeOnceAndReleasedWithTheLastLock) {
    TheTextDrawer first(fsBold, font("DejaVu Sans Mono", -12));
    TheTextDrawer second(fsBold, font("DejaVu Sans Mono", -12));
    SharedFontInfo* info = first.FontStock().Info();
    EXPECT_EQ(info->HandleCount(), 2); // the measuring style and the font's own
    first.SetStyle(fsItalic);
    first.SetStyle(fsItalic);
    second.SetStyle(fsItalic);
    EXPECT_EQ(info->HandleCount(), 3);
    for (int style = 0; style < 32; ++style)
        second.SetStyle(TFontStyles(style));
    EXPECT_EQ(info->HandleCount(), 16);
    EXPECT_EQ(info->HandleLocks, 2);

    first.ReleaseTemporaryResources();
    EXPECT_EQ(info->HandleCount(), 16); // the other drawer still holds them
    second.ReleaseTemporaryResources();
    EXPECT_EQ(info->HandleLocks, 0);
    EXPECT_EQ(info->HandleCount(), 0);

    // Drawing afterwards makes the needed font again.
    QImage image = blankImage();
    drawRun(first, image, "abc");
    EXPECT_FALSE(inkColumns(image).empty());
    EXPECT_EQ(info->HandleCount(), 1);
}

TEST_F(TextDrawerTest, CellWidthComesFromTheMeasuringStyle) {
    const TFontDesc proportional = font("DejaVu Sans", -20);
    QFont normal = MakeQFont(NormalisedLogFont(proportional), 0);
    QFont bold = MakeQFont(NormalisedLogFont(proportional), fsBold);
    const int normalWidth = QFontMetrics(normal).horizontalAdvance(QChar('M'));
    const int boldWidth = QFontMetrics(bold).horizontalAdvance(QChar('M'));
    if (boldWidth <= normalWidth) GTEST_SKIP() << "no font with a wider bold variant";

    TheTextDrawer drawer(fsBold, proportional);
    EXPECT_EQ(drawer.CharWidth(), boldWidth);
    drawer.SelectMeasureStyle(0);
    EXPECT_EQ(drawer.CharWidth(), normalWidth);
    drawer.SelectMeasureStyle(fsBold);
    EXPECT_EQ(drawer.CharWidth(), boldWidth);
    EXPECT_EQ(drawer.Style(), 0); // measuring leaves the drawing style alone
}

TEST_F(TextDrawerTest, EveryCharacterTakesOneCellBoldOrNot) {
    // A proportional font shows any drift: narrow spaces and wide letters.
    TheTextDrawer drawer(fsBold, font("DejaVu Sans", -20));
    const int cell = drawer.CharWidth();
    for (TFontStyles style : {TFontStyles(0), TFontStyles(fsBold), TFontStyles(fsItalic)}) {
        drawer.SetStyle(style);
        QImage image = blankImage();
        drawRun(drawer, image, "W  Wiiii W");
        std::vector<int> ink = inkColumns(image);
        int firstW = firstInkFrom(ink, 0);
        ASSERT_GE(firstW, 0);
        EXPECT_EQ(firstInkFrom(ink, 2 * cell), firstW + 3 * cell) << "style " << int(style);
        EXPECT_EQ(firstInkFrom(ink, 8 * cell + cell / 2), firstW + 9 * cell)
            << "style " << int(style);
    }
}

TEST_F(TextDrawerTest, AdvanceArrayGrowsInStepsOf64) {
    TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -12));
    QImage image = blankImage(1200);
    EXPECT_EQ(drawer.AdvanceArrayLength(), 0);
    drawRun(drawer, image, std::string(10, 'x'));
    EXPECT_EQ(drawer.AdvanceArrayLength(), 64);
    drawRun(drawer, image, std::string(64, 'x'));
    EXPECT_EQ(drawer.AdvanceArrayLength(), 64);
    drawRun(drawer, image, std::string(65, 'x'));
    EXPECT_EQ(drawer.AdvanceArrayLength(), 128);
    drawRun(drawer, image, std::string(200, 'x'));
    EXPECT_EQ(drawer.AdvanceArrayLength(), 256);
    drawer.SelectMeasureStyle(0); // the cell may change: rebuilt on the next run
    EXPECT_EQ(drawer.AdvanceArrayLength(), 0);
}

TEST_F(TextDrawerTest, NestedDrawingRestoresThePainterOnce) {
    TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -12));
    QImage image = blankImage();
    QPainter painter(&image);
    const QFont ownFont("Nimbus Sans", 30);
    painter.setPen(Qt::green);
    painter.setFont(ownFont);
    TQtDrawSurface surface(painter);
    TQtDrawSurface sameContext(painter);

    drawer.SetForeColor(clRed);
    drawer.BeginDrawing(surface);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
    drawer.BeginDrawing(sameContext);
    drawer.SetForeColor(clBlue);
    drawer.EndDrawing();
    EXPECT_TRUE(drawer.IsDrawing());
    EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
    drawer.EndDrawing();
    EXPECT_FALSE(drawer.IsDrawing());
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(painter.font(), ownFont);
}

TEST_F(TextDrawerTest, OpaqueClippedRunsStayInTheirRectangle) {
    TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -14));
    QImage image = blankImage();
    {
        QPainter painter(&image);
        TQtDrawSurface surface(painter);
        drawer.BeginDrawing(surface);
        drawer.SetBackColor(clBlue);
        drawer.FillBackground({10, 5, 20, 15});
        drawer.SetForeColor(clBlack);
        drawer.SetBackColor(clWhite);
        // The rectangle covers one and a half cells of "WW".
        const int cells = drawer.CharWidth() * 3 / 2;
        drawer.WriteRun(100, 0, etoOpaque | etoClipped, {100, 0, 100 + cells, 20}, "WWWW");
        drawer.EndDrawing();
    }
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(19, 14), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(20, 14), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(9, 5), QColor(Qt::white));
    std::vector<int> ink = inkColumns(image);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(firstInkFrom(ink, 21), 100);
    EXPECT_LT(ink.back(), 100 + drawer.CharWidth() * 3 / 2);
}

TEST_F(TextDrawerTest, BytesBecomeCharactersThroughTheCodePage) {
    TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -16));
    QImage cp1250 = blankImage();
    drawRun(drawer, cp1250, "\xB9\xB3"); // ą ł in Windows-1250
    drawer.SetCodePage(CodePageCharacters(psCp852));
    QImage cp852 = blankImage();
    drawRun(drawer, cp852, "\xA5\x88"); // the same letters in code page 852
    EXPECT_EQ(cp1250, cp852);
    QImage latin = blankImage();
    drawRun(drawer, latin, "al");
    EXPECT_NE(cp1250, latin);

    // A zero byte shows as a visible mark; a space shows nothing.
    QImage zero = blankImage();
    drawRun(drawer, zero, std::string_view("\0", 1));
    EXPECT_FALSE(inkColumns(zero).empty());
    QImage space = blankImage();
    drawRun(drawer, space, " ");
    EXPECT_TRUE(inkColumns(space).empty());
}

TEST_F(TextDrawerTest, LinesAndBookmarkGlyphs) {
    TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -12));
    QImage image = blankImage(100, 60);
    {
        QPainter painter(&image);
        TQtDrawSurface surface(painter);
        drawer.BeginDrawing(surface);
        drawer.DrawLine({5, 2}, {5, 12}, clRed); // the end point stays unpainted
        drawer.DrawBookmarkGlyph(3, 30, 0, 40);  // taller row: centred
        drawer.DrawBookmarkGlyph(4, 60, 0, 6);   // shorter row: cut to its middle
        drawer.DrawBookmarkGlyph(10, 80, 0, 40); // no such glyph
        drawer.EndDrawing();
    }
    EXPECT_EQ(image.pixelColor(5, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 11), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 12), QColor(Qt::white));

    auto paintedRows = [&](int x0, int x1) {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = x0; x < x1; ++x)
                if (image.pixelColor(x, y) != QColor(Qt::white)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    std::vector<int> centred = paintedRows(30, 45);
    ASSERT_FALSE(centred.empty());
    EXPECT_EQ(centred.front(), 40 - 1 - centred.back()); // equal space above and below
    std::vector<int> cut = paintedRows(60, 75);
    ASSERT_FALSE(cut.empty());
    EXPECT_EQ(cut.front(), 0);
    EXPECT_LE(cut.back(), 5);
    EXPECT_TRUE(paintedRows(80, 100).empty());
}

TEST_F(TextDrawerTest, FontWithoutNameAndColours) {
    try {
        TheTextDrawer drawer(fsBold, font("DejaVu Sans Mono", -12));
        drawer.SetBaseFont(font("", -12));
        FAIL() << "a font without a name was taken";
    } catch (const EheTextDrawerException& e) {
        EXPECT_STREQ(e.what(), "SetBaseFont: 'Value' must be specified.");
    }
    EXPECT_THROW(TheTextDrawer(fsBold, font("", -12)), EheFontStockException);
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x804020), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(ToQColor(clHighlight), QGuiApplication::palette().color(QPalette::Highlight));
}
