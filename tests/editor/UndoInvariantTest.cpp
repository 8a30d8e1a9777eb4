// Random command sequences must undo back to the original bytes and redo forward to the
// bytes before undoing began.
#include <random>
#include <sstream>

#include "EditorFixture.h"

namespace tavlo::test {
namespace {

// The program's own settings.
const TSynEditorOptions MainWindowOptions = eoAltSetsColumnMode | eoAutoIndent | eoDragDropEditing | eoGroupUndo |
                                            eoScrollHintFollows | eoScrollPastEof | eoScrollPastEol |
                                            eoShowScrollHint | eoSmartTabDelete | eoSmartTabs | eoTabsToSpaces |
                                            eoTrimTrailingSpaces;

class Random {
public:
    // longLines: one line in eight runs to a hundred kilobytes and more.
    explicit Random(uint32_t seed, bool longLines = false) : m_gen(seed), m_longLines(longLines) {}
    int below(int n) { return int(m_gen() % uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

    std::string word() {
        static const char* const words[] = {"int", "x", "foo_bar", "(", ")", "{", "}", ";", "=", "+", "AbC", "ąść", "//", ".", ","};
        return words[below(15)];
    }
    std::string line() {
        if (m_longLines && below(8) == 0) {
            std::string s;
            const size_t length = size_t(70'000 + below(100'000));
            while (s.size() < length) s += word() + (chance(80) ? " " : chance(50) ? "\t" : "  ");
            return s;
        }
        switch (below(6)) {
        case 0: return {};
        case 1: return std::string(size_t(below(6)), ' ');
        case 2: {
            std::string s(size_t(200 + below(200)), 'x');
            for (size_t i = 0; i < s.size(); i += size_t(1 + below(9))) s[i] = ' ';
            return s;
        }
        default: {
            std::string s;
            int indent = below(4);
            for (int i = 0; i < indent; ++i) s += chance(50) ? "\t" : "  ";
            int n = below(8);
            for (int i = 0; i < n; ++i) s += word() + (chance(70) ? " " : chance(50) ? "\t" : "");
            return s;
        }
        }
    }
    std::string text(int maxLines) { return lines(1 + below(maxLines)); }
    std::string lines(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i > 0) s += "\r\n";
            s += line();
        }
        return s;
    }

private:
    std::mt19937 m_gen;
    bool m_longLines;
};

class UndoInvariant : public EditorFixture {
protected:
    TBufferCoord randomPos(Random& rng) {
        int32_t y = 1 + rng.below(std::max(1, editor.Lines().Count()) + 1);
        int32_t len = int32_t(editor.Lines().LineAt(y - 1).size());
        return {1 + rng.below(len + 12), y};
    }

    void randomCommand(Random& rng) {
        static const TSynEditorCommand moves[] = {ecLeft, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight,
                                                  ecLineStart, ecLineEnd, ecPageUp, ecPageDown, ecEditorTop,
                                                  ecEditorBottom, ecPageLeft, ecPageRight};
        static const TSynEditorCommand deletes[] = {ecDeleteLastChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord,
                                                    ecDeleteBOL, ecDeleteEOL, ecDeleteLine};
        static const TSynEditorCommand others[] = {ecLineBreak, ecInsertLine, ecTab, ecShiftTab, ecBlockIndent,
                                                   ecBlockUnindent, ecCut, ecCopy, ecPaste, ecUpperCase,
                                                   ecLowerCase, ecToggleCase, ecTitleCase, ecToggleMode};
        if (editor.Lines().Count() < 20 && rng.chance(10)) {
            // keeps the document from wearing down to a few lines
            editor.PlaceAnchor(editor.CaretPos());
            editor.SetSelectedText(rng.text(30));
            return;
        }
        int kind = rng.below(100);
        if (kind < 35) {
            char ch = "abc xyz\t{}();=_AB12"[rng.below(19)];
            command(ecChar, ch);
        } else if (kind < 43) {
            TSynEditorCommand c = moves[rng.below(14)];
            TSynEditorCommand m = rng.chance(30) ? TSynEditorCommand(c + ecSelection) : c;
            command(m);
        } else if (kind < 50) {
            TBufferCoord p = randomPos(rng);
            command(ecGotoXY, '\0', &p);
        } else if (kind < 57) {
            static const TSynEditorCommand modes[] = {ecNormalSelect, ecColumnSelect, ecLineSelect};
            TSynEditorCommand m = modes[rng.below(3)];
            command(m);
            TBufferCoord p = randomPos(rng);
            command(ecSelGotoXY, '\0', &p);
        } else if (kind < 65) {
            TSynEditorCommand m = deletes[rng.below(7)];
            command(m);
        } else if (kind < 85) {
            TSynEditorCommand m = others[rng.below(14)];
            command(m);
        } else if (kind < 94) {
            // a drag-like move: text put in through the replace primitive from outside
            std::string t = rng.chance(30) ? rng.word() : rng.text(6);
            editor.SetSelectedText(t);
        } else if (kind < 97) {
            std::string ime = rng.word();
            command(ecImeStr, '\0', &ime);
        } else {
            TSynEditorCommand m = rng.chance(50) ? ecUndo : ecRedo;
            command(m);
        }
    }

