// The undo list on its own and undo/redo through the editor.
#include "EditorFixture.h"

namespace tavlo::test {
namespace {

TEST(UndoList, NumbersBlocksLimitAndBreaks) {
    TSynEditUndoList list;
    EXPECT_EQ(list.LastReason(), urNothing);
    int added = 0;
    list.OnEntryAdded = [&](TSynEditUndoList&) { ++added; };
    list.RecordChange(urInsert, {1, 1}, {2, 1}, {}, smNormal);
    list.RecordChange(urInsert, {2, 1}, {3, 1}, {}, smNormal);
    EXPECT_NE(list.PeekEntry()->GroupNumber, 1);
    list.OpenBlock();
    list.OpenBlock();
    list.RecordChange(urDelete, {1, 1}, {2, 1}, "x", smNormal);
    list.CloseBlock();
    list.RecordChange(urInsert, {1, 1}, {2, 1}, {}, smNormal);
    list.CloseBlock();
    list.CloseBlock(); // unbalanced close is harmless
    auto last = list.PopEntry();
    EXPECT_EQ(last->GroupNumber, list.PeekEntry()->GroupNumber);
    list.MarkGroupBreak();
    list.MarkGroupBreak();
    EXPECT_EQ(list.EntryCount(), 4);
    EXPECT_EQ(added, 4) << "group breaks do not notify";
    list.LockRecording();
    list.RecordChange(urInsert, {1, 1}, {2, 1}, {}, smNormal);
    list.UnlockRecording();
    list.UnlockRecording();
    EXPECT_EQ(list.EntryCount(), 4);

    list.SetMaxEntries(2);
    EXPECT_TRUE(list.Overflowed());
    EXPECT_EQ(list.EntryCount(), 2);
    list.SetMaxEntries(-4);
    EXPECT_EQ(list.MaxEntries(), 0);
    EXPECT_EQ(list.EntryCount(), 0);
    list.ClearEntries();
    EXPECT_FALSE(list.Overflowed());

    list.SetNextNumber(-1);
    list.SetMaxEntries(10);
    list.RecordChange(urInsert, {1, 1}, {2, 1}, {}, smNormal);
    list.RecordChange(urInsert, {1, 1}, {2, 1}, {}, smNormal);
    EXPECT_EQ(list.PeekEntry()->GroupNumber, 1) << "numbering skips 0 after the wrap";
}

using UndoEditor = EditorFixture;

TEST_F(UndoEditor, GroupUndoJoinsTypingUntilACaretMove) {
    setText("");
    type("abc");
    EXPECT_TRUE(editor.Modified());
    command(ecUndo);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(editor.Modified());
    command(ecRedo);
    EXPECT_EQ(text(), "abc");

    setText("");
    type("ab");
    command(ecLeft);
    command(ecRight);
    type("c");
    command(ecUndo);
    EXPECT_EQ(text(), "ab");
    command(ecUndo);
    EXPECT_EQ(text(), "");

    editor.SetOptions(editor.Options() & ~eoGroupUndo);
    setText("");
    type("abc");
    command(ecUndo);
    EXPECT_EQ(text(), "ab");
    command(ecUndo);
    command(ecUndo);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(editor.UndoList().CanUndo());
    command(ecUndo); // empty list: nothing
    EXPECT_EQ(text(), "");
}

TEST_F(UndoEditor, OverflowKeepsModified) {
    editor.SetOptions(editor.Options() & ~eoGroupUndo);
    editor.SetMaxUndo(3);
    setText("");
    type("abcd");
    EXPECT_EQ(editor.UndoList().EntryCount(), 3);
    for (int i = 0; i < 3; ++i) command(ecUndo);
    EXPECT_EQ(text(), "a");
    EXPECT_TRUE(editor.Modified());
    editor.SetMaxUndo(-1);
    EXPECT_EQ(editor.MaxUndo(), 3);
}

TEST_F(UndoEditor, PasteOverSelectionIsOneStepAndTypingClearsRedo) {
    setText("hello world");
    clipboard.text = "there";
    select({7, 1}, {12, 1});
    command(ecPaste);
    EXPECT_EQ(text(), "hello there");
    command(ecUndo);
    EXPECT_EQ(text(), "hello world");
    command(ecRedo);
    EXPECT_EQ(text(), "hello there");
    command(ecUndo);
    EXPECT_TRUE(editor.RedoList().CanUndo());
    caretAt(1, 1);
    type("x");
    EXPECT_FALSE(editor.RedoList().CanUndo());
}

TEST_F(UndoEditor, OverwriteUndoAndRedoAreExact) {
    setText("abcdef");
    editor.SetInsertMode(false);
    caretAt(2, 1);
    type("XY");
    EXPECT_EQ(text(), "aXYdef");
    command(ecUndo);
    EXPECT_EQ(text(), "abcdef");
    command(ecRedo);
    EXPECT_EQ(text(), "aXYdef");
    command(ecUndo);
    EXPECT_EQ(text(), "abcdef");
}

TEST_F(UndoEditor, RedoTrimsAJoinedLineOnlyAsTheDeletionDid) {
    // Without eoScrollPastEol deleting a selection keeps the joined line's blanks; the
    // replay, which switches the option on for itself, must not trim them either.
    editor.SetOptions((editor.Options() & ~eoScrollPastEol) | eoTrimTrailingSpaces);
    setText("ab \r\nxyz\r\nmore");
    select({4, 1}, {4, 2});
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "ab \nmore");
    select({4, 1}, {3, 2});
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "ab re");
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), "ab \nxyz\nmore");
    while (editor.RedoList().CanUndo()) command(ecRedo);
    EXPECT_EQ(text(), "ab re");
}

TEST_F(UndoEditor, RedoOfABlankTypedBeforeBlanksKeepsItWhereTheLaterEditsNeedIt) {
    editor.SetOptions(editor.Options() | eoTrimTrailingSpaces | eoScrollPastEol);
    setText("ab   \r\ncd");
    caretAt(3, 1);
    type(" ");
    EXPECT_EQ(text(), "ab    \ncd");
    command(ecLineEnd);
    command(ecDeleteWord);
    EXPECT_EQ(text(), "ab    cd");
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), "ab   \ncd");
    while (editor.RedoList().CanUndo()) command(ecRedo);
    EXPECT_EQ(text(), "ab    cd");
}

TEST_F(UndoEditor, ClearingTheBufferClearsHistory) {
    setText("abc");
    type("x");
    editor.Lines().Clear();
    EXPECT_FALSE(editor.UndoList().CanUndo());
    setText("abc");
    type("x");
    command(ecClearAll);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.Lines().Count(), 0);
}

TEST_F(UndoEditor, ReadOnlyBlocksUndo) {
    setText("abc");
    type("x");
    editor.SetReadOnly(true);
    command(ecUndo);
    EXPECT_EQ(text(), "xabc");
    EXPECT_FALSE(editor.CanUndo());
}

} // namespace
} // namespace tavlo::test
