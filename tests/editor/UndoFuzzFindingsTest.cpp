// Command sequences a fuzzer found to break the undo invariant: undoing everything gives the
// original text back with the document unmodified, and redoing everything gives the edited
// text back.
#include "EditorFixture.h"

namespace tavlo::test {
namespace {

class UndoFuzzFindings : public EditorFixture {
protected:
    void undoAll() {
        for (int guard = 0; editor.UndoList().CanUndo() && guard < 1000; ++guard) command(ecUndo);
    }
    void redoAll() {
        for (int guard = 0; editor.RedoList().CanUndo() && guard < 1000; ++guard) command(ecRedo);
    }
    // Undoes all, checks the original, redoes all and checks the edited text.
    void expectRoundTrip(const std::string& original) {
        const std::string edited = text();
        undoAll();
        EXPECT_EQ(text(), original);
        EXPECT_FALSE(editor.Modified());
        redoAll();
        EXPECT_EQ(text(), edited);
    }
};

TEST_F(UndoFuzzFindings, TypingWithoutSelectionsIsUndone) {
    editor.SetOptions(editor.Options() | eoNoSelection);
    setText("ab");
    caretAt(2, 1);
    type("x");
    EXPECT_EQ(text(), "axb");
    command(ecUndo);
    EXPECT_EQ(text(), "ab") << "undo takes the typed character out again";
    EXPECT_FALSE(editor.Modified());
    command(ecRedo);
    EXPECT_EQ(text(), "axb");

    // Deletions are replayed through a selection as well.
    setText("one two");
    caretAt(4, 1);
    command(ecDeleteChar);
    command(ecDeleteLastChar);
    expectRoundTrip("one two");
}

TEST_F(UndoFuzzFindings, LineModePasteInAWindowNarrowerThanTheGutter) {
    host.width = 20; // no whole text column beside the gutter
    editor.SizeOrFontChanged();
    ASSERT_EQ(editor.VisibleColumns(), 0);
    setText("a\r\n\r\n");
    editor.SetSelectionMode(smLine);
    select({1, 1}, {2, 1});
    command(ecCopy);
    caretAt(1, 2);
    command(ecPaste);
    EXPECT_EQ(text(), "a\na\n");
    expectRoundTrip("a\n");

    // Replacing a selection records the same kind of entry.
    setText("a\r\nb");
    select({1, 1}, {1, 1});
    editor.SetSelectedText("xy\r\n");
    expectRoundTrip("a\nb");
}

TEST_F(UndoFuzzFindings, InputMethodTextWithLineBreaksIsInsertedAsLines) {
    setText("abc");
    caretAt(2, 1);
    std::string ime = "x\ry";
    command(ecImeStr, '\0', &ime);
    EXPECT_EQ(text(), "ax\nybc") << "without a selection the break splits the line";
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 2}));
    expectRoundTrip("abc");

    setText("abc");
    select({2, 1}, {3, 1});
    command(ecImeStr, '\0', &ime);
    EXPECT_EQ(text(), "ax\nyc") << "replacing a selection splits it the same way";
    expectRoundTrip("abc");

    // A lone break in overwrite mode inserts too: there is nothing it could overwrite.
    setText("abc");
    caretAt(2, 1);
    command(ecOverwriteMode);
    ime = "\n";
    command(ecImeStr, '\0', &ime);
    EXPECT_EQ(text(), "a\nbc");
    expectRoundTrip("abc");
}

TEST_F(UndoFuzzFindings, DroppingALineSelectionIntoTheSameEditor) {
    auto at = [&](int32_t x, int32_t y) {
        return TPoint{editor.TextLeft() + (x - 1) * host.charWidth + 1, (y - 1) * host.charHeight + 1};
    };
    setText("one\r\ntwo\r\nthree\r\nfour");
    editor.SetSelectionMode(smLine);
    select({2, 1}, {2, 2});
    editor.DragDrop(&editor, at(3, 4).X, at(3, 4).Y, 0);
    EXPECT_EQ(text(), "three\nfoone\ntwo\nur") << "the lines land where the pointer was, before 'u'";
    expectRoundTrip("one\ntwo\nthree\nfour");

    setText("one\r\ntwo\r\nthree");
    editor.SetSelectionMode(smLine);
    select({3, 1}, {2, 2});
    editor.DragDrop(&editor, at(1, 1).X, at(1, 1).Y, 0);
    editor.DragDrop(&editor, at(4, 2).X, at(4, 2).Y, 0);
    EXPECT_EQ(text(), "one\ntwo\nthree") << "a drop anywhere on the selected lines is inside the selection";
    EXPECT_FALSE(editor.Modified());
}

TEST_F(UndoFuzzFindings, RedoAfterTheOptionsChanged) {
    editor.SetOptions((editor.Options() | eoTrimTrailingSpaces) & ~eoScrollPastEol);
    setText("  foo");
    select({3, 1}, {6, 1});
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "  ") << "without scrolling past the line end the blanks stay";
    command(ecUndo);
    EXPECT_EQ(text(), "  foo");
    editor.SetOptions(editor.Options() | eoScrollPastEol);
    command(ecRedo);
    EXPECT_EQ(text(), "  ") << "redo removes what the deletion removed, nothing more";
    expectRoundTrip("  foo");

    // Backspace trims whatever the option says; so does its redo.
    editor.SetOptions(editor.Options() & ~eoScrollPastEol);
    setText("a _");
    caretAt(4, 1);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "a");
    expectRoundTrip("a _");
}

// Commands that keep the blanks ending the line above what they remove: redo keeps them too.
TEST_F(UndoFuzzFindings, RedoOfLineRemovalsKeepsTheBlanksAbove) {
    ASSERT_TRUE(editor.HasOption(eoTrimTrailingSpaces) && editor.HasOption(eoScrollPastEol));
    setText("ab  \r\nc");
    caretAt(1, 2);
    command(ecDeleteLine);
    EXPECT_EQ(text(), "ab  ");
    expectRoundTrip("ab  \nc");

    setText("ab  \r\n\r\n");
    caretAt(1, 2);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "ab  ");
    expectRoundTrip("ab  \n");
}

} // namespace
} // namespace tavlo::test
