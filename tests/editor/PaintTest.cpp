// Painting through the recording drawer: runs, colours and rectangles of the text area.
#include "PaintFixture.h"

#include <iterator>
#include <random>
#include "highlighters/SynHighlighterPas.h"

namespace tavlo::test {
namespace {

class PaintTest : public PaintFixture {
protected:
    // The background at the window's right edge on a line's row.
    TColor rowEnd(int32_t line) const { return backgroundAt(line, host.width - 1); }
    bool anySelectedPaint() const {
        return std::any_of(drawer.Calls.begin(), drawer.Calls.end(), [](const TDrawCall& call) {
            return (call.What == TDrawCall::Run || call.What == TDrawCall::Fill) && call.Back == clHighlight;
        });
    }

    // The editor outlives this member: it lets go of the highlighter first.
    ~PaintTest() override { editor.SetHighlighter(nullptr); }
    TSynPasSyn pascal;
};

TEST_F(PaintTest, SelectionSplitsTokensAndWhollySelectedRowsReachTheEdge) {
    setText("begin\nend;\nx");
    editor.SetHighlighter(&pascal);
    pascal.KeyAttri->SetForeground(clNavy);
    select({3, 1}, {1, 3});
    paint();

    std::vector<TDrawCall> first = runsOfLine(1);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].Text, "be");
    EXPECT_EQ(first[0].Fore, clNavy);
    EXPECT_EQ(first[0].Back, clWindow);
    EXPECT_EQ(first[1].Text, "gin");
    EXPECT_EQ(first[1].X, columnX(3));
    EXPECT_EQ(first[1].Fore, clHighlightText);
    EXPECT_EQ(first[1].Back, clHighlight);
    EXPECT_EQ(first[0].Style, fsBold);
    EXPECT_EQ(first[1].Style, fsBold);
    EXPECT_EQ(first[1].Options, etoOpaque) << "upright text needs no clipping";
    EXPECT_EQ(first[1].Rect.Left, columnX(3));
    EXPECT_EQ(first[1].Rect.Right, columnX(6));
    // The selection runs on past the line end: the rest of the row is selected.
    EXPECT_EQ(backgroundAt(1, columnX(1)), clWindow);
    EXPECT_EQ(backgroundAt(1, columnX(3)), clHighlight);
    EXPECT_EQ(backgroundAt(1, columnX(6)), clHighlight);
    EXPECT_EQ(backgroundAt(1, editor.GutterWidth() + 1), clWindow) << "the gap";
    EXPECT_EQ(rowEnd(1), clHighlight);

    for (const TDrawCall& run : runsOfLine(2)) EXPECT_EQ(run.Back, clHighlight) << run.Text;
    EXPECT_EQ(backgroundAt(2, columnX(2)), clHighlight);
    EXPECT_EQ(rowEnd(2), clHighlight);

    // The selection ends before the first character of line 3.
    std::vector<TDrawCall> third = runsOfLine(3);
    ASSERT_EQ(third.size(), 1u);
    EXPECT_EQ(third[0].Back, clWindow);
    EXPECT_EQ(rowEnd(3), clWindow);

    // Line mode selects the first and last lines whole.
    editor.SetSelectionMode(smLine);
    select({3, 1}, {1, 3});
    paint();
    for (int32_t line = 1; line <= 3; ++line) {
        for (const TDrawCall& run : runsOfLine(line)) EXPECT_EQ(run.Back, clHighlight) << line;
        EXPECT_EQ(rowEnd(line), clHighlight) << line;
    }
}

