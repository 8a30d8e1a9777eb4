// The per-line highlighter ranges the editor keeps: correct after every kind of change, and
// rescanned only as far as a change reaches.
#include "EditorFixture.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSQL.h"

#include <iterator>
#include <random>
#include <set>
#include <sstream>

namespace tavlo::test {
namespace {

// Pascal that remembers which lines it was asked to scan.
class TScanCountingPascal : public TSynPasSyn {
public:
    void StartLine(std::string_view lineText, int lineIndex) override {
        Scanned.insert(lineIndex);
        ++Scans;
        TSynPasSyn::StartLine(lineText, lineIndex);
    }
    std::set<int> Scanned;
    int Scans = 0;
};

class HighlightRangesTest : public EditorFixture {
protected:
    // Ranges as a fresh highlighter computes them for the current text.
    std::vector<int32_t> expectedRanges() const {
        TSynPasSyn fresh;
        fresh.ClearRange();
        std::vector<int32_t> ranges;
        for (int32_t i = 0; i < editor.Lines().Count(); ++i) {
            ranges.push_back(fresh.CurrentRange());
            fresh.StartLine(editor.Lines().LineAt(i), i);
            fresh.SkipToLineEnd();
        }
        return ranges;
    }
    // Every stored range, the ones left for idle time completed first.
    std::vector<int32_t> storedRanges() {
        editor.EnsureRangesUpTo(editor.Lines().Count());
        EXPECT_TRUE(editor.RangesComplete());
        std::vector<int32_t> ranges;
        for (int32_t i = 0; i < editor.Lines().Count(); ++i) ranges.push_back(editor.Lines().LineRange(i));
        return ranges;
    }
    void resetCounts() {
        pascal.Scanned.clear();
        pascal.Scans = 0;
    }

