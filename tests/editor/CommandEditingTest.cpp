// Editing commands: typing, line breaks, deletes, tabs, block indent, case and clipboard.
#include <sstream>

#include "EditorFixture.h"

namespace tavlo::test {
namespace {

class CommandEditing : public EditorFixture {
protected:
    // The program's own settings.
    void useMainWindowOptions() {
        editor.SetOptions(eoAltSetsColumnMode | eoAutoIndent | eoDragDropEditing | eoGroupUndo |
                          eoScrollHintFollows | eoScrollPastEof | eoScrollPastEol | eoShowScrollHint |
                          eoSmartTabDelete | eoSmartTabs | eoTabsToSpaces | eoTrimTrailingSpaces);
        editor.SetTabWidth(2);
    }
};

TEST_F(CommandEditing, EnterKeepsIndentationAndEmptyLinesStayVirtual) {
    useMainWindowOptions();
    setText("    left right");
    caretAt(10, 1);
    command(ecLineBreak);
    EXPECT_EQ(text(), "    left\n    right");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{5, 2}));
    command(ecUndo);
    EXPECT_EQ(text(), "    left right");

    setText("    a\n");
    editor.Lines().AddLine("");
    caretAt(1, 2);
    command(ecLineBreak);
    EXPECT_EQ(text(), "    a\n\n");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{5, 3})) << "virtual space at the indentation";
    type("x");
    EXPECT_EQ(text(), "    a\n\n    x");

    editor.SetOptions(editor.Options() & ~eoTabsToSpaces);
    setText("\tab");
    caretAt(3, 1);
    command(ecLineBreak);
    EXPECT_EQ(text(), "\ta\n\tb") << "tabs-and-spaces indentation without eoTabsToSpaces";
    caretAt(1, 1);
    command(ecInsertLine);
    EXPECT_EQ(text(), "\n\ta\n\tb");
}

TEST_F(CommandEditing, RedoneLineBreakPutsTheCaretWhereTheBreakDid) {
    useMainWindowOptions();
    setText("  foo bar");
    caretAt(7, 1);
    command(ecLineBreak);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 2}));
    command(ecUndo);
    command(ecRedo);
    EXPECT_EQ(text(), "  foo\n  bar");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 2}));
    type("x");
    EXPECT_EQ(text(), "  foo\n  xbar") << "typing goes before the moved text";
}

TEST_F(CommandEditing, TypingPastTheEndPadsAndUndoesExactly) {
    editor.SetOptions((editor.Options() | eoScrollPastEol) & ~eoTrimTrailingSpaces);
    setText("ab");
    caretAt(6, 1);
    type("x");
    EXPECT_EQ(text(), "ab   x");
    command(ecUndo);
    EXPECT_EQ(text(), "ab");
    command(ecRedo);
    EXPECT_EQ(text(), "ab   x");

    command(ecChar, '\x08');
    command(ecChar, char(127));
    EXPECT_EQ(text(), "ab   x") << "control characters are ignored";
    editor.SetReadOnly(true);
    type("q");
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "ab   x");
}

TEST_F(CommandEditing, TrimmingTakesOnlyTheSpacesAnEditLeaves) {
    useMainWindowOptions();
    setText("abc   \ndef");
    caretAt(1, 1);
    type("x");
    EXPECT_EQ(text(), "xabc   \ndef") << "spaces the file already had stay";
    caretAt(4, 2);
    type(" ");
    EXPECT_EQ(text(), "xabc   \ndef") << "a space typed at the end is trimmed";
    EXPECT_EQ(editor.CaretChar(), 5);
    caretAt(2, 2);
    command(ecDeleteEOL);
    EXPECT_EQ(text(), "xabc   \nd");
}

TEST_F(CommandEditing, BackspaceVariants) {
    useMainWindowOptions();
    setText("  a\n    b");
    caretAt(5, 2);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "  a\n  b") << "smart tab delete unindents to the shallower line above";
    EXPECT_EQ(editor.CaretChar(), 3);

    setText("abc\ndef");
    caretAt(1, 2);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "abcdef");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{4, 1}));
    EXPECT_EQ(editor.UndoList().PeekEntry()->SavedText, "\r\n");
    command(ecUndo);
    EXPECT_EQ(text(), "abc\ndef");

    editor.SetOptions(editor.Options() & ~eoSmartTabDelete);
    editor.SetTabWidth(4);
    setText("      x");
    caretAt(7, 1);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "    x") << "back to the previous tab stop";
}