TEST_F(PaintTest, RunsMergeOnlyWhereTheLookIsTheSame) {
    setText("begin  end");
    editor.SetHighlighter(&pascal);
    pascal.SpaceAttri->SetForeground(clRed);
    paint();
    std::vector<TDrawCall> runs = runsOfLine(1);
    ASSERT_EQ(runs.size(), 1u) << "blanks between keywords of one attribute join their run";
    EXPECT_EQ(runs[0].Text, "begin  end");
    EXPECT_EQ(runs[0].X, columnX(1));

    pascal.KeyAttri->SetBackground(clAqua);
    paint();
    runs = runsOfLine(1);
    ASSERT_EQ(runs.size(), 3u) << "a blank of another background is its own run";
    EXPECT_EQ(runs[1].Text, "  ");
    EXPECT_EQ(runs[1].Back, clWindow);
    EXPECT_EQ(runs[2].Back, clAqua);
    EXPECT_EQ(runs[2].X, columnX(8));

    // The whitespace background is the editor's background.
    pascal.KeyAttri->SetBackground(clNone);
    pascal.SpaceAttri->SetBackground(clYellow);
    paint();
    ASSERT_EQ(runsOfLine(1).size(), 1u);
    EXPECT_EQ(runsOfLine(1)[0].Back, clYellow);

    pascal.SpaceAttri->SetBackground(clNone);
    pascal.SpaceAttri->SetStyle(fsUnderline);
    paint();
    EXPECT_EQ(runsOfLine(1).size(), 3u) << "underlined blanks show their line";

    pascal.SpaceAttri->SetStyle(0);
    setText("x { slanted }");
    paint();
    ASSERT_EQ(runsOfLine(1).size(), 2u);
    EXPECT_EQ(runsOfLine(1)[1].Text, "{ slanted }");
    EXPECT_EQ(runsOfLine(1)[1].Style, fsItalic);
    EXPECT_EQ(runsOfLine(1)[1].Options, etoOpaque | etoClipped) << "italic glyphs are kept in their cells";
}

TEST_F(PaintTest, RightEdgeSitsBeforeColumn81AndScrollsWithTheText) {
    host.width = 30 + 2 + 100 * 8;
    editor.SizeOrFontChanged();
    setText("text");
    auto edges = [this] {
        std::vector<int32_t> xs;
        for (const TDrawCall& line : callsOf(TDrawCall::Line))
            if (line.Fore == clSilver) xs.push_back(line.X);
        return xs;
    };
    paint();
    std::vector<int32_t> xs = edges();
    ASSERT_FALSE(xs.empty());
    for (int32_t x : xs) EXPECT_EQ(x, columnX(81));
    EXPECT_EQ(columnX(81), 30 + 2 + 80 * 8);

    editor.SetFirstVisibleColumn(11);
    paint();
    xs = edges();
    ASSERT_FALSE(xs.empty());
    for (int32_t x : xs) EXPECT_EQ(x, 30 + 2 + 70 * 8);

    editor.SetFirstVisibleColumn(90);
    paint();
    EXPECT_TRUE(edges().empty()) << "scrolled past the edge";

    editor.SetFirstVisibleColumn(1);
    editor.SetRightEdge(0);
    paint();
    EXPECT_TRUE(edges().empty()) << "RightEdge 0 hides it";
}

TEST_F(PaintTest, HideSelectionHidesItWithoutFocus) {
    setText("alpha beta");
    select({1, 1}, {6, 1});
    host.focused = false;
    paint();
    EXPECT_TRUE(anySelectedPaint()) << "HideSelection is off by default";
    editor.SetHideSelection(true);
    paint();
    EXPECT_FALSE(anySelectedPaint());
    host.focused = true;
    paint();
    EXPECT_TRUE(anySelectedPaint());
}

TEST_F(PaintTest, EmptyDocumentShowsLineNumberOneAndBackground) {
    editor.Gutter().SetShowLineNumbers(true);
    editor.Lines().Clear();
    paint();
    std::vector<TDrawCall> numbers = callsOf(TDrawCall::Simple);
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0].Text, "   1");
    EXPECT_EQ(numbers[0].Y, 0);
    EXPECT_EQ(numbers[0].X, editor.GutterWidth() - 2 - 4 * 8 - 2) << "right-aligned";
    EXPECT_TRUE(drawer.Runs().empty());
    const TRect textArea{editor.GutterWidth() + 2, 0, host.width, host.height};
    EXPECT_TRUE(std::any_of(drawer.Calls.begin(), drawer.Calls.end(), [&](const TDrawCall& call) {
        return call.What == TDrawCall::Fill && call.Rect == textArea && call.Back == clWindow;
    }));
}

