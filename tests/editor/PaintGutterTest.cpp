// Painting of the gutter: line numbers, edge lines and bookmark glyphs.
#include "PaintFixture.h"

namespace tavlo::test {
namespace {

class PaintGutterTest : public PaintFixture {};

TEST_F(PaintGutterTest, NumbersAreRightAlignedBetweenTheEdgeLines) {
    editor.Gutter().SetShowLineNumbers(true);
    setText("a\nb\nc");
    editor.Gutter().SetColor(clGray);
    paint();
    std::vector<TDrawCall> numbers = callsOf(TDrawCall::Simple);
    ASSERT_EQ(numbers.size(), 3u);
    const int32_t gutter = editor.GutterWidth();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(numbers[size_t(i)].Text, "   " + std::to_string(i + 1));
        EXPECT_EQ(numbers[size_t(i)].Y, i * 16);
        EXPECT_EQ(numbers[size_t(i)].X, gutter - editor.Gutter().RightOffset() - 4 * 8 - 2);
        EXPECT_EQ(numbers[size_t(i)].Style, 0) << "the gutter's own font";
    }
    std::vector<TDrawCall> lines = callsOf(TDrawCall::Line);
    auto hasLine = [&](int32_t x, TColor color) {
        return std::any_of(lines.begin(), lines.end(), [&](const TDrawCall& line) {
            return line.X == x && line.To.X == x && line.Fore == color && line.Y == 0 && line.To.Y == host.height;
        });
    };
    EXPECT_TRUE(hasLine(gutter - 2, clWindow));
    EXPECT_TRUE(hasLine(gutter - 1, clGray));
    // Below the last number the gutter is filled with its colour.
    EXPECT_TRUE(std::any_of(drawer.Calls.begin(), drawer.Calls.end(), [&](const TDrawCall& call) {
        return call.What == TDrawCall::Fill && call.Back == clGray && call.Rect == TRect{0, 48, gutter, host.height};
    }));
    // The gutter font was borrowed and given back.
    EXPECT_EQ(drawer.BaseFonts.back(), editor.Font());
}

TEST_F(PaintGutterTest, OnlyTheFirstGlyphOfARowShows) {
    setText("a\nb\nc\nd");
    editor.PlaceBookmark(3, 1, 2);
    editor.PlaceBookmark(5, 1, 2);
    editor.PlaceBookmark(1, 1, 4);
    paint();
    std::vector<TDrawCall> glyphs = callsOf(TDrawCall::Glyph);
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].Index, 3);
    EXPECT_EQ(glyphs[0].X, editor.BookMarkOptions().LeftMargin());
    EXPECT_EQ(glyphs[0].Rect, (TRect{2, 16, 2, 32}));
    EXPECT_EQ(glyphs[1].Index, 1);
    EXPECT_EQ(glyphs[1].Y, 48);

    // Without line numbers the gutter is one fill; glyphs can be switched off.
    EXPECT_TRUE(callsOf(TDrawCall::Simple).empty());
    editor.BookMarkOptions().SetGlyphsVisible(false);
    paint();
    EXPECT_TRUE(callsOf(TDrawCall::Glyph).empty());

    // A clip that misses the gutter paints none of it.
    editor.BookMarkOptions().SetGlyphsVisible(true);
    paint({editor.GutterWidth(), 0, host.width, host.height});
    EXPECT_TRUE(callsOf(TDrawCall::Glyph).empty());
}

TEST_F(PaintGutterTest, BookmarksDrawFirstUnlessTheOptionsSayOtherwise) {
    setText("a\nb");
    auto mark = std::make_unique<TSynEditMark>();
    mark->SetLine(1);
    mark->SetImageIndex(7);
    mark->SetVisible(true);
    editor.Marks().Add(std::move(mark));
    editor.PlaceBookmark(2, 1, 1);
    paint();
    ASSERT_EQ(callsOf(TDrawCall::Glyph).size(), 1u);
    EXPECT_EQ(callsOf(TDrawCall::Glyph)[0].Index, 2);
    editor.BookMarkOptions().SetDrawBookmarksFirst(false);
    paint();
    ASSERT_EQ(callsOf(TDrawCall::Glyph).size(), 1u);
    EXPECT_EQ(callsOf(TDrawCall::Glyph)[0].Index, 7);
}

} // namespace
} // namespace tavlo::test
