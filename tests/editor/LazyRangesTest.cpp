// Ranges are completed lazily, yet what is on screen must always be what a full scan from the
// top gives. A model of the screen keeps, for every row, the tokens its last paint drew; only
// rows the editor invalidates are painted again, as a window would, so a row left stale by a
// missing invalidation shows up as well as a range scanned too little.
#include "PaintFixture.h"
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterPas.h"

#include <iterator>
#include <map>
#include <random>

namespace tavlo::test {
namespace {

class LazyRangesTest : public PaintFixture {
protected:
    // The editor uses a highlighter until the scope ends, however the test leaves it: a
    // failed assertion must not leave the editor holding a freed highlighter.
    class HighlighterInUse {
    public:
        HighlighterInUse(TSynEdit& editor, TSynCustomHighlighter& highlighter) : m_editor(editor) {
            m_editor.SetHighlighter(&highlighter);
        }
        ~HighlighterInUse() { m_editor.SetHighlighter(nullptr); }
        HighlighterInUse(const HighlighterInUse&) = delete;
        HighlighterInUse& operator=(const HighlighterInUse&) = delete;

    private:
        TSynEdit& m_editor;
    };

    // A line's text and its tokens (start and kind) when scanned from the given range.
    static std::string rowContent(TSynCustomHighlighter& highlighter, std::string_view text, int32_t index,
                                  int32_t range) {
        if (range < 0)
            highlighter.ClearRange();
        else
            highlighter.RestoreRange(range);
        highlighter.StartLine(text, index);
        std::string content(text);
        content += " |";
        for (; !highlighter.AtLineEnd(); highlighter.NextToken())
            content += " " + std::to_string(highlighter.TokenStart()) + ":" + std::to_string(highlighter.TokenKindOrdinal());
        return content;
    }

    int32_t rows() const { return editor.VisibleRows() + 1; }

    // Paints the rows the editor invalidated since the last call and records what they show.
    void paintInvalidRows(TSynCustomHighlighter& highlighter) {
        std::vector<bool> invalid(size_t(rows()), false);
        const bool all = host.invalidateAllCount != m_seenInvalidateAll || !host.scrolls.empty() ||
                         editor.FirstVisibleLine() != m_seenTopLine;
        for (int32_t row = 0; row < rows(); ++row) invalid[size_t(row)] = all;
        for (const TRect& rect : host.invalidated)
            for (int32_t row = std::max(0, rect.Top / editor.RowHeight());
                 row < rows() && row * editor.RowHeight() < rect.Bottom; ++row)
                invalid[size_t(row)] = true;
        host.invalidated.clear();
        host.scrolls.clear();
        m_seenInvalidateAll = host.invalidateAllCount;
        m_seenTopLine = editor.FirstVisibleLine();
        m_screen.resize(size_t(rows()));

        auto first = std::find(invalid.begin(), invalid.end(), true);
        if (first == invalid.end()) return;
        const int32_t top = int32_t(first - invalid.begin());
        const int32_t bottom = int32_t(invalid.rend() - std::find(invalid.rbegin(), invalid.rend(), true));
        paint({0, top * editor.RowHeight(), host.width, bottom * editor.RowHeight()});
        for (int32_t row = top; row < bottom; ++row) {
            const int32_t index = editor.FirstVisibleLine() - 1 + row;
            m_screen[size_t(row)] = index < editor.Lines().Count()
                                        ? rowContent(highlighter, editor.Lines().LineAt(index), index,
                                                     editor.Lines().LineRange(index))
                                        : std::string();
        }
        host.invalidated.clear(); // rows above the clip whose range changed were marked again
    }