TEST_F(PaintTest, ColumnSelectionCutsEveryLineAtTheSameColumns) {
    setText("abcdefgh\nabcdefgh\nabcdefgh\nabcdefgh");
    editor.SetSelectionMode(smColumn);
    select({6, 1}, {3, 3});
    paint();
    for (int32_t line = 1; line <= 3; ++line) {
        std::vector<TDrawCall> runs = runsOfLine(line);
        ASSERT_EQ(runs.size(), 3u) << line;
        EXPECT_EQ(runs[0].Text, "ab");
        EXPECT_EQ(runs[1].Text, "cde");
        EXPECT_EQ(runs[1].Back, clHighlight);
        EXPECT_EQ(runs[1].Rect.Left, columnX(3));
        EXPECT_EQ(runs[1].Rect.Right, columnX(6));
        EXPECT_EQ(runs[2].Text, "fgh");
        EXPECT_EQ(backgroundAt(line, columnX(4)), clHighlight);
        EXPECT_EQ(backgroundAt(line, columnX(6)), clWindow);
        EXPECT_EQ(rowEnd(line), clWindow) << "nothing selected past the block";
    }
    ASSERT_EQ(runsOfLine(4).size(), 1u);
}

TEST_F(PaintTest, ColumnSelectionCoversItsCharactersBehindATab) {
    editor.SetTabWidth(4);
    setText("ab\tcd\nabcdefgh");
    editor.SetSelectionMode(smColumn);
    select({2, 1}, {5, 2}); // characters 2..4 of each line
    paint();
    EXPECT_EQ(editor.SelectedText(), "b\tc\r\nbcd");
    EXPECT_EQ(backgroundAt(1, columnX(5) + 1), clHighlight) << "the c behind the tab";
    EXPECT_EQ(backgroundAt(1, columnX(6) + 1), clWindow) << "the d";
    EXPECT_EQ(backgroundAt(2, columnX(4) + 1), clHighlight);
    EXPECT_EQ(backgroundAt(2, columnX(5) + 1), clWindow);
}

TEST_F(PaintTest, SpecialLinesTakeTheirColoursAndSwapThemWhenSelected) {
    setText("one\ntwo\nthree");
    editor.OnSpecialLineColors = [](TCustomSynEdit&, int32_t line, bool& special, TColor& fg, TColor& bg) {
        if (line != 2) return;
        special = true;
        fg = clYellow;
        bg = clMaroon;
    };
    paint();
    ASSERT_EQ(runsOfLine(2).size(), 1u);
    EXPECT_EQ(runsOfLine(2)[0].Fore, clYellow);
    EXPECT_EQ(runsOfLine(2)[0].Back, clMaroon);
    EXPECT_EQ(rowEnd(2), clMaroon);
    EXPECT_EQ(runsOfLine(1)[0].Back, clWindow);

    select({1, 1}, {1, 3});
    paint();
    EXPECT_EQ(runsOfLine(2)[0].Fore, clMaroon);
    EXPECT_EQ(runsOfLine(2)[0].Back, clYellow);
    EXPECT_EQ(rowEnd(2), clYellow);
    EXPECT_EQ(runsOfLine(1)[0].Back, clHighlight);
}

