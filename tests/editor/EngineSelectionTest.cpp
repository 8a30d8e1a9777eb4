// Caret, selection, coordinates and the visible window.
#include "EditorFixture.h"

namespace tavlo::test {
namespace {

using EngineSelection = EditorFixture;

TEST_F(EngineSelection, CaretClampingFollowsScrollPastEol) {
    setText("abc\ndefgh\nij");
    editor.SetCaretPos({50, 1});
    EXPECT_EQ(editor.CaretChar(), 50);
    editor.SetOptions(editor.Options() & ~eoScrollPastEol);
    EXPECT_EQ(editor.CaretChar(), 4) << "switching the option off brings the caret back into its line";
    editor.SetCaretPos({50, 1});
    EXPECT_EQ(editor.CaretChar(), 4);
    editor.SetCaretLine(99);
    EXPECT_EQ(editor.CaretLine(), 3);
    EXPECT_EQ(editor.CaretChar(), 3);
    editor.SetCaretPos({-5, -5});
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{1, 1}));

    setText("");
    editor.SetCaretPos({7, 7});
    EXPECT_EQ(editor.CaretLine(), 1);
    editor.SetOptions(editor.Options() | eoScrollPastEol);
    editor.SetCaretPos({5000, 1});
    EXPECT_EQ(editor.CaretChar(), editor.MaxLeftChar());
}

TEST_F(EngineSelection, TabColumnConversions) {
    editor.SetTabWidth(2);
    setText("\tb\ta");
    EXPECT_EQ(editor.ColumnToChar({1, 1}).Char, 1);
    EXPECT_EQ(editor.ColumnToChar({2, 1}).Char, 1);
    EXPECT_EQ(editor.CharToColumn({2, 1}).Char, 3);
    EXPECT_EQ(editor.CharToColumn({3, 1}).Char, 4);
    EXPECT_EQ(editor.CharToColumn({4, 1}).Char, 5);
    EXPECT_EQ(editor.CharToColumn({10, 1}).Char, 11) << "past the end one column per position";
    EXPECT_EQ(editor.ColumnToChar({11, 1}).Char, 10);
    EXPECT_EQ(editor.CharToColumn({3, 7}), (TBufferCoord{3, 7})) << "lines outside the buffer are unchanged";
    for (int32_t x = 1; x < 12; ++x)
        EXPECT_EQ(editor.ColumnToChar(editor.CharToColumn({x, 1})).Char, x);
}

TEST_F(EngineSelection, PixelConversionsUseHostMetrics) {
    setText("abcdef\nxyz");
    EXPECT_EQ(editor.VisibleColumns(), 80);
    EXPECT_EQ(editor.VisibleRows(), 25);
    EXPECT_EQ(editor.TextLeft(), 32);
    EXPECT_EQ(editor.PosToPixel({3, 2}), (TPoint{32 + 16, 16}));
    EXPECT_EQ(editor.PixelToPos({32 + 16 + 3, 20}), (TBufferCoord{3, 2}));
    EXPECT_EQ(editor.PixelToPos({32 + 16 + 4, 20}), (TBufferCoord{4, 2})) << "right half of a cell goes after it";
    EXPECT_EQ(editor.PixelToPos({40, 10000}).Line, 25) << "below the window counts as the last whole row";
}

TEST_F(EngineSelection, SelectedTextInThreeModes) {
    setText("0123456789\nabc\nlast");
    select({2, 1}, {3, 2});
    EXPECT_EQ(editor.SelectedText(), "123456789\r\nab");
    editor.SetSelectionMode(smLine);
    select({1, 2}, {2, 3});
    EXPECT_EQ(editor.SelectedText(), "abc\r\nlast") << "no break after the buffer's last line";
    select({1, 1}, {1, 2});
    EXPECT_EQ(editor.SelectedText(), "0123456789\r\nabc\r\n");
    editor.SetSelectionMode(smColumn);
    select({2, 1}, {6, 2});
    editor.SetOptions(editor.Options() & ~eoTrimTrailingSpaces);
    EXPECT_EQ(editor.SelectedText(), "1234\r\nbc  ");
    editor.SetOptions(editor.Options() | eoTrimTrailingSpaces);
    EXPECT_EQ(editor.SelectedText(), "1234\r\nbc");
    select({6, 1}, {6, 3});
    EXPECT_FALSE(editor.HasSelection()) << "a column selection without width is empty";
}

TEST_F(EngineSelection, AnchorAndExtend) {
    setText("hello world\nsecond");
    select({1, 1}, {6, 1});
    EXPECT_TRUE(editor.HasSelection());
    editor.PlaceAnchor({3, 2});
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.SelAnchor(), (TBufferCoord{3, 2}));
    editor.PlaceAnchor({100, 100});
    EXPECT_EQ(editor.SelAnchor(), (TBufferCoord{7, 2})) << "normal mode limits X to the line";
    editor.SetOptions(editor.Options() | eoNoSelection);
    editor.ExtendSelection({1, 1});
    EXPECT_FALSE(editor.HasSelection());
    editor.SetOptions(editor.Options() & ~eoNoSelection);
    editor.ExtendSelection({1, 1});
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{1, 1}));
    EXPECT_EQ(editor.SelLast(), (TBufferCoord{7, 2}));
    EXPECT_TRUE(editor.PosInSelection({3, 1}));
    EXPECT_FALSE(editor.PosInSelection({7, 2}));
    EXPECT_FALSE(editor.PosInSelection({1, 3}));
}

