#include "EditorFixture.h"

using namespace tavlo;
using namespace tavlo::test;

// Whole-text commands (conversion, sorting) write with trimming switched off; redoing them
// after the option is back must not strip the blanks they kept.
TEST_F(EditorFixture, RedoTrimsOnlyWhereTheOriginalEditDid) {
    editor.SetOptions(editor.Options() | eoTrimTrailingSpaces);
    setText("a  \nb  \nc");
    editor.SelectWholeText();
    editor.SetOptions(editor.Options() & ~eoTrimTrailingSpaces);
    editor.SetSelectedText("A  \nB  \nC");
    editor.SetOptions(editor.Options() | eoTrimTrailingSpaces);
    ASSERT_EQ(text(), "A  \nB  \nC");

    editor.Undo();
    EXPECT_EQ(text(), "a  \nb  \nc");
    editor.Redo();
    EXPECT_EQ(text(), "A  \nB  \nC");
    EXPECT_TRUE(editor.HasOption(eoTrimTrailingSpaces));
    editor.Undo();
    EXPECT_EQ(text(), "a  \nb  \nc");

    // And the other way round: an edit that trimmed is redone trimmed with the option off.
    caretAt(2, 3);
    type("x ");
    command(ecLineBreak);
    EXPECT_EQ(text(), "a  \nb  \ncx\n");
    editor.SetOptions(editor.Options() & ~eoTrimTrailingSpaces);
    editor.Undo();
    editor.Redo();
    EXPECT_EQ(text(), "a  \nb  \ncx\n");
}