    // The display lengths the buffer keeps for each line and for the longest agree with a
    // count over the text.
    void expectLengthsCounted() {
        TSynEditStringList& lines = editor.Lines();
        int32_t longest = 0;
        for (int32_t i = 0; i < lines.Count(); ++i) {
            bool hasTabs = false;
            const int64_t counted = ExpandedLength(lines.LineAt(i), lines.TabWidth(), hasTabs);
            ASSERT_EQ(lines.ExpandedLineLength(i), counted) << "line " << i;
            longest = std::max(longest, int32_t(counted));
        }
        ASSERT_EQ(lines.LongestLineLength(), longest);
    }

    // The text as trimming keeps it: lines without their trailing spaces.
    std::string textUpToTrailingSpaces() const {
        std::string result;
        for (int32_t i = 0; i < editor.Lines().Count(); ++i) {
            result += TrimRight(editor.Lines().LineAt(i));
            result += '\n';
        }
        return result;
    }

    // Trimming drops spaces that an edit leaves at a line's end for good, so with it redo
    // promises the text up to trailing spaces; without it, the exact bytes. Undoing everything
    // always gives the loaded bytes back.
    // documentLines: a document of exactly that many lines, else of up to 40.
    // With longLines some lines are long, and the document is loaded as a file is, its lines
    // borrowing the loaded bytes until they change.
    void runSeed(uint32_t seed, int commands, TSynEditorOptions options, bool exactOriginal = false,
                 int documentLines = 0) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Random rng(seed, longLines);
        editor.SetOptions(options);
        editor.SetTabWidth(1 + rng.below(8));
        editor.SetMaxUndo(1 << 30);
        editor.SetSelectionMode(smNormal);
        editor.SetInsertMode(true);
        const std::string document = documentLines > 0 ? rng.lines(documentLines) : rng.text(40);
        if (longLines) {
            std::istringstream stream(document);
            editor.Lines().LoadStream(stream);
            editor.SetModified(false);
        } else {
            setText(document);
        }
        // Typing into a buffer without lines creates its first line, which undo keeps.
        if (editor.Lines().Count() == 0) editor.Lines().AddLine({});
        clipboard.text = rng.text(4);
        clipboard.block.reset();
        const bool exact = !(options & eoTrimTrailingSpaces);
        auto text = [&] { return exact ? editor.Lines().GetAllText() : textUpToTrailingSpaces(); };
        const std::string original = text();
        const std::string loaded = editor.Lines().GetAllText();
        for (int i = 0; i < commands; ++i) {
            randomCommand(rng);
            if (i % 256 == 0) ASSERT_NO_FATAL_FAILURE(expectLengthsCounted());
        }
        while (editor.RedoList().CanUndo()) command(ecRedo); // a trailing undo must not count
        const std::string final = text();
        ASSERT_NE(final, original) << "the commands must have changed something";
        int guard = 0;
        while (editor.UndoList().CanUndo() && guard++ < 1'000'000) command(ecUndo);
        ASSERT_EQ(text(), original);
        ASSERT_NO_FATAL_FAILURE(expectLengthsCounted());
        // Blanks the loaded file had are the user's bytes: undoing everything gives them back.
        if (exactOriginal) {
            ASSERT_EQ(editor.Lines().GetAllText(), loaded);
        }
        EXPECT_FALSE(editor.Modified());
        while (editor.RedoList().CanUndo() && guard++ < 2'000'000) command(ecRedo);
        ASSERT_EQ(text(), final);
        ASSERT_NO_FATAL_FAILURE(expectLengthsCounted());
    }

    bool longLines = false;
};

TEST_F(UndoInvariant, RandomCommandsUndoAndRedoExactly) {
    const TSynEditorOptions base = SYNEDIT_DEFAULT_OPTIONS & ~eoTrimTrailingSpaces;
    const TSynEditorOptions variants[] = {
        base,
        base & ~eoGroupUndo,
        (base & ~(eoSmartTabs | eoTabsToSpaces)) | eoTabIndent,
        (base & ~(eoScrollPastEol | eoAutoIndent | eoSmartTabDelete)) | eoEnhanceHomeKey | eoKeepCaretX,
    };
    for (uint32_t seed = 1; seed <= 100; ++seed) runSeed(seed, 10000, variants[seed % 4]);
}

TEST_F(UndoInvariant, WithTrimmingUndoAndRedoKeepAllButTrailingSpaces) {
    for (uint32_t seed = 1; seed <= 100; ++seed)
        runSeed(seed, 5000, seed % 2 ? MainWindowOptions : SYNEDIT_DEFAULT_OPTIONS, true);
}