TEST_F(CommandEditing, EnterInsideTheIndentationKeepsIt) {
    useMainWindowOptions();
    setText("x\n    foo");
    caretAt(3, 2);
    command(ecLineBreak);
    EXPECT_EQ(text(), "x\n\n    foo") << "the left part's two blanks indent the new line, trimmed or not";
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 3}));
    command(ecUndo);
    EXPECT_EQ(text(), "x\n    foo");
    command(ecRedo);
    EXPECT_EQ(text(), "x\n\n    foo");
}

TEST_F(CommandEditing, WithoutAutoIndentBackspaceTakesOneBlank) {
    useMainWindowOptions();
    editor.SetOptions(editor.Options() & ~eoAutoIndent);
    setText("x\n    b");
    caretAt(5, 2);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "x\n   b") << "smart tab delete has no indentation to go by";
    EXPECT_EQ(editor.CaretChar(), 4);

    editor.SetOptions(editor.Options() & ~eoSmartTabDelete);
    editor.SetTabWidth(4);
    setText("      x");
    caretAt(7, 1);
    command(ecDeleteLastChar);
    EXPECT_EQ(text(), "     x") << "nor back to the previous tab stop";
}

TEST_F(CommandEditing, PagesOfATinyWindowGoForward) {
    editor.SetOptions(editor.Options() | eoScrollByOneLess);
    setText("1\n2\n3\n4\n5");
    host.height = editor.RowHeight();
    editor.SizeOrFontChanged();
    ASSERT_EQ(editor.VisibleRows(), 1);
    caretAt(1, 3);
    command(ecPageDown);
    EXPECT_EQ(editor.CaretLine(), 4);
    command(ecPageUp);
    EXPECT_EQ(editor.CaretLine(), 3);
}

TEST_F(CommandEditing, DeleteCommandsUndoExactly) {
    editor.SetOptions(editor.Options() & ~eoTrimTrailingSpaces);
    const std::string original = "alpha beta gamma\n  second line\nthird";
    setText(original);
    caretAt(7, 1);
    command(ecDeleteWord);
    EXPECT_EQ(text(), "alpha gamma\n  second line\nthird");
    command(ecDeleteEOL);
    EXPECT_EQ(text(), "alpha \n  second line\nthird");
    command(ecDeleteLastWord);
    EXPECT_EQ(text(), "\n  second line\nthird");
    caretAt(5, 2);
    command(ecDeleteBOL);
    EXPECT_EQ(text(), "\ncond line\nthird");
    command(ecDeleteLine);
    EXPECT_EQ(text(), "\nthird");
    caretAt(9, 1);
    command(ecDeleteChar);
    EXPECT_EQ(text(), "        third") << "Delete in virtual space pulls the next line to the caret";
    editor.SetOptions(editor.Options() & ~eoGroupUndo);
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), original);
    while (editor.RedoList().CanUndo()) command(ecRedo);
    EXPECT_EQ(text(), "        third");
    command(ecDeleteLine);
    command(ecDeleteLine);
    EXPECT_EQ(text(), "") << "a single empty line has nothing left to delete";
}

TEST_F(CommandEditing, SmartTabsAlignWithTheLineAbove) {
    useMainWindowOptions();
    setText("int   value = 1;\nx");
    caretAt(1, 2);
    command(ecTab);
    EXPECT_EQ(text(), "int   value = 1;\n      x") << "to the second word of the line above";
    command(ecShiftTab);
    EXPECT_EQ(text(), "int   value = 1;\nx");

    editor.SetOptions(editor.Options() & ~(eoSmartTabs | eoTabsToSpaces));
    setText("ab");
    caretAt(2, 1);
    command(ecTab);
    EXPECT_EQ(text(), "a\tb");
}

TEST_F(CommandEditing, BlockIndentAndUnindent) {
    useMainWindowOptions();
    setText("one\ntwo\nthree");
    select({2, 1}, {1, 3});
    command(ecBlockIndent);
    EXPECT_EQ(text(), "  one\n  two\nthree") << "a selection ending in column 1 leaves that line";
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{4, 1}));
    command(ecBlockUnindent);
    EXPECT_EQ(text(), "one\ntwo\nthree");
    command(ecUndo);
    EXPECT_EQ(text(), "  one\n  two\nthree");
    command(ecUndo);
    EXPECT_EQ(text(), "one\ntwo\nthree");
    command(ecRedo);
    EXPECT_EQ(text(), "  one\n  two\nthree");

    editor.SetOptions(editor.Options() | eoTabIndent);
    select({1, 1}, {3, 2});
    command(ecTab);
    EXPECT_EQ(text(), "    one\n    two\nthree");
}