    // The editor outlives this member: it lets go of the highlighter first.
    ~HighlightRangesTest() override { editor.SetHighlighter(nullptr); }
    TScanCountingPascal pascal;
};

const char* const Program = "unit Ranges;\n"      // 1
                            "interface\n"         // 2
                            "procedure Go;\n"     // 3
                            "implementation\n"    // 4
                            "procedure Go;\n"     // 5
                            "begin\n"             // 6
                            "  Run;\n"            // 7
                            "  Stop; } Done;\n"   // 8: closes what line 4 will open
                            "end;\n"              // 9
                            "end.";               // 10

TEST_F(HighlightRangesTest, TypingABraceRescansDownToTheCommentsEndOnly) {
    setText(Program);
    editor.SetHighlighter(&pascal);
    const std::vector<int32_t> before = storedRanges();
    EXPECT_EQ(before, expectedRanges());

    caretAt(15, 4);
    resetCounts();
    type("{");
    EXPECT_EQ(storedRanges(), expectedRanges());
    for (int32_t line = 5; line <= 8; ++line)
        EXPECT_EQ(editor.Lines().LineRange(line - 1), TSynPasSyn::rgBraceComment) << line;
    EXPECT_EQ(editor.Lines().LineRange(8), TSynPasSyn::rgNone);
    EXPECT_EQ(*pascal.Scanned.rbegin(), 7) << "line 9's stored range agreed: no further";
    EXPECT_EQ(*pascal.Scanned.begin(), 3);

    resetCounts();
    command(ecDeleteLastChar);
    EXPECT_EQ(storedRanges(), before);
    EXPECT_EQ(*pascal.Scanned.rbegin(), 7);

    // Undo and redo of the brace keep the ranges too.
    type("{");
    command(ecUndo);
    EXPECT_EQ(storedRanges(), before);
    command(ecRedo);
    EXPECT_EQ(storedRanges(), expectedRanges());
}

TEST_F(HighlightRangesTest, InsertedAndDeletedLinesKeepRangesCurrent) {
    setText(Program);
    editor.SetHighlighter(&pascal);
    caretAt(1, 5);
    type("(* opened");
    command(ecLineBreak);
    EXPECT_EQ(storedRanges(), expectedRanges());
    EXPECT_EQ(editor.Lines().LineRange(5), TSynPasSyn::rgParenComment);

    caretAt(1, 1);
    command(ecDeleteLine);
    EXPECT_EQ(storedRanges(), expectedRanges());
    select({1, 2}, {1, 6});
    command(ecDeleteLastChar);
    EXPECT_EQ(storedRanges(), expectedRanges());

    editor.Lines().InsertEmptyLines(0, 3);
    EXPECT_EQ(storedRanges(), expectedRanges());
    editor.Lines().RemoveLines(1, 2);
    EXPECT_EQ(storedRanges(), expectedRanges());
    editor.Lines().AddLine("{ at the end");
    editor.Lines().AddLine("still inside");
    EXPECT_EQ(storedRanges(), expectedRanges());
    EXPECT_EQ(editor.Lines().LineRange(editor.Lines().Count() - 1), TSynPasSyn::rgBraceComment);
}

TEST_F(HighlightRangesTest, TypingInALongDocumentScansAFewLines) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "  x := x + 1; { note }\n";
    setText(text);
    editor.SetHighlighter(&pascal);
    editor.EnsureRangesUpTo(5000);
    caretAt(3, 2500);
    resetCounts();
    type("y");
    command(ecLineBreak);
    command(ecDeleteLastChar);
    EXPECT_LE(pascal.Scans, 12);
    EXPECT_EQ(storedRanges(), expectedRanges());
}

TEST_F(HighlightRangesTest, LoadingWithAHighlighterScansEachLineOnce) {
    editor.SetHighlighter(&pascal);
    std::string text;
    for (int i = 0; i < 300; ++i) text += i % 7 == 3 ? "x := 1; { opens\n" : i % 7 == 5 ? "closes } y;\n" : "z := 2;\n";
    resetCounts();
    std::istringstream stream(text);
    editor.Lines().LoadStream(stream);
    EXPECT_EQ(editor.Lines().Count(), 300);
    EXPECT_EQ(storedRanges(), expectedRanges());
    EXPECT_LE(pascal.Scans, 302);

    // Appending behind a last line that changed, or after lines went, starts from its new end.
    editor.Lines().ReplaceLine(299, "{ now open");
    editor.Lines().AddLine("inside");
    EXPECT_EQ(storedRanges(), expectedRanges());
    editor.Lines().RemoveLine(300);
    editor.Lines().RemoveLine(299);
    editor.Lines().InsertLineAt(299, "(* again");
    editor.Lines().AddLine("inside");
    EXPECT_EQ(storedRanges(), expectedRanges());
    // The last line goes: the one before it becomes the last, and it opens a comment.
    editor.Lines().AddLine("} closed");
    editor.Lines().AddLine("{ opened by the line before the last");
    editor.Lines().AddLine("x");
    editor.Lines().RemoveLine(editor.Lines().Count() - 1);
    editor.Lines().AddLine("inside again");
    EXPECT_EQ(storedRanges(), expectedRanges());
    editor.Lines().Clear();
    editor.Lines().AddLine("a");
    editor.Lines().AddLine("b");
    EXPECT_EQ(storedRanges(), expectedRanges());
}

// Any sequence of buffer changes leaves every stored range as a fresh scan computes it.
TEST_F(HighlightRangesTest, RandomChangesKeepEveryRangeExact) {
    static const char* const pieces[] = {"x := 1;", "{", "}", "(*", "*)", "asm", "end;", "'str'", " ", "// c"};
    std::mt19937 random(7);
    auto randomLine = [&] {
        std::string line;
        for (int n = int(random() % 4); n > 0; --n) line += pieces[random() % std::size(pieces)];
        return line;
    };
    editor.SetHighlighter(&pascal);
    for (int step = 0; step < 3000; ++step) {
        TSynEditStringList& lines = editor.Lines();
        const int32_t count = lines.Count();
        const int32_t at = count > 0 ? int32_t(random() % uint32_t(count)) : 0;
        switch (random() % 8) {
        case 0: lines.AddLine(randomLine()); break;
        case 1: lines.InsertLineAt(int32_t(random() % uint32_t(count + 1)), randomLine()); break;
        case 2: if (count > 0) lines.RemoveLine(at); break;
        case 3: if (count > 0) lines.ReplaceLine(at, randomLine()); break;
        case 4: lines.InsertEmptyLines(int32_t(random() % uint32_t(count + 1)), 1 + int32_t(random() % 3)); break;
        case 5: if (count > 0) lines.RemoveLines(at, 1 + int32_t(random() % 3)); break;
        case 6: if (count > 0) lines.ReplaceLine(count - 1, randomLine()); break;
        case 7: if (random() % 50 == 0) lines.Clear(); else lines.AddLine(randomLine()); break;
        }
        ASSERT_EQ(storedRanges(), expectedRanges()) << "step " << step;
    }
}

TEST_F(HighlightRangesTest, ANewHighlighterRecomputesEveryRangeAndKeepsTheSelection) {
    setText("{ open\nstill\n} closed\nx");
    select({1, 2}, {3, 3});
    const int repaints = host.invalidateAllCount;
    editor.SetHighlighter(&pascal);
    EXPECT_EQ(storedRanges(), expectedRanges());
    EXPECT_GT(host.invalidateAllCount, repaints);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{1, 2}));
    EXPECT_EQ(editor.SelLast(), (TBufferCoord{3, 3}));

    // Without a highlighter nothing is scanned; a later one starts afresh.
    editor.SetHighlighter(nullptr);
    resetCounts();
    editor.Lines().ReplaceLine(0, "x");
    EXPECT_EQ(pascal.Scans, 0);
    editor.SetHighlighter(&pascal);
    EXPECT_EQ(storedRanges(), expectedRanges());
}