TEST_F(PaintTest, SpecialCharsMarkBlanksTabsAndLineEnds) {
    editor.SetTabWidth(4);
    setText("a b\n\tx\n\t\t\nabc\tx");
    editor.SetOptions(editor.Options() | eoShowSpecialChars);
    paint();
    ASSERT_EQ(runsOfLine(1).size(), 1u);
    EXPECT_EQ(runsOfLine(1)[0].Text, "a\xB7" "b\xB6");
    EXPECT_EQ(runsOfLine(2)[0].Text, " \xBB  x\xB6") << "one mark in the middle of the tab's cells";
    EXPECT_EQ(runsOfLine(3)[0].Text, " \xBB   \xBB  \xB6") << "two tabs, two marks";
    EXPECT_EQ(runsOfLine(4)[0].Text, "abc\xBBx\xB6") << "a tab one column wide";

    editor.SetOptions(editor.Options() & ~eoShowSpecialChars);
    paint();
    EXPECT_EQ(runsOfLine(2)[0].Text, "    x") << "tabs are drawn as blanks";
    EXPECT_EQ(runsOfLine(4)[0].Text, "abc x");

    // With a highlighter the line-end mark takes the comment's colours after a comment.
    editor.SetOptions(editor.Options() | eoShowSpecialChars);
    editor.SetHighlighter(&pascal);
    pascal.CommentAttri->SetForeground(clGreen);
    pascal.SpaceAttri->SetForeground(clRed);
    setText("x { open\n}\ny");
    paint();
    ASSERT_FALSE(runsOfLine(1).empty());
    EXPECT_EQ(runsOfLine(1).back().Text, "\xB6");
    EXPECT_EQ(runsOfLine(1).back().Fore, clGreen);
    EXPECT_EQ(runsOfLine(1).back().X, columnX(9));
    ASSERT_FALSE(runsOfLine(3).empty());
    EXPECT_EQ(runsOfLine(3).back().Text, "\xB6");
    EXPECT_EQ(runsOfLine(3).back().Fore, clRed);
}

TEST_F(PaintTest, ZeroBytesReachTheDrawer) {
    setText(std::string_view("a\0b", 3));
    paint();
    ASSERT_EQ(runsOfLine(1).size(), 1u);
    EXPECT_EQ(runsOfLine(1)[0].Text, std::string("a\0b", 3));

    editor.SetHighlighter(&pascal);
    paint();
    std::string drawn;
    for (const TDrawCall& run : runsOfLine(1)) drawn += run.Text;
    EXPECT_EQ(drawn, std::string("a\0b", 3));
}

TEST_F(PaintTest, ClipSelectsTheRowsAndColumnsPainted) {
    setText("abcdefghij\nabcdefghij\nabcdefghij");
    const int32_t textStart = editor.GutterWidth() + 2;
    paint({textStart + 8 * 5, 16, textStart + 8 * 8, 32});
    EXPECT_TRUE(runsOfLine(1).empty());
    EXPECT_TRUE(runsOfLine(3).empty());
    ASSERT_EQ(runsOfLine(2).size(), 1u);
    EXPECT_EQ(runsOfLine(2)[0].Text, "fgh");
    EXPECT_EQ(runsOfLine(2)[0].X, columnX(6));
    EXPECT_TRUE(callsOf(TDrawCall::Simple).empty());
    for (const TDrawCall& call : drawer.Calls) {
        if (call.What == TDrawCall::Fill || call.What == TDrawCall::Run) {
            EXPECT_GE(call.Rect.Left, textStart + 8 * 5) << "nothing left of the clip";
        }
    }

    // A clip that starts in the gap paints the gap in the background colour.
    paint({editor.GutterWidth(), 0, host.width, 16});
    EXPECT_EQ(callsOf(TDrawCall::Fill).front().Rect, (TRect{editor.GutterWidth(), 0, textStart, 16}));
}

