// Find and replace in the editor: scopes, directions, the caret after a find, replacements
// with each answer, replace-all as one undo step, and bracket matching.
#include <random>

#include "EditorFixture.h"
#include "ReferenceMatcher.h"
#include "highlighters/SynHighlighterPas.h"

namespace tavlo::test {
namespace {

class FindReplace : public EditorFixture {
protected:
    int32_t find(const std::string& search, TSynSearchOptions options = 0) {
        return editor.FindAndReplace(search, {}, options);
    }
    std::string selected() const { return editor.SelectedText(); }
    // Answers the replace questions in turn; the last answer repeats.
    void answer(std::vector<TSynReplaceAction> answers) {
        editor.OnReplaceText = [this, answers,
                                asked = size_t(0)](TCustomSynEdit&, const std::string&,
                                                   const std::string&, int32_t line, int32_t column,
                                                   TSynReplaceAction& action) mutable {
            EXPECT_EQ(action, rpCancel);
            questions.push_back({column, line});
            action = answers[std::min(asked++, answers.size() - 1)];
        };
    }
    std::vector<TBufferCoord> questions;
};

TEST_F(FindReplace, ForwardAndBackwardFromTheCaret) {
    setText("one two one\ntwo one two");
    caretAt(2, 1);
    EXPECT_EQ(find("one"), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{9, 1}));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{12, 1}));
    // Again from the caret: the next one, then nothing more, leaving the selection alone.
    EXPECT_EQ(find("one"), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{5, 2}));
    EXPECT_EQ(find("one"), 0);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{5, 2}));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{8, 2}));
    // Backwards: the nearest match ending at or before the caret, the caret at its start.
    caretAt(7, 2);
    EXPECT_EQ(find("two", ssoBackwards), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{1, 2}));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{1, 2}));
    EXPECT_EQ(find("two", ssoBackwards), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{5, 1}));
    // The entire scope starts at the top whatever the caret.
    EXPECT_EQ(find("one", ssoEntireScope), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{1, 1}));
    EXPECT_EQ(find("TWO", ssoEntireScope | ssoMatchCase), 0);
    EXPECT_EQ(find("", ssoEntireScope), 0);
    // The view starts at column 1 and shows the match.
    EXPECT_EQ(editor.FirstVisibleColumn(), 1);
}

TEST_F(FindReplace, WholeWordsAndPolishLetters) {
    setText("concat cat_1 (CAT) \xA3\xD3\x8C");
    EXPECT_EQ(find("cat", ssoEntireScope | ssoWholeWord), 1);
    EXPECT_EQ(selected(), "CAT");
    EXPECT_EQ(find("\xB3\xF3\x9C", ssoEntireScope), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{20, 1}));
}

TEST_F(FindReplace, SelectionScopes) {
    setText("ab ab ab\nab ab ab\nab ab ab");
    // Normal: from the selection start to its end only.
    select({4, 1}, {3, 2});
    EXPECT_EQ(editor.FindAndReplace("ab", "X", ssoSelectedOnly | ssoReplaceAll | ssoEntireScope),
              3);
    EXPECT_EQ(text(), "ab X X\nX ab ab\nab ab ab");
    // Lines: whole lines, whatever columns the ends stand in.
    editor.SetSelectionMode(smLine);
    select({5, 2}, {2, 3});
    EXPECT_EQ(editor.FindAndReplace("ab", "Y", ssoSelectedOnly | ssoReplaceAll | ssoEntireScope),
              5);
    EXPECT_EQ(text(), "ab X X\nX Y Y\nY Y Y");
    // Columns: matches within the block's columns, the corners in either order.
    setText("ab ab ab\nab ab ab\nab ab ab");
    editor.SetSelectionMode(smColumn);
    select({6, 3}, {3, 1});
    EXPECT_EQ(editor.FindAndReplace("ab", "Z", ssoSelectedOnly | ssoReplaceAll | ssoEntireScope),
              3);
    EXPECT_EQ(text(), "ab Z ab\nab Z ab\nab Z ab");
    // Without a selection the flag is dropped.
    editor.SetSelectionMode(smNormal);
    caretAt(1, 1);
    EXPECT_EQ(find("ab", ssoSelectedOnly), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{1, 1}));
}

TEST_F(FindReplace, ColumnModeKeepsToTheCaretColumns) {
    setText("x xx  xx\nxx      \nxx xx  xx  xx  xx xx");
    editor.SetSelectionMode(smColumn);
    caretAt(5, 1);
    EXPECT_EQ(find("xx"), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{7, 1}));
    caretAt(5, 2);
    EXPECT_EQ(find("xx"), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{8, 3}));
    // The scope's columns start at the caret of each search.
    caretAt(17, 1);
    EXPECT_EQ(find("xx"), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{19, 3}));
    EXPECT_EQ(find("xx"), 0);
    // Backwards the columns end at the caret.
    caretAt(15, 3);
    EXPECT_EQ(find("xx", ssoBackwards), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{12, 3}));
}