TEST_F(HighlightRangesTest, TheEditorLetsGoOfAHighlighter) {
    setText("begin");
    {
        TSynPasSyn temporary;
        editor.SetHighlighter(&temporary);
        editor.HighlighterDestroyed(temporary);
        EXPECT_EQ(editor.Highlighter(), nullptr);
    }
    editor.Lines().ReplaceLine(0, "end"); // must not reach the dead highlighter
    editor.SetHighlighter(&pascal);
    editor.SetHighlighter(nullptr);
    const int repaints = host.invalidateAllCount;
    pascal.KeyAttri->SetForeground(clRed);
    EXPECT_EQ(host.invalidateAllCount, repaints) << "the change hook went with the highlighter";
}

TEST_F(HighlightRangesTest, TokenAttributeAtFollowsTheStoredRange) {
    setText("x := 'a(b';\n{ comment (\nclosed } (y)");
    EXPECT_EQ(editor.TokenAttributeAt({8, 1}), nullptr) << "no highlighter";
    editor.SetHighlighter(&pascal);
    std::string token;
    EXPECT_EQ(editor.TokenAttributeAt({8, 1}, &token), pascal.StringAttri);
    EXPECT_EQ(token, "'a(b'");
    EXPECT_EQ(editor.TokenAttributeAt({3, 2}), pascal.CommentAttri);
    EXPECT_EQ(editor.TokenAttributeAt({3, 3}), pascal.CommentAttri) << "the comment carried over";
    EXPECT_EQ(editor.TokenAttributeAt({10, 3}, &token), pascal.SymbolAttri);
    EXPECT_EQ(token, "(");
    EXPECT_EQ(editor.TokenAttributeAt({40, 3}), nullptr);
    EXPECT_EQ(editor.TokenAttributeAt({1, 9}), nullptr);
    EXPECT_EQ(editor.TokenAttributeAt({0, 1}), nullptr);
}

TEST_F(HighlightRangesTest, ANewVocabularyRecomputesTheRangesAndRecolours) {
    // In MySQL the backslash keeps the string open to line 2; elsewhere it closes on line 1.
    setText("select 'it\\'s\nstill ' x\nselect customer");
    TSynSQLSyn sql;
    editor.SetHighlighter(&sql);
    EXPECT_EQ(storedRanges(), (std::vector<int32_t>{TSynSQLSyn::rgNone, TSynSQLSyn::rgNone,
                                                    TSynSQLSyn::rgString}));
    EXPECT_EQ(editor.TokenAttributeAt({3, 2}), sql.IdentifierAttri);
    EXPECT_EQ(editor.TokenAttributeAt({9, 2}), sql.StringAttri);
    const int repaints = host.invalidateAllCount;
    sql.SetSQLDialect(sqlMySQL);
    EXPECT_EQ(storedRanges(), (std::vector<int32_t>{TSynSQLSyn::rgNone, TSynSQLSyn::rgString,
                                                    TSynSQLSyn::rgNone}));
    EXPECT_EQ(editor.TokenAttributeAt({3, 2}), sql.StringAttri);
    EXPECT_EQ(editor.TokenAttributeAt({9, 2}), sql.IdentifierAttri);
    EXPECT_GT(host.invalidateAllCount, repaints);

    const int beforeNames = host.invalidateAllCount;
    EXPECT_EQ(editor.TokenAttributeAt({10, 3}), sql.IdentifierAttri);
    sql.SetTableNames({"customer"});
    EXPECT_EQ(editor.TokenAttributeAt({10, 3}), sql.TableNameAttri);
    EXPECT_GT(host.invalidateAllCount, beforeNames);
    editor.SetHighlighter(nullptr);
}

} // namespace
} // namespace tavlo::test