// Lines of a hundred kilobytes and more beside short ones: Backspace, Delete, typing in either
// mode, word and selection deletes, pastes and block indents change them in place, with and
// without trimming, and a line that loses most of its bytes gives them back.
TEST_F(UndoInvariant, LongLinesUndoAndRedoExactly) {
    longLines = true;
    const TSynEditorOptions variants[] = {
        MainWindowOptions,
        SYNEDIT_DEFAULT_OPTIONS & ~eoTrimTrailingSpaces,
        (MainWindowOptions & ~(eoSmartTabs | eoTabsToSpaces | eoScrollPastEol)) | eoTabIndent,
    };
    for (uint32_t seed = 1; seed <= 12; ++seed) runSeed(seed, 3000, variants[seed % 3], true);
}

// Every combination of the typing options, not only the ones the program uses.
TEST_F(UndoInvariant, RandomOptionSetsUndoAndRedo) {
    const TSynEditorOptions bits[] = {eoAutoIndent,     eoEnhanceHomeKey, eoGroupUndo,     eoHalfPageScroll, eoKeepCaretX,
                                      eoScrollByOneLess, eoScrollPastEof, eoScrollPastEol, eoSmartTabDelete, eoSmartTabs,
                                      eoTabIndent,      eoTabsToSpaces,   eoTrimTrailingSpaces};
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 pick(seed * 7919u);
        TSynEditorOptions options = 0;
        for (TSynEditorOptions bit : bits)
            if (pick() % 2) options |= bit;
        SCOPED_TRACE("options " + std::to_string(options));
        runSeed(seed, 3000, options, true);
    }
}

// Long documents: lines are inserted and removed across many blocks of the line records, and
// jumps and pages reach all of them.
TEST_F(UndoInvariant, HundredThousandLineDocumentsUndoAndRedoExactly) {
    const TSynEditorOptions base = SYNEDIT_DEFAULT_OPTIONS & ~eoTrimTrailingSpaces;
    for (uint32_t seed = 1; seed <= 3; ++seed) runSeed(seed, 3000, base, true, 100'000);
}

// Blanks that an edit leaves at a line's end but that were right of the changed text belong
// to the user: trimming them would make undo put the text back in front of nothing.
class TrimmingKeepsBlanks : public EditorFixture {
protected:
    TrimmingKeepsBlanks() {
        editor.SetOptions(eoAutoIndent | eoGroupUndo | eoScrollPastEol | eoSmartTabDelete | eoSmartTabs |
                          eoTabsToSpaces | eoTrimTrailingSpaces);
        editor.SetTabWidth(2);
    }
    void undoAll() {
        while (editor.UndoList().CanUndo()) command(ecUndo);
    }
};

TEST_F(TrimmingKeepsBlanks, DeleteJoiningABlankLine) {
    setText("ab  \r\n  ");
    caretAt(5, 1);
    command(ecDeleteChar);
    undoAll();
    EXPECT_EQ(text(), "ab  \n  ");
}

TEST_F(TrimmingKeepsBlanks, BackspaceJoiningABlankLine) {
    setText("a  \r\n  ");
    caretAt(1, 2);
    command(ecDeleteLastChar);
    undoAll();
    EXPECT_EQ(text(), "a  \n  ");
}

TEST_F(TrimmingKeepsBlanks, BackspaceOfTheLastVisibleCharacter) {
    setText("  ,   ");
    caretAt(4, 1);
    command(ecDeleteLastChar);
    undoAll();
    EXPECT_EQ(text(), "  ,   ");
}

TEST_F(TrimmingKeepsBlanks, DeleteOfTheLastVisibleCharacter) {
    setText("a ,   ");
    caretAt(3, 1);
    command(ecDeleteChar);
    undoAll();
    EXPECT_EQ(text(), "a ,   ");
}

TEST_F(TrimmingKeepsBlanks, OverwritingTheLastVisibleCharacterWithABlank) {
    setText("ab c  ");
    caretAt(4, 1);
    command(ecOverwriteMode);
    type(" ");
    undoAll();
    EXPECT_EQ(text(), "ab c  ");
}

TEST_F(TrimmingKeepsBlanks, DeletingASelectionBeforeBlanks) {
    setText("a  xy  \r\nz");
    select({4, 1}, {6, 1});
    command(ecDeleteLastChar);
    undoAll();
    EXPECT_EQ(text(), "a  xy  \nz");
}

TEST_F(TrimmingKeepsBlanks, DeletingAColumnBeforeBlanks) {
    setText("a  xy  \r\nb  xy  ");
    command(ecColumnSelect);
    select({4, 1}, {6, 2});
    command(ecCut);
    undoAll();
    EXPECT_EQ(text(), "a  xy  \nb  xy  ");
}

} // namespace
} // namespace tavlo::test