TEST_F(EngineSelection, OffsetsAndWholeText) {
    setText("ab\ncde\nf");
    editor.SetSelStartOffset(6);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 2}));
    editor.SetSelEndOffset(10);
    EXPECT_EQ(editor.SelectedText(), "de\r\n");
    EXPECT_EQ(editor.SelStartOffset(), 6);
    EXPECT_EQ(editor.SelEndOffset(), 10);
    editor.SelectWholeText();
    EXPECT_EQ(editor.SelectedText(), "ab\r\ncde\r\nf");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 3}));
    editor.SetSelStartOffset(1'000'000);
    EXPECT_EQ(editor.CaretLine(), 3);
}

TEST_F(EngineSelection, WordPositions) {
    setText("  foo.bar  baz\nnext word");
    caretAt(4, 1);
    EXPECT_EQ(editor.WordStartAtCaret().Char, 3);
    EXPECT_EQ(editor.WordEndAtCaret().Char, 6);
    EXPECT_EQ(editor.NextWordStart().Char, 7);
    caretAt(12, 1);
    EXPECT_EQ(editor.PrevWordStart().Char, 7);
    caretAt(14, 1);
    EXPECT_EQ(editor.NextWordStart(), (TBufferCoord{1, 2})) << "before the last character goes to the next line";
    caretAt(1, 2);
    EXPECT_EQ(editor.PrevWordStart(), (TBufferCoord{15, 1}));
    editor.SelectWordAt({8, 1});
    EXPECT_EQ(editor.SelectedText(), "bar");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{10, 1}));
    editor.SelectWordAt({99, 1});
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.CaretChar(), 15);
    EXPECT_EQ(editor.WordTextAt({8, 2}), "word");
    EXPECT_EQ(editor.WordTextAt({8, 9}), "");
}

TEST_F(EngineSelection, StatusOncePerBracketAndScrolling) {
    std::string many;
    for (int i = 0; i < 100; ++i) many += "line " + std::to_string(i) + "\n";
    setText(many);
    std::vector<TSynStatusChanges> seen;
    editor.OnStatusChange = [&](TCustomSynEdit&, TSynStatusChanges c) { seen.push_back(c); };
    editor.LockPaint();
    editor.SetCaretPos({3, 50});
    editor.SetInsertMode(false);
    editor.UnlockPaint();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0] & (stCaretX | stCaretY | stInsertMode | stTopLine), stCaretX | stCaretY | stInsertMode | stTopLine);
    EXPECT_EQ(editor.FirstVisibleLine(), 26) << "the caret is scrolled onto the last whole row";

    editor.SetFirstVisibleLine(10);
    editor.SetCaretLine(34);
    editor.ScrollCaretIntoView(true);
    EXPECT_EQ(editor.FirstVisibleLine(), 34 - 25 + 1 + 12) << "centring on the last whole row";
    editor.SetFirstVisibleLine(1000);
    EXPECT_EQ(editor.FirstVisibleLine(), 100 - 25 + 1);
    editor.SetOptions(editor.Options() | eoScrollPastEof);
    editor.SetFirstVisibleLine(1000);
    EXPECT_EQ(editor.FirstVisibleLine(), 100);
    EXPECT_EQ(host.vBar.Position, 100);
}

TEST_F(EngineSelection, TypingAtTheRightEdgeJumpsAndPagesMoveTheWindow) {
    std::string many;
    for (int i = 0; i < 100; ++i) many += "line " + std::to_string(i) + "\n";
    setText(many);
    caretAt(80, 1);
    editor.SetFirstVisibleColumn(1);
    command(ecChar, 'x');
    EXPECT_EQ(editor.FirstVisibleColumn(), 1 + 25) << "typing off the right edge scrolls 25 columns";
    caretAt(1, 10);
    editor.SetFirstVisibleLine(1);
    command(ecPageDown);
    EXPECT_EQ(editor.FirstVisibleLine(), 26);
    EXPECT_EQ(editor.CaretLine(), 35);
    editor.SetOptions(editor.Options() | eoHalfPageScroll | eoScrollByOneLess);
    command(ecSelPageUp);
    EXPECT_EQ(editor.CaretLine(), 35 - 11);
    EXPECT_EQ(editor.SelectedText().substr(0, 7), "line 23");
    command(ecScrollDown);
    EXPECT_EQ(editor.FirstVisibleLine(), 16);
}

TEST_F(EngineSelection, CaretShapeAndPlacement) {
    setText("abc");
    editor.FocusChanged(true);
    EXPECT_EQ(host.caretWidth, 2);
    EXPECT_EQ(host.caretHeight, 14);
    editor.SetCaretPos({3, 1});
    EXPECT_EQ(host.caretPos, (TPoint{32 + 16 - 1, 1}));
    EXPECT_TRUE(host.caretVisible);
    editor.SetInsertMode(false);
    EXPECT_EQ(host.caretWidth, 8) << "overwrite uses the block caret";
}

// Moving the window from outside any update bracket must move the caret with the text at
// once, not at the next bracket that happens to close.
TEST_F(EngineSelection, TheCaretFollowsTheWindowMovedFromOutside) {
    std::string many;
    for (int i = 0; i < 300; ++i) many += std::string(200, 'x') + "\n";
    setText(many);
    caretAt(50, 100);
    auto expectedCaret = [&] {
        TPoint p = editor.PosToPixel(editor.CharToColumn(editor.CaretPos()));
        return TPoint{p.X - 1, p.Y + 1}; // the bar caret sits one pixel left of its cell
    };
    editor.SetFirstVisibleLine(90); // a jump of less than a window: the pixels scroll
    EXPECT_EQ(host.caretPos, expectedCaret());
    editor.SetFirstVisibleLine(5); // more than a window
    EXPECT_EQ(host.caretPos, expectedCaret());
    editor.SetFirstVisibleColumn(30);
    EXPECT_EQ(host.caretPos, expectedCaret());
}

} // namespace
} // namespace tavlo::test