    void expectScreenMatchesAFullScan(TSynCustomHighlighter& scanner, int step) {
        std::vector<int32_t> ranges;
        scanner.ClearRange();
        const int32_t last = std::min(editor.Lines().Count(), editor.FirstVisibleLine() - 1 + rows());
        for (int32_t i = 0; i < last; ++i) {
            ranges.push_back(int32_t(scanner.CurrentRange()));
            scanner.StartLine(editor.Lines().LineAt(i), i);
            scanner.SkipToLineEnd();
        }
        for (int32_t row = 0; row < rows(); ++row) {
            const int32_t index = editor.FirstVisibleLine() - 1 + row;
            const std::string expected =
                index < last ? rowContent(scanner, editor.Lines().LineAt(index), index, ranges[size_t(index)]) : "";
            ASSERT_EQ(m_screen[size_t(row)], expected) << "step " << step << ", line " << index + 1;
        }
    }

    // Every non-blank character drawn on the visible rows of the last paint: its colour and
    // style must be those of its token in a full scan from the top, the highlighter's
    // attributes (and the scanner's, alike) each having a colour of their own.
    void expectPaintedColumnsMatchAFullScan(TSynCustomHighlighter& scanner, int step) {
        struct TLook {
            TColor Fore;
            TFontStyles Style;
            char Char;
            bool operator==(const TLook&) const = default;
        };
        const int32_t firstColumn = editor.FirstVisibleColumn();
        const int32_t columns = (host.width - editor.GutterWidth() - 2) / editor.CellWidth();
        scanner.ClearRange();
        const int32_t last =
            std::min(editor.Lines().Count(), editor.FirstVisibleLine() - 1 + rows());
        for (int32_t i = 0; i < last; ++i) {
            // The expansion fills with tabs, which scan as the tab they stand for.
            const std::string text = editor.Lines().ExpandedLine(i);
            const bool shown =
                i + 1 >= editor.FirstVisibleLine() &&
                (i + 1 - editor.FirstVisibleLine()) * editor.RowHeight() < host.height;
            std::map<int32_t, TLook> expected, drawn;
            for (scanner.StartLine(text, i); !scanner.AtLineEnd(); scanner.NextToken()) {
                if (!shown) continue;
                const TSynHighlighterAttributes* attribute = scanner.TokenAttribute();
                const int32_t start = scanner.TokenStart();
                const std::string_view token = scanner.TokenView();
                for (int32_t column = std::max(start + 1, firstColumn);
                     column <=
                     std::min<int32_t>(start + int32_t(token.size()), firstColumn + columns - 1);
                     ++column) {
                    const char c = token[size_t(column - 1 - start)];
                    if (c != ' ' && c != '\t')
                        expected[column] = {
                            attribute ? attribute->Foreground() : editor.Font().Color,
                            attribute ? attribute->Style() : editor.Font().Style, c};
                }
            }
            if (!shown) continue;
            for (const TDrawCall& run : runsOfLine(i + 1)) {
                const int32_t first = (run.X - editor.TextLeft()) / editor.CellWidth() + 1;
                for (size_t k = 0; k < run.Text.size(); ++k)
                    if (run.Text[k] != ' ' && first + int32_t(k) < firstColumn + columns)
                        drawn[first + int32_t(k)] = {run.Fore, run.Style, run.Text[k]};
            }
            auto describe = [](const std::map<int32_t, TLook>& looks) {
                std::string out;
                for (const auto& [column, look] : looks)
                    out += std::to_string(column) + look.Char + ":" + std::to_string(look.Fore) +
                           "/" + std::to_string(look.Style) + " ";
                return out;
            };
            ASSERT_TRUE(drawn == expected) << describe(drawn) << "\n"
                                           << describe(expected) << "\nstep " << step << ", line "
                                           << i + 1 << ", from column " << firstColumn;
        }
    }