// Where the caret cannot stand past a line's end (the line is longer than MaxLeftChar), a
// blank typed at the end stays although trailing blanks are trimmed: trimmed, the next
// character would take its place.
TEST_F(CommandEditing, ABlankTypedAtTheEndOfALineLongerThanMaxLeftCharStays) {
    useMainWindowOptions();
    editor.SetMaxLeftChar(20);
    setText("a line longer than twenty\nshort");
    caretAt(26, 1);
    type("  x y ");
    EXPECT_EQ(text(), "a line longer than twenty  x y \nshort");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{32, 1}));
    caretAt(6, 2);
    type(" z ");
    EXPECT_EQ(text(), "a line longer than twenty  x y \nshort z") << "within MaxLeftChar the caret stands past the end";
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{9, 2}));
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), "a line longer than twenty\nshort");

    // Backspace and Delete leave the blanks before the caret as well.
    setText("a line longer than twenty  x y");
    caretAt(31, 1);
    command(ecDeleteLastChar);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{30, 1}));
    command(ecDeleteLastChar);
    command(ecDeleteLastChar);
    command(ecLeft);
    command(ecDeleteChar);
    type("z");
    EXPECT_EQ(text(), "a line longer than twenty z");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{28, 1}));

    // Redo keeps the blanks as the keys did.
    setText("a line longer than twenty");
    caretAt(26, 1);
    type(" x ");
    caretAt(28, 1);
    command(ecDeleteLastChar);
    command(ecDeleteChar);
    const std::string edited = text();
    EXPECT_EQ(edited, "a line longer than twenty ");
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), "a line longer than twenty");
    while (editor.RedoList().CanUndo()) command(ecRedo);
    EXPECT_EQ(text(), edited);
}

// Keys within one line change it where it is: once a long line has bytes of its own, they
// stay at one address from key to key, so no key copies the whole line.
TEST_F(CommandEditing, KeysWithinALongLineChangeItInPlace) {
    useMainWindowOptions();
    std::string line;
    while (line.size() < 200'000) line += "word\tother  x ";
    line += "end";
    std::istringstream stream(line + "\r\nshort\r\nmore\r\n");
    editor.Lines().LoadStream(stream);
    std::string expected = line;
    caretAt(int32_t(expected.size()) + 1, 1);
    type("!");
    expected += "!";
    const char* bytes = editor.Lines().LineAt(0).data();
    const int32_t middle = 98'001;
    auto expectInPlace = [&](const char* key) {
        EXPECT_TRUE(editor.Lines().LineAt(0) == expected) << key;
        EXPECT_EQ(editor.Lines().LineAt(0).data(), bytes) << key;
    };

    caretAt(middle, 1);
    command(ecDeleteLastChar);
    expected.erase(middle - 2, 1);
    expectInPlace("Backspace");
    command(ecDeleteChar);
    expected.erase(middle - 2, 1);
    expectInPlace("Delete");
    command(ecOverwriteMode);
    type("#");
    expected[middle - 2] = '#';
    expectInPlace("a key in overwrite mode");
    command(ecInsertMode);
    caretAt(int32_t(expected.size()) + 1, 1);
    type(" y");
    expected += " y";
    expectInPlace("typing at the end");
    select({middle, 1}, {middle + 10, 1});
    command(ecDeleteLastChar);
    expected.erase(middle - 1, 10);
    expectInPlace("deleting a selection");
    clipboard.text = " pasted";
    command(ecPaste);
    expected.insert(middle - 1, " pasted");
    expectInPlace("paste");
    command(ecDeleteLastWord);
    expected.erase(middle, 6);
    expectInPlace("deleting the word before the caret");
    select({middle, 1}, {middle + 1, 1});
    command(ecBlockIndent);
    expected.insert(0, "  ");
    expectInPlace("block indent");
    command(ecBlockUnindent);
    expected.erase(0, 2);
    expectInPlace("block unindent");
    caretAt(1, 2);
    command(ecDeleteLastChar);
    expected += "short";
    expectInPlace("Backspace joining the next line");
    caretAt(int32_t(expected.size()) + 1, 1);
    command(ecDeleteChar);
    expected += "more";
    expectInPlace("Delete joining the next line");
    caretAt(middle, 1);
    command(ecLineBreak);
    EXPECT_TRUE(editor.Lines().LineAt(1) == expected.substr(middle - 1));
    expected.resize(middle - 1);
    expectInPlace("Enter");

    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), line + "\nshort\nmore");
}