TEST_F(PaintTest, ChangesInsideABufferUpdateInvalidateOnceAtTheEnd) {
    setText("one\ntwo\nthree");
    host.invalidated.clear();
    editor.Lines().LockUpdates();
    editor.Lines().ReplaceLine(0, "ONE");
    editor.Lines().InsertLineAt(1, "one and a half");
    EXPECT_TRUE(host.invalidated.empty());
    editor.Lines().UnlockUpdates();
    ASSERT_EQ(host.invalidated.size(), 1u);
    EXPECT_EQ(host.invalidated[0].Top, 0);
    EXPECT_GE(host.invalidated[0].Bottom, 2 * 16);

    host.invalidated.clear();
    editor.InvalidateLine(2);
    editor.InvalidateGutterLines(-1, -1);
    editor.InvalidateLines(200, 300);
    ASSERT_EQ(host.invalidated.size(), 2u) << "rows out of view are not invalidated";
    EXPECT_EQ(host.invalidated[0], (TRect{0, 16, host.width, 32}));
    EXPECT_EQ(host.invalidated[1], (TRect{0, 0, editor.GutterWidth(), host.height}));
}

TEST_F(PaintTest, PaintTransientNestsAndPaintSendsTheAfterNotification) {
    std::vector<std::pair<TTransientType, bool>> calls;
    editor.OnPaintTransient = [&](TCustomSynEdit&, TTextDrawer* canvas, TTransientType type) {
        calls.push_back({type, canvas != nullptr});
    };
    editor.PaintTransient(ttBefore);
    editor.PaintTransient(ttBefore);
    editor.PaintTransient(ttAfter);
    paint();
    EXPECT_EQ(calls.size(), 1u) << "nested: only the outermost before, and paint waits";
    editor.PaintTransient(ttAfter);
    editor.PaintTransient(ttAfter); // unbalanced: ignored
    paint();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], std::make_pair(ttBefore, false));
    EXPECT_EQ(calls[1], std::make_pair(ttAfter, false));
    EXPECT_EQ(calls[2], std::make_pair(ttAfter, true)) << "the paint's notification gets the canvas";
}

TEST_F(PaintTest, CellFitsTheBoldAndItalicStylesInUse) {
    EXPECT_EQ(editor.CellWidth(), 8);
    EXPECT_EQ(editor.RowHeight(), 16);
    editor.SetHighlighter(&pascal); // bold keywords, italic comments
    EXPECT_EQ(editor.CellWidth(), 9);
    EXPECT_EQ(editor.RowHeight(), 17);

    const int repaints = host.invalidateAllCount;
    pascal.CommentAttri->SetStyle(0);
    pascal.DirectiveAttri->SetStyle(0);
    EXPECT_EQ(editor.RowHeight(), 16) << "an attribute change remeasures";
    EXPECT_GT(host.invalidateAllCount, repaints);
    editor.SetExtraLineSpacing(3);
    EXPECT_EQ(editor.RowHeight(), 19);

    editor.SetHighlighter(nullptr);
    EXPECT_EQ(editor.CellWidth(), 8);
    TFontDesc bold = editor.Font();
    bold.Style = fsBold;
    editor.SetFont(bold);
    EXPECT_EQ(editor.CellWidth(), 9);
    EXPECT_EQ(drawer.BaseFonts.back(), bold);
}

TEST_F(PaintTest, ScrollHintTextAndPosition) {
    std::string text;
    for (int i = 1; i <= 100; ++i) text += "line\n";
    setText(text);
    editor.SetFirstVisibleLine(10);
    EXPECT_EQ(editor.ScrollHintText(), "Top Line: 10");
    editor.ScrollHintFormat = shfTopToBottom;
    EXPECT_EQ(editor.ScrollHintText(), "10 - 34") << "25 rows from line 10";
    editor.SetFirstVisibleLine(100);
    EXPECT_EQ(editor.ScrollHintText(), "76 - 100");

    editor.ShowScrollHint(50, 100);
    ASSERT_TRUE(host.hintVisible);
    EXPECT_EQ(host.hintText, "76 - 100");
    const int32_t hintWidth = 8 * 7 + 4, hintHeight = 18;
    EXPECT_EQ(host.hintPos, (TPoint{host.width - hintWidth - 4, 10}));
    editor.SetOptions(editor.Options() | eoScrollHintFollows);
    editor.ShowScrollHint(50, 100);
    EXPECT_EQ(host.hintPos.Y, 16 + (host.height - 32) / 2 - hintHeight / 2);
    editor.HideScrollHint();
    EXPECT_FALSE(host.hintVisible);

    editor.SetOptions(editor.Options() & ~eoShowScrollHint);
    editor.ShowScrollHint(50, 100);
    EXPECT_FALSE(host.hintVisible);
}