    std::vector<std::string> m_screen;
    int m_seenInvalidateAll = -1;
    int32_t m_seenTopLine = -1;
};

// Pieces that open and close the comments, strings and blocks of every language.
const char* const Pieces[] = {"{",   "}",  "(*",   "*)",  "/*",     "*/", "<!--", "-->", "'",   "\"",
                              "<",   ">",  "<?php", "?>", "[sec]",  "//", "#",    "--",  "asm", "end;",
                              "x := 1;", " ", "<![CDATA[", "]]>", "<script>", "</script>", "\\", "@",
                              "&copy;", "&#169;"};

std::string randomLine(std::mt19937& random) {
    std::string line;
    for (int n = int(random() % 5); n > 0; --n) line += Pieces[random() % std::size(Pieces)];
    return line;
}

TEST_F(LazyRangesTest, PaintedRowsEqualAFullScanThroughEditsScrollsJumpsAndIdleSlices) {
    for (const TSynHighlighterClass& highlighterClass : HighlighterClassList().Classes()) {
        SCOPED_TRACE(std::string(highlighterClass.ClassName));
        std::mt19937 random(11);
        std::string text;
        for (int i = 0; i < 400; ++i) text += randomLine(random) + "\n";
        setText(text);
        const std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
        const std::unique_ptr<TSynCustomHighlighter> scanner = highlighterClass.Create();
        std::unique_ptr<TSynCustomHighlighter> checker = highlighterClass.Create();
        const HighlighterInUse inUse(editor, *highlighter);
        m_seenInvalidateAll = -1;

        for (int step = 0; step < 1500; ++step) {
            const int32_t count = editor.Lines().Count();
            const int32_t line = 1 + int32_t(random() % uint32_t(std::max(count, 1)));
            switch (random() % 12) {
            case 0: case 1: case 2: {
                // typing on screen
                const int32_t onScreen = editor.FirstVisibleLine() + int32_t(random() % uint32_t(editor.VisibleRows()));
                caretAt(1 + int32_t(random() % 12), std::min(onScreen, std::max(count, 1)));
                type(Pieces[random() % std::size(Pieces)]);
                break;
            }
            case 3: command(random() % 2 ? ecLineBreak : ecDeleteLastChar); break;
            case 4: command(random() % 3 ? ecDeleteChar : ecDeleteLine); break;
            case 5: {
                clipboard.text = randomLine(random) + "\r\n" + randomLine(random) + "\r\n" + randomLine(random);
                command(ecPaste);
                break;
            }
            case 6: command(random() % 2 ? ecUndo : ecRedo); break;
            case 7: {
                // changes anywhere, off screen too
                TSynEditStringList& lines = editor.Lines();
                const int32_t at = line - 1;
                switch (random() % 4) {
                case 0: if (count > 0) lines.ReplaceLine(at, randomLine(random)); break;
                case 1: lines.InsertLineAt(at, randomLine(random)); break;
                case 2: if (count > 1) lines.RemoveLines(at, 1 + int32_t(random() % 3)); break;
                default: lines.InsertEmptyLines(at, 1 + int32_t(random() % 3)); break;
                }
                break;
            }
            case 8: editor.SetFirstVisibleLine(line); break;
            case 9: {
                TBufferCoord to{1, line};
                command(ecGotoXY, '\0', &to);
                break;
            }
            case 10: command(random() % 2 ? ecEditorBottom : ecEditorTop); break;
            default: editor.DoIdleWork(1'000'000, 1 + int32_t(random() % 40)); break;
            }
            paintInvalidRows(*checker);
            expectScreenMatchesAFullScan(*scanner, step);
            if (HasFatalFailure()) return;
        }
        // Idle time completes every range.
        int slices = 0;
        while (editor.DoIdleWork(1'000'000, 64)) ++slices;
        EXPECT_TRUE(editor.RangesComplete());
        scanner->ClearRange();
        for (int32_t i = 0; i < editor.Lines().Count(); ++i) {
            ASSERT_EQ(editor.Lines().LineRange(i), int32_t(scanner->CurrentRange())) << "line " << i + 1;
            scanner->StartLine(editor.Lines().LineAt(i), i);
            scanner->SkipToLineEnd();
        }
    }
}

// Long lines are painted from resume points near the first painted column, and an edit in
// one rescans it only until the scan agrees again with the one before. What is painted, and
// the range the line leaves to the next, must still be what a full scan from the top gives,
// for languages that resume and for those that do not.
TEST_F(LazyRangesTest, LongLinesPaintAndEndAsAFullScanThroughInLineEdits) {
    for (const TSynHighlighterClass& highlighterClass : HighlighterClassList().Classes()) {
        SCOPED_TRACE(std::string(highlighterClass.ClassName));
        // Lines with tabs are painted from their expansion rather than from resume points.
        for (const bool withTabs : {false, true}) {
            SCOPED_TRACE(withTabs ? "with tabs" : "without tabs");
            std::mt19937 random(23);
            // Code with a piece every few KiB, so that a typed opener may change the state over
            // many resume points; no line comments, which would make the rest one token.
            std::string longLine;
            while (longLine.size() < 100'000) {
                longLine += " x := y + 1; ";
                const std::string_view piece = Pieces[random() % std::size(Pieces)];
                if (random() % 150 == 0 && piece != "//" && piece != "--" && piece != "#")
                    longLine += piece;
                if (withTabs && random() % 40 == 0) longLine += '\t';
            }
            std::string text;
            for (int i = 0; i < 5; ++i)
                text += randomLine(random) + "\n";
            text += longLine + "\n";
            for (int i = 0; i < 30; ++i)
                text += randomLine(random) + "\n";
            setText(text);
            // The view may scroll along the whole long line.
            editor.SetOptions(editor.Options() & ~eoScrollPastEol);
            const int32_t longIndex = 5;
            const std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
            const std::unique_ptr<TSynCustomHighlighter> scanner = highlighterClass.Create();
            for (int i = 0; i < highlighter->AttributeCount(); ++i) {
                highlighter->AttributeAt(i)->SetForeground(0x010203 * (i + 1));
                scanner->AttributeAt(i)->SetForeground(0x010203 * (i + 1));
            }
            const HighlighterInUse inUse(editor, *highlighter);

            for (int step = 0; step < 120; ++step) {
                const int32_t length = int32_t(editor.Lines().LineAt(longIndex).size());
                switch (random() % 8) {
                case 0:
                    if (random() % 2)
                        command(ecUndo);
                    else if (editor.CaretPos().Line == longIndex + 1 && editor.CaretPos().Char > 1)
                        command(ecDeleteLastChar);
                    break;
                case 1:
                    editor.SetFirstVisibleColumn(1 + int32_t(random() % uint32_t(length)));
                    break;
                case 2:
                    editor.Lines().ReplaceLine(int32_t(random() % 5), randomLine(random));
                    break;
                case 4: {
                    // a line above the long one comes and goes: its points move with it, and are
                    // painted from in between
                    const int32_t at = int32_t(random() % uint32_t(longIndex + 1));
                    editor.Lines().InsertLineAt(at, randomLine(random));
                    paint();
                    expectPaintedColumnsMatchAFullScan(*scanner, step);
                    if (HasFatalFailure()) return;
                    editor.Lines().RemoveLine(at);
                    break;
                }
                case 3: {
                    // two edits in one change, some taking bytes out: the first is not settled
                    // when the second comes
                    TSynEditStringList& lines = editor.Lines();
                    lines.LockUpdates();
                    for (int edit = 0; edit < 2; ++edit)
                        lines.ReplaceInLine(longIndex, random() % size_t(length), random() % 3 ? 0 : random() % 40,
                                            Pieces[random() % std::size(Pieces)]);
                    lines.UnlockUpdates();
                    break;
                }
                default:
                    // typing in the long line, near the last edit or anywhere
                    caretAt(random() % 2 ? std::clamp(editor.CaretPos().Char +
                                                          int32_t(random() % 20'000) - 10'000,
                                                      1, length)
                                         : 1 + int32_t(random() % uint32_t(length)),
                            longIndex + 1);
                    type(Pieces[random() % std::size(Pieces)]);
                    break;
                }
                if (editor.FirstVisibleLine() > longIndex + 1) editor.SetFirstVisibleLine(1);
                paint();
                expectPaintedColumnsMatchAFullScan(*scanner, step);
                if (HasFatalFailure()) return;
                editor.EnsureRangesUpTo(longIndex + 2);
                // The token under a byte of the long line (as bracket matching asks for it) is
                // that of the full scan, too.
                const std::string_view longText = editor.Lines().LineAt(longIndex);
                const size_t probe = random() % longText.size();
                std::string lookedUp;
                const TSynHighlighterAttributes* attribute =
                    editor.TokenAttributeAt({int32_t(probe) + 1, longIndex + 1}, &lookedUp);
                scanner->ClearRange();
                for (int32_t i = 0; i < longIndex; ++i) {
                    scanner->StartLine(editor.Lines().LineAt(i), i);
                    scanner->SkipToLineEnd();
                }
                std::string expectedToken;
                const TSynHighlighterAttributes* expectedAttribute = nullptr;
                for (scanner->StartLine(longText, longIndex); !scanner->AtLineEnd(); scanner->NextToken()) {
                    const size_t start = size_t(scanner->TokenStart());
                    if (probe >= start && probe < start + scanner->TokenView().size()) {
                        expectedToken = scanner->TokenView();
                        expectedAttribute = scanner->TokenAttribute();
                    }
                }
                ASSERT_EQ(lookedUp, expectedToken) << "step " << step << ", byte " << probe;
                ASSERT_EQ(attribute ? attribute->Foreground() : clNone,
                          expectedAttribute ? expectedAttribute->Foreground() : clNone)
                    << "step " << step << ", byte " << probe;
                ASSERT_EQ(editor.Lines().LineRange(longIndex + 1), int32_t(scanner->CurrentRange()))
                    << "step " << step;
            }
        }
    }
}

TEST_F(LazyRangesTest, AKeystrokeScansTheScreenAndAsksForIdleTimeForTheRest) {
    const TSynHighlighterClass* pascalClass = HighlighterClassList().FindByShortName("pascal");
    ASSERT_NE(pascalClass, nullptr);
    const std::unique_ptr<TSynCustomHighlighter> pascal = pascalClass->Create();
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "x := x + 1;\n";
    setText(text);
    editor.SetHighlighter(pascal.get());
    EXPECT_LT(editor.Lines().LineRange(100), 0) << "a new highlighter scans the screen only";
    while (editor.DoIdleWork()) {}
    ASSERT_TRUE(editor.RangesComplete());

    const int requests = host.idleRequests;
    caretAt(1, 1);
    type("{");
    EXPECT_FALSE(editor.RangesComplete()) << "the comment runs past the screen";
    EXPECT_GT(host.idleRequests, requests);
    EXPECT_NE(editor.Lines().LineRange(editor.VisibleRows()), editor.Lines().LineRange(0)) << "the screen is in the comment";
    EXPECT_EQ(editor.Lines().LineRange(1000), editor.Lines().LineRange(0)) << "far lines are left for later";

    // Deleting the brace: the old ranges past the screen agree again at once.
    command(ecDeleteLastChar);
    EXPECT_FALSE(editor.DoIdleWork(1'000'000, 2));

    // A jump to the end needs the ranges down there at once.
    type("{");
    command(ecEditorBottom);
    paint();
    EXPECT_EQ(editor.Lines().LineRange(editor.Lines().Count() - 1), TSynPasSyn::rgBraceComment);
    // The editor outlives this highlighter: it must let go of it first.
    editor.SetHighlighter(nullptr);
}

} // namespace
} // namespace tavlo::test