TEST_F(FindReplace, ReplaceOneAndEachAnswer) {
    setText("a a a a a");
    caretAt(1, 1);
    EXPECT_EQ(editor.FindAndReplace("a", "bb", ssoReplace), 1);
    EXPECT_EQ(text(), "bb a a a a");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 1}));
    // Longer replacements shift the later matches of the line with the text.
    setText("aaa");
    EXPECT_EQ(editor.FindAndReplace("a", "bb", ssoReplaceAll | ssoEntireScope), 3);
    EXPECT_EQ(text(), "bbbbbb");

    setText("a a a a a");
    answer({rpReplace, rpSkip, rpReplace, rpCancel});
    EXPECT_EQ(editor.FindAndReplace("a", "bc", ssoReplaceAll | ssoPrompt | ssoEntireScope), 4);
    EXPECT_EQ(text(), "bc a bc a a");
    EXPECT_EQ(questions, (std::vector<TBufferCoord>{{1, 1}, {4, 1}, {6, 1}, {9, 1}}));
    // A cancel keeps what was replaced; one undo takes the run of replacements back.
    editor.Undo();
    EXPECT_EQ(text(), "a a a a a");

    // All at the second question replaces the rest without asking, as one undo step.
    setText("a\na a\na");
    questions.clear();
    answer({rpSkip, rpReplaceAll});
    EXPECT_EQ(editor.FindAndReplace("a", "[a]", ssoReplaceAll | ssoPrompt | ssoEntireScope), 4);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(text(), "a\n[a] [a]\n[a]");
    editor.Undo();
    EXPECT_EQ(text(), "a\na a\na");

    // Asking with nobody to answer replaces everything, still as one step.
    editor.OnReplaceText = nullptr;
    setText("a a\na");
    EXPECT_EQ(editor.FindAndReplace("a", "b", ssoReplaceAll | ssoPrompt | ssoEntireScope), 3);
    EXPECT_EQ(text(), "b b\nb");
    editor.Undo();
    EXPECT_EQ(text(), "a a\na");

    // Backwards, the questions come last match first.
    setText("x x\nx");
    questions.clear();
    answer({rpReplace});
    caretAt(2, 2);
    EXPECT_EQ(editor.FindAndReplace("x", "yy", ssoReplaceAll | ssoPrompt | ssoBackwards), 3);
    EXPECT_EQ(questions, (std::vector<TBufferCoord>{{1, 2}, {3, 1}, {1, 1}}));
    EXPECT_EQ(text(), "yy yy\nyy");
}

TEST_F(FindReplace, ReadOnlyIsSearchedButNeverChanged) {
    setText("abc abc");
    editor.SetReadOnly(true);
    EXPECT_EQ(find("abc", ssoEntireScope), 1);
    EXPECT_EQ(selected(), "abc");
    EXPECT_EQ(editor.FindAndReplace("abc", "x", ssoReplaceAll | ssoEntireScope), 0);
    EXPECT_EQ(editor.FindAndReplace("abc", "x", ssoReplace | ssoEntireScope), 0);
    EXPECT_EQ(text(), "abc abc");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(FindReplace, LineBreaksInTheReplacement) {
    setText("a-b-c\nd-e");
    caretAt(1, 1);
    answer({rpReplace});
    EXPECT_EQ(editor.FindAndReplace("-", "\r\n", ssoReplaceAll | ssoPrompt), 3);
    EXPECT_EQ(text(), "a\nb\nc\nd\ne");
    setText("a-b-c\nd-e");
    EXPECT_EQ(editor.FindAndReplace("-", "+\r\n+", ssoReplaceAll | ssoEntireScope), 3);
    EXPECT_EQ(text(), "a+\n+b+\n+c\nd+\n+e");
    editor.Undo();
    EXPECT_EQ(text(), "a-b-c\nd-e");
}

// Replace-all over random texts equals the reference replacement; one undo gives the
// original bytes back exactly, redo the replaced ones.
TEST_F(FindReplace, ReplaceAllInvariants) {
    std::mt19937 random(8);
    const std::string alphabet = std::string("aAbB_ 1\t") + '\0' + "\xB9\xA5\x9C";
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines(1 + random() % 12);
        std::string original;
        for (size_t i = 0; i < lines.size(); ++i) {
            lines[i].resize(random() % (round % 20 == 0 ? 3000 : 30));
            for (char& c : lines[i])
                c = alphabet[random() % alphabet.size()];
            original += lines[i] + (i + 1 < lines.size() ? "\r\n" : "");
        }
        if (original.empty()) continue;
        std::string pattern(1 + random() % 3, 'a');
        for (char& c : pattern)
            c = alphabet[random() % 6];
        std::string replacement(random() % 4, 'z');
        if (random() % 8 == 0) replacement += " \r\n";
        const bool caseMatters = random() % 2, wholeWords = random() % 2;
        editor.SetSelectionMode(TSynSelectionMode(random() % 3));
        setText(original);
        // As the buffer holds the text: a break at its very end ends the last line.
        const std::string loaded = editor.Lines().GetAllText();
        std::string expected;
        for (int32_t i = 0; i < editor.Lines().Count(); ++i)
            expected += ReferenceReplaced(editor.Lines().LineAt(i), pattern, replacement,
                                          caseMatters, wholeWords) +
                        "\r\n";
        caretAt(1 + int32_t(random() % 5), 1);
        // Some runs ask first: a few single replacements, then all the rest, in the caller's
        // undo block as the replace dialog has it.
        const bool prompt = random() % 3 == 0;
        std::vector<TSynReplaceAction> answers(random() % 4, rpReplace);
        answers.push_back(rpReplaceAll);
        answer(answers);
        const TSynSearchOptions options =
            ssoReplaceAll | ssoEntireScope | (caseMatters ? ssoMatchCase : 0) |
            (wholeWords ? ssoWholeWord : 0) | (random() % 2 ? ssoBackwards : 0) |
            (prompt ? ssoPrompt : 0);
        // Column mode keeps matches to the caret's columns; the whole text needs the normal mode.
        if (editor.SelectionMode() == smColumn) editor.SetSelectionMode(smNormal);
        editor.BeginUndoBlock();
        editor.FindAndReplace(pattern, replacement, options);
        editor.EndUndoBlock();
        ASSERT_EQ(editor.Lines().GetAllText(), expected) << "round " << round;
        editor.Undo();
        ASSERT_EQ(editor.Lines().GetAllText(), loaded) << "round " << round;
        editor.Redo();
        ASSERT_EQ(editor.Lines().GetAllText(), expected) << "round " << round;
    }
}