TEST_F(CommandEditing, CaseCommands) {
    editor.SetOptions(editor.Options() & ~eoGroupUndo);
    setText("hello wORLD \xB9" "b"); // a-ogonek in Windows-1250
    caretAt(3, 1);
    command(ecUpperCase);
    EXPECT_EQ(text(), "HELLO wORLD \xB9" "b");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 1}));
    caretAt(8, 1);
    command(ecTitleCase);
    EXPECT_EQ(text(), "HELLO World \xB9" "b");
    caretAt(13, 1);
    command(ecToggleCase);
    EXPECT_EQ(text(), "HELLO World \xA5" "b");
    EXPECT_EQ(editor.CaretChar(), 14);
    select({1, 1}, {6, 1});
    command(ecToggleCase);
    EXPECT_EQ(text(), "hello World \xA5" "b");
    EXPECT_EQ(editor.SelectedText(), "hello");
    command(ecUndo);
    EXPECT_EQ(text(), "HELLO World \xA5" "b");
}

TEST_F(CommandEditing, ClipboardModes) {
    editor.SetOptions(editor.Options() & ~eoTrimTrailingSpaces);
    setText("abcdef\nghijkl\nmn");
    editor.SetSelectionMode(smColumn);
    select({2, 1}, {4, 3});
    command(ecCopy);
    ASSERT_TRUE(clipboard.block);
    EXPECT_EQ((*clipboard.block)[0], char(smColumn));
    EXPECT_EQ(clipboard.text, "bc\r\nhi\r\nn ");
    editor.SetSelectionMode(smNormal);
    caretAt(7, 2);
    command(ecPaste);
    EXPECT_EQ(text(), "abcdef\nghijklbc\nmn    hi\n      n ") << "column paste pads and adds lines";
    while (editor.UndoList().CanUndo()) command(ecUndo);
    EXPECT_EQ(text(), "abcdef\nghijkl\nmn");

    editor.SetSelectionMode(smLine);
    select({3, 2}, {3, 2});
    editor.ExtendSelection({1, 2});
    command(ecCut);
    EXPECT_EQ(text(), "abcdef\nmn");
    caretAt(2, 2);
    command(ecPaste);
    EXPECT_EQ(text(), "abcdef\nghijkl\nmn") << "line mode pastes whole lines whatever the column";
    command(ecUndo);
    EXPECT_EQ(text(), "abcdef\nmn");

    clipboard.block.reset();
    clipboard.text = "X\r\nY";
    editor.SetSelectionMode(smNormal);
    caretAt(2, 1);
    command(ecPaste);
    EXPECT_EQ(text(), "aX\nYbcdef\nmn");

    clipboard.block = std::string(1, char(smNormal)) + "ok";
    clipboard.unreadableBlock = true;
    EXPECT_THROW(command(ecPaste), ESynEditError);
    EXPECT_EQ(text(), "aX\nYbcdef\nmn");
    clipboard.refuseWrites = true;
    select({1, 1}, {2, 1});
    try {
        command(ecCopy);
        FAIL();
    } catch (const ESynEditError& e) {
        EXPECT_STREQ(e.what(), "Clipboard copy operation failed");
    }
}