// Whatever the text, selection, scroll and clip: the runs of a row lie side by side and spell
// the visible columns of the tab-expanded line, and each selected cell has the selection
// background.
TEST_F(PaintTest, RunsSpellTheVisibleTextExactly) {
    static const char* const pieces[] = {"begin", " ", "  ", "x", ":=", "'s t'", "{ c }", "\t", "42", ";", "(*", "*)"};
    std::mt19937 random(11);
    editor.SetHighlighter(&pascal);
    editor.SetTabWidth(4);
    for (int round = 0; round < 1000; ++round) {
        std::string text;
        for (int line = 0; line < 6; ++line) {
            for (int n = int(random() % 30); n > 0; --n) text += pieces[random() % std::size(pieces)];
            text += '\n';
        }
        setText(text);
        editor.SetSelectionMode(TSynSelectionMode(random() % 3));
        const TBufferCoord from{1 + int32_t(random() % 40), 1 + int32_t(random() % 6)};
        const TBufferCoord to{1 + int32_t(random() % 40), 1 + int32_t(random() % 6)};
        select(from, to);
        editor.SetFirstVisibleColumn(1 + int32_t(random() % 20));
        const int32_t textStart = editor.GutterWidth() + 2;
        const int32_t left = textStart + int32_t(random() % 200), right = left + 1 + int32_t(random() % 500);
        paint({left, 0, right, host.height});
        const int32_t cell = editor.CellWidth();
        const int32_t firstColumn = editor.FirstVisibleColumn() + (left - textStart) / cell;
        const int32_t lastColumn = editor.FirstVisibleColumn() + (right - textStart + cell - 1) / cell; // exclusive
        for (int32_t line = 1; line <= 6; ++line) {
            std::string expanded = editor.Lines().ExpandedLine(line - 1);
            std::replace(expanded.begin(), expanded.end(), '\t', ' ');
            const int32_t end = std::min<int32_t>(lastColumn, int32_t(expanded.size()) + 1);
            const std::string visible =
                firstColumn < end ? expanded.substr(size_t(firstColumn - 1), size_t(end - firstColumn)) : "";
            std::string drawn;
            int32_t x = columnX(firstColumn);
            for (const TDrawCall& run : runsOfLine(line)) {
                EXPECT_EQ(run.X, x) << "round " << round << " line " << line;
                x += int32_t(run.Text.size()) * cell;
                drawn += run.Text;
            }
            ASSERT_EQ(drawn, visible) << "round " << round << " line " << line;
            for (int32_t column = firstColumn; column < end; ++column) {
                const bool selected = editor.PosInSelection(editor.ColumnToChar({column, line}));
                const int32_t probe = std::clamp(columnX(column) + cell / 2, left, right - 1);
                EXPECT_EQ(backgroundAt(line, probe) == clHighlight, selected)
                    << "round " << round << " line " << line << " column " << column;
            }
        }
    }
}

TEST_F(PaintTest, OnPaintGetsTheCanvasLast) {
    setText("x");
    editor.SetColor(clAqua);
    size_t callsBefore = 0;
    editor.OnPaint = [&](TCustomSynEdit&, TTextDrawer& canvas) {
        callsBefore = drawer.Calls.size();
        EXPECT_TRUE(canvas.IsDrawing());
        EXPECT_EQ(canvas.BackColor(), clAqua);
    };
    paint();
    EXPECT_GT(callsBefore, 0u);
    EXPECT_EQ(callsBefore, drawer.Calls.size());
    EXPECT_EQ(rowEnd(1), clAqua) << "Color is the background without a highlighter";
}

} // namespace
} // namespace tavlo::test