// The owner may hand the editor an engine of its own, e.g. with other word bounds.
TEST_F(FindReplace, SearchEngineOverride) {
    class TAnyBoundsSearch : public TSynEditSearch {
        bool IsWholeWordMatch(size_t) const override { return true; }
    };
    int calls = 0;
    editor.OnSearchEngineOverride = [&calls](std::unique_ptr<TSynEditSearch>& engine) {
        if (!engine) engine = std::make_unique<TAnyBoundsSearch>();
        ++calls;
    };
    setText("concat cat");
    EXPECT_EQ(find("cat", ssoEntireScope | ssoWholeWord), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{4, 1}));
    EXPECT_EQ(find("cat", ssoWholeWord), 1);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{8, 1}));
    EXPECT_EQ(calls, 2);
}

TEST_F(FindReplace, ReplaceAllShowsTheLastReplacement) {
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += "line " + std::to_string(i) + (i == 250 ? " mark\n" : "\n");
    setText(lines);
    caretAt(1, 1);
    EXPECT_EQ(editor.FindAndReplace("mark", "done", ssoReplaceAll), 1);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{14, 251}));
    EXPECT_LE(editor.FirstVisibleLine(), 251);
    EXPECT_GT(editor.FirstVisibleLine() + editor.VisibleRows(), 251);
}

TEST_F(FindReplace, ReplaceAllIsOneUndoStepAfterTyping) {
    setText("ab ab");
    caretAt(6, 1);
    type(" ab");
    const std::string typed = editor.Lines().GetAllText();
    EXPECT_EQ(editor.FindAndReplace("ab", "c", ssoReplaceAll | ssoEntireScope), 3);
    EXPECT_EQ(text(), "c c c");
    editor.Undo();
    EXPECT_EQ(editor.Lines().GetAllText(), typed);
}

TEST_F(FindReplace, MatchingBrackets) {
    setText("f(a, [b], (c))\n{\n  x)\n}");
    EXPECT_EQ(editor.MatchingBracketPos({2, 1}, false), (TBufferCoord{14, 1}));
    EXPECT_EQ(editor.MatchingBracketPos({14, 1}, false), (TBufferCoord{2, 1}));
    EXPECT_EQ(editor.MatchingBracketPos({1, 2}, false), (TBufferCoord{1, 4}));
    EXPECT_EQ(editor.MatchingBracketPos({1, 1}, false), (TBufferCoord{0, 0}));
    EXPECT_EQ(editor.MatchingBracketPos({99, 1}, false), (TBufferCoord{0, 0}));
    EXPECT_EQ(editor.MatchingBracketPos({4, 3}, false), (TBufferCoord{0, 0}));
    setText("\t(\t)");
    EXPECT_EQ(editor.MatchingBracketPos({2, 1}, true),
              (TBufferCoord{4 + 2 * (editor.TabWidth() - 1), 1}));

    // Brackets in strings and comments do not count once a highlighter says so.
    TSynPasSyn pascal;
    setText("f(a, ')', { ) } b)");
    editor.SetHighlighter(&pascal);
    caretAt(2, 1);
    command(ecMatchBracket);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{18, 1}));
    command(ecMatchBracket);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 1}));
    editor.SetHighlighter(nullptr);
    caretAt(2, 1);
    command(ecMatchBracket);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{7, 1}));
}

} // namespace
} // namespace tavlo::test