TEST_F(CommandEditing, CommandEventsAndKeys) {
    setText("abc");
    std::vector<TSynEditorCommand> processed;
    editor.OnProcessCommand = [](TCustomSynEdit&, TSynEditorCommand& c, char& ch, void*) {
        if (c == ecChar && ch == 'z') ch = 'Z';
    };
    editor.OnCommandProcessed = [&](TCustomSynEdit&, TSynEditorCommand& c, char&, void*) { processed.push_back(c); };
    int userCalls = 0;
    editor.OnProcessUserCommand = [&](TCustomSynEdit&, TSynEditorCommand&, char&, void*) { ++userCalls; };
    std::vector<TTransientType> transients;
    editor.OnPaintTransient = [&](TCustomSynEdit&, TTextDrawer*, TTransientType t) { transients.push_back(t); };
    type("z");
    EXPECT_EQ(transients, (std::vector<TTransientType>{ttBefore, ttAfter})) << "once around the whole command";
    command(TSynEditorCommand(ecUserFirst + 5));
    EXPECT_EQ(text(), "Zabc");
    EXPECT_EQ(userCalls, 1);
    EXPECT_EQ(processed.size(), 2u);

    uint16_t key = 39; // Right
    editor.KeyDown(key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(editor.CaretChar(), 3);
    char ch = 'q';
    editor.KeyPress(ch); // the character of a handled key-down is dropped
    EXPECT_EQ(text(), "Zabc");
    editor.KeyPress(ch);
    EXPECT_EQ(text(), "Zaqbc");

    int hooks = 0;
    editor.KbdHandler().AddKeyPressHandler([&](TCustomSynEdit&, char& k) {
        ++hooks;
        k = 0;
    });
    editor.KeyPress(ch);
    EXPECT_EQ(text(), "Zaqbc") << "a hook that swallows the key stops typing";
    EXPECT_EQ(hooks, 1);
}

TEST_F(CommandEditing, ChordsAndInputMethodStrings) {
    setText("abc def");
    TSynEditKeyStroke& chord = editor.Keystrokes().NewKeystroke();
    chord.FirstKey = 'Q';
    chord.FirstShift = ssCtrl;
    chord.SecondKey = 'W';
    chord.SecondShift = ssCtrl;
    chord.Command = ecDeleteEOL;
    caretAt(4, 1);
    uint16_t key = 'Q';
    editor.KeyDown(key, ssCtrl);
    EXPECT_NE(key, 0) << "an unfinished chord is not consumed";
    key = 'W';
    editor.KeyDown(key, ssCtrl);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(text(), "abc");
    char control = 0x17; // the character of Ctrl+W is dropped after the handled key
    editor.KeyPress(control);
    EXPECT_EQ(text(), "abc");

    editor.SetInsertMode(false);
    caretAt(1, 1);
    editor.ImeResult("XY", true);
    EXPECT_EQ(text(), "XYc") << "overwrite replaces as many characters as the string has";
    char ch = 'X';
    editor.KeyPress(ch);
    editor.KeyPress(ch);
    EXPECT_EQ(text(), "XYc") << "the string's own characters that follow are swallowed";
    editor.KeyPress(ch);
    EXPECT_EQ(text(), "XYX");
    command(ecUndo);
    EXPECT_EQ(text(), "abc") << "typing and the string are one run of insertions";
    command(ecUndo);
    EXPECT_EQ(text(), "abc def");
}

TEST_F(CommandEditing, BookmarksFollowTheirLines) {
    setText("a\nb\nc\nd");
    std::vector<int> cleared;
    editor.OnClearBookmark = [&](TCustomSynEdit&, std::unique_ptr<TSynEditMark>& m) { cleared.push_back(m->BookmarkSlot()); };
    TBufferCoord at{1, 3};
    command(ecSetMarker3, '\0', &at);
    EXPECT_TRUE(editor.HasBookmark(3));
    caretAt(1, 1);
    command(ecLineBreak);
    EXPECT_EQ(editor.FindBookmark(3)->Line, 4);
    caretAt(1, 4);
    command(ecDeleteLine);
    EXPECT_EQ(editor.FindBookmark(3)->Line, 3) << "a deleted line's bookmark goes to the line above";
    caretAt(1, 1);
    command(ecGotoMarker3);
    EXPECT_EQ(editor.CaretLine(), 3);
    at = {1, 3};
    command(ecSetMarker3, '\0', &at);
    EXPECT_FALSE(editor.HasBookmark(3)) << "setting it again on its line toggles it off";
    EXPECT_EQ(cleared, std::vector<int>{3});
}

TEST_F(CommandEditing, ABookmarkTakenOutOfTheMarkListIsForgotten) {
    setText("a\nb\nc");
    editor.PlaceBookmark(2, 1, 3);
    ASSERT_EQ(editor.Marks().Count(), 1);
    std::unique_ptr<TSynEditMark> taken = editor.Marks().Remove(&editor.Marks()[0]);
    ASSERT_TRUE(taken);
    caretAt(1, 1);
    editor.JumpToBookmark(2);
    EXPECT_EQ(editor.CaretLine(), 1) << "the slot must not lead to a mark the list no longer owns";
    int cleared = 0;
    editor.OnClearBookmark = [&](TCustomSynEdit&, std::unique_ptr<TSynEditMark>&) { ++cleared; };
    editor.PlaceBookmark(2, 1, 2);
    EXPECT_EQ(cleared, 0);
    EXPECT_EQ(editor.FindBookmark(2)->Line, 2);
    EXPECT_FALSE(editor.FindBookmark(-1)) << "marks that are no bookmarks have no number";
}

} // namespace
} // namespace tavlo::test
