// The pointer, dragging text, the wheel, the scroll bars and the focus, on the fake host.
#include <string>

#include "EditorFixture.h"

namespace tavlo::test {
namespace {

class Mouse : public EditorFixture {
protected:
    // A point in the left half of the cell of character `x` on `line` (no tabs).
    TPoint at(int32_t x, int32_t line) const {
        return {editor.TextLeft() + (x - 1) * 8 + 2, (line - editor.FirstVisibleLine()) * 16 + 5};
    }
    void press(TPoint p, TShiftState shift = 0) { editor.MouseDown(mbLeft, shift, p.X, p.Y); }
    void moveTo(TPoint p, TShiftState shift = 0) { editor.MouseMove(shift | ssLeft, p.X, p.Y); }
    void release(TPoint p) { editor.MouseUp(mbLeft, p.X, p.Y); }
    void click(TPoint p, TShiftState shift = 0) {
        press(p, shift);
        release(p);
    }
    void drag(TPoint from, TPoint to, TShiftState shift = 0) {
        press(from, shift);
        moveTo(to, shift);
        release(to);
    }
    void setLines(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
        setText(text);
    }
};

TEST_F(Mouse, ClickPlacesCaretShiftClickExtendsFromTheAnchor) {
    setText("hello world\nsecond line\nthird");
    std::vector<TSynEditorCommand> seen;
    editor.OnProcessCommand = [&](TCustomSynEdit&, TSynEditorCommand& c, char&, void*) { seen.push_back(c); };
    host.focused = false;
    click(at(3, 1));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 1}));
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(seen, std::vector<TSynEditorCommand>{ecGotoXY}) << "a click passes through the command events";
    EXPECT_TRUE(host.focused) << "a press takes the focus";

    click(at(4, 2), ssShift);
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{3, 1}));
    EXPECT_EQ(editor.SelLast(), (TBufferCoord{4, 2}));
    click(at(2, 3), ssShift);
    EXPECT_EQ(editor.SelectedText(), "llo world\r\nsecond line\r\nt") << "extends from the same anchor";

    click(at(2, 3));
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 3}));
    click(at(40, 1));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{40, 1})) << "virtual space with eoScrollPastEol";
    editor.SetOptions(editor.Options() & ~eoScrollPastEol);
    click(at(40, 1));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{12, 1}));
    click({-50, -50});
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{1, 1})) << "points outside are clamped";
}

TEST_F(Mouse, DraggingSelectsAndAltDragSelectsColumns) {
    setText("0123456789\nabcdefghij\nABCDEFGHIJ");
    drag(at(2, 1), at(5, 3));
    EXPECT_EQ(editor.SelectionMode(), smNormal);
    EXPECT_EQ(editor.SelectedText(), "123456789\r\nabcdefghij\r\nABCD");
    EXPECT_FALSE(host.captured);

    editor.SetOptions(editor.Options() | eoAltSetsColumnMode);
    click(at(1, 1));
    drag(at(2, 1), at(5, 3), ssAlt);
    EXPECT_EQ(editor.SelectionMode(), smColumn);
    EXPECT_EQ(editor.SelectedText(), "123\r\nbcd\r\nBCD");
    click(at(1, 1));
    EXPECT_EQ(editor.SelectionMode(), smNormal) << "a click without Alt returns to normal mode";

    editor.SetSelectionMode(smLine);
    click(at(1, 1), ssAlt);
    EXPECT_EQ(editor.SelectionMode(), smLine) << "line mode is kept";
}

TEST_F(Mouse, DoubleClickSelectsTheWordAndTheReleaseKeepsIt) {
    setText("alpha beta_gamma delta");
    click(at(9, 1));
    editor.DblClick(at(9, 1).X, at(9, 1).Y);
    release(at(9, 1));
    EXPECT_EQ(editor.SelectedText(), "beta") << "without a highlighter words are letters and digits";
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{11, 1}));
    EXPECT_EQ(editor.StateFlags() & esDoubleClicked, 0);

    click(at(1, 1));
    editor.DblClick(10, 5); // in the gutter
    EXPECT_FALSE(editor.HasSelection());
    editor.SetOptions(editor.Options() | eoNoSelection);
    editor.DblClick(at(2, 1).X, at(2, 1).Y);
    EXPECT_FALSE(editor.HasSelection());
}

TEST_F(Mouse, PressInSelectionStartsADragOnlyPastTheThreshold) {
    setText("hello world");
    select({1, 1}, {6, 1});
    TPoint p = at(3, 1);
    press(p);
    EXPECT_TRUE(editor.StateFlags() & esDragPending);
    EXPECT_EQ(editor.SelectedText(), "hello") << "the selection survives the press";
    moveTo({p.X + 3, p.Y + 3});
    EXPECT_EQ(host.dragsStarted, 0);
    moveTo({p.X, p.Y - 4});
    EXPECT_EQ(host.dragsStarted, 1);
    EXPECT_FALSE(editor.StateFlags() & esDragPending);
    EXPECT_FALSE(host.captured) << "the drag owns the pointer";

    select({1, 1}, {6, 1});
    press(p);
    release(at(4, 1));
    EXPECT_FALSE(editor.HasSelection()) << "a press in the selection without a drag is a click";
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{4, 1}));

    editor.SetOptions(editor.Options() & ~eoDragDropEditing);
    select({1, 1}, {6, 1});
    press(p);
    EXPECT_FALSE(editor.StateFlags() & esDragPending);
    EXPECT_FALSE(editor.HasSelection());
}

TEST_F(Mouse, APressStartsADragExactlyWhereThePointerShowsTheArrow) {
    setText("one\thello world\nsecond line");
    for (TSynSelectionMode mode : {smNormal, smColumn})
        for (TBufferCoord end : {TBufferCoord{10, 1}, TBufferCoord{4, 2}}) {
            const int32_t y = 5 + (end.Line - 1) * 16;
            for (int32_t x = editor.GutterWidth() + 2; x < editor.TextLeft() + 20 * 8; ++x) {
                editor.SetSelectionMode(mode);
                select({2, 1}, end);
                const bool arrow = editor.PointerShapeAt(x, y) == TPointerShape::Default;
                press({x, y});
                EXPECT_EQ(bool(editor.StateFlags() & esDragPending), arrow)
                    << "x " << x << ", line " << end.Line << ", mode " << int(mode);
                release({x, y});
            }
        }
}

TEST_F(Mouse, DragMoveAndCtrlCopyWithinOneEditor) {
    setText("hello world\nsecond");
    select({1, 1}, {6, 1});
    editor.DragDrop(&editor, at(7, 2).X, at(7, 2).Y, 0);
    EXPECT_EQ(text(), " world\nsecondhello");
    EXPECT_EQ(editor.SelectedText(), "hello");
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{7, 2})) << "caret at the start of the dropped text";
    editor.Undo();
    EXPECT_EQ(text(), "hello world\nsecond") << "one undo takes the whole move back";
    editor.Redo();
    EXPECT_EQ(text(), " world\nsecondhello");

    setText("hello world\nsecond");
    select({1, 1}, {6, 1});
    editor.DragDrop(&editor, at(1, 2).X, at(1, 2).Y, ssCtrl);
    EXPECT_EQ(text(), "hello world\nhellosecond");
    EXPECT_TRUE(editor.DropCopies(&editor, ssCtrl));
    EXPECT_FALSE(editor.DropCopies(&editor, 0));

    select({1, 1}, {6, 1});
    editor.DragDrop(&editor, at(3, 1).X, at(3, 1).Y, 0);
    editor.DragDrop(&editor, at(6, 1).X, at(6, 1).Y, 0);
    EXPECT_EQ(text(), "hello world\nhellosecond") << "a drop inside the selection, ends included, changes nothing";

    editor.SetReadOnly(true);
    select({1, 1}, {6, 1});
    editor.DragDrop(&editor, at(1, 2).X, at(1, 2).Y, 0);
    EXPECT_EQ(text(), "hello world\nhellosecond");
    EXPECT_FALSE(editor.DragOver(&editor, 40, 5, dsDragEnter, 0));
}

TEST_F(Mouse, DropBehindTheSelectionIsCorrectedForTheRemovedText) {
    setText("abcdefghij");
    select({3, 1}, {5, 1});
    editor.DragDrop(&editor, at(8, 1).X, at(8, 1).Y, 0);
    EXPECT_EQ(text(), "abefgcdhij") << "dropped before 'h' where the pointer was";

    // A selection over two lines, dropped behind its end on its last line.
    setText("12345\nabcdef\nlast");
    select({3, 1}, {3, 2});
    editor.DragDrop(&editor, at(5, 2).X, at(5, 2).Y, 0);
    EXPECT_EQ(text(), "12cd345\nabef\nlast") << "dropped before 'e'";
    editor.Undo();
    EXPECT_EQ(text(), "12345\nabcdef\nlast");

    setText("12345\nabcdef\nlast");
    select({3, 1}, {3, 2});
    editor.DragDrop(&editor, at(3, 3).X, at(3, 3).Y, 0);
    EXPECT_EQ(text(), "12cdef\nla345\nabst") << "lines below move up by the removed breaks";
}

TEST_F(Mouse, DropBetweenEditorsCopiesAndShiftMoves) {
    FakeSynEditHost otherHost;
    TSynEdit other;
    other.SetHost(&otherHost);
    other.Lines().SetAllText("source text");
    other.ClearUndo();
    setText("target");

    other.PlaceCaretAndSelection({7, 1}, {1, 1}, {7, 1});
    EXPECT_TRUE(editor.DragOver(&other, at(3, 1).X, at(3, 1).Y, dsDragEnter, 0));
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{3, 1})) << "the caret follows the pointer";
    editor.DragDrop(&other, at(7, 1).X, at(7, 1).Y, 0);
    EXPECT_EQ(text(), "targetsource");
    EXPECT_EQ(other.Lines().LineAt(0), "source text") << "copied by default";

    other.PlaceCaretAndSelection({7, 1}, {1, 1}, {7, 1});
    editor.DragDrop(&other, at(1, 1).X, at(1, 1).Y, ssShift);
    EXPECT_EQ(text(), "sourcetargetsource");
    EXPECT_EQ(other.Lines().LineAt(0), " text") << "Shift moves";
    other.Undo();
    EXPECT_EQ(other.Lines().LineAt(0), "source text") << "the source records its own deletion";
    editor.Undo();
    EXPECT_EQ(text(), "targetsource");

    other.SetReadOnly(true);
    other.PlaceCaretAndSelection({7, 1}, {1, 1}, {7, 1});
    editor.DragDrop(&other, at(1, 1).X, at(1, 1).Y, ssShift);
    EXPECT_EQ(other.Lines().LineAt(0), "source text") << "nothing is taken out of a read-only editor";
    EXPECT_EQ(text(), "sourcetargetsource") << "copied instead";

    editor.SetCaretPos({2, 1});
    editor.DragOver(&other, at(5, 1).X, at(5, 1).Y, dsDragEnter, ssCtrl);
    EXPECT_EQ(host.pointer, TPointerShape::MultiDrag);
    editor.DragOver(&other, -5, -5, dsDragLeave, 0);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{2, 1})) << "leaving puts the caret back";
    EXPECT_FALSE(editor.DragOver(nullptr, 5, 5, dsDragEnter, 0)) << "only editors are accepted";
}

TEST_F(Mouse, HoldingTheButtonOutsideScrollsEveryTick) {
    setLines(200);
    press(at(2, 1));
    moveTo({at(2, 1).X, host.height + 5});
    EXPECT_EQ(host.timerInterval, 100);
    editor.AutoScrollTimerTick(0);
    EXPECT_EQ(editor.FirstVisibleLine(), 2);
    EXPECT_EQ(editor.CaretLine(), 2 + 25 - 1) << "to the last visible row";
    EXPECT_EQ(editor.SelFirst(), (TBufferCoord{2, 1}));
    EXPECT_EQ(editor.SelLast(), editor.CaretPos());
    editor.AutoScrollTimerTick(ssShift);
    EXPECT_EQ(editor.FirstVisibleLine(), 27) << "a page per tick with Shift";

    moveTo({at(2, 1).X, 40});
    EXPECT_EQ(host.timerInterval, 0) << "back inside, the timer stops";
    moveTo({5, 40}); // over the gutter: one column to the left
    EXPECT_EQ(host.timerInterval, 100);
    release(at(2, 3));
    EXPECT_EQ(host.timerInterval, 0);

    setText(std::string(300, 'x'));
    press(at(2, 1));
    moveTo({host.width + 1, 5});
    editor.AutoScrollTimerTick(0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 2);
    EXPECT_EQ(editor.CaretChar(), 2 + 80);
    editor.MouseCaptureLost();
    EXPECT_EQ(host.timerInterval, 0);

    // Pointers far outside are clamped, never overflow.
    for (TPoint far : {TPoint{INT32_MAX, INT32_MAX}, TPoint{INT32_MIN, INT32_MIN}, TPoint{INT32_MAX, INT32_MIN}}) {
        press(at(2, 1));
        moveTo(far);
        editor.AutoScrollTimerTick(ssShift);
        editor.MouseWheel(far.X, 0);
        editor.VerticalScroll(scThumbTrack, far.Y);
        release(far);
        EXPECT_GE(editor.FirstVisibleColumn(), 1);
        EXPECT_GE(editor.FirstVisibleLine(), 1);
        EXPECT_EQ(editor.CaretLine(), 1);
    }
}

TEST_F(Mouse, WheelKeepsTheRemainderAndLeavesTheCaret) {
    setLines(100);
    editor.SetFirstVisibleLine(10);
    editor.SetCaretPos({1, 20});
    editor.MouseWheel(-60, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 10);
    EXPECT_EQ(editor.WheelRemainder(), -60);
    editor.MouseWheel(-60, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 13) << "one notch, three lines";
    EXPECT_EQ(editor.WheelRemainder(), 0);
    editor.MouseWheel(240 + 30, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 7);
    EXPECT_EQ(editor.WheelRemainder(), 30);
    editor.MouseWheel(-150, ssCtrl);
    EXPECT_EQ(editor.FirstVisibleLine(), 32) << "Ctrl turns a page";
    host.wheelLines = -1;
    editor.MouseWheel(120, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 7);
    EXPECT_EQ(editor.CaretPos(), (TBufferCoord{1, 20}));
}

TEST_F(Mouse, ScrollBarsActAndScaleAbove32767Lines) {
    setLines(1000);
    editor.VerticalScroll(scLineDown, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 2);
    editor.VerticalScroll(scPageDown, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 27);
    editor.SetOptions(editor.Options() | eoScrollByOneLess);
    editor.VerticalScroll(scPageUp, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 3);
    editor.VerticalScroll(scThumbTrack, 500);
    EXPECT_EQ(editor.FirstVisibleLine(), 500);
    EXPECT_EQ(host.vBar.Position, 500);
    EXPECT_EQ(host.vBar.Max, 1000);
    editor.VerticalScroll(scBottom, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 1000 - 25 + 1);
    editor.VerticalScroll(scTop, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 1);

    editor.SetOptions(editor.Options() | eoScrollPastEof);
    setLines(100000);
    EXPECT_EQ(host.vBar.Min, 0);
    EXPECT_EQ(host.vBar.Max, 32767);
    for (int32_t p : {0, 1, 12345, 32767 - host.vBar.Page}) {
        editor.VerticalScroll(scThumbTrack, p);
        int64_t expected = (int64_t(100000 + 25 - 1) * p + 32767 / 2) / 32767;
        EXPECT_EQ(editor.FirstVisibleLine(), std::max<int64_t>(1, expected)) << p;
        EXPECT_LE(std::abs(host.vBar.Position - p), 1) << "the thumb stays where it was put";
    }

    setText(std::string(300, 'x'));
    editor.SetOptions(editor.Options() & ~eoScrollPastEol);
    editor.HorizontalScroll(scLineDown, 0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 2);
    editor.HorizontalScroll(scPageDown, 0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 2 + 79);
    editor.HorizontalScroll(scBottom, 0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 300 - 80 + 1);
    editor.HorizontalScroll(scThumbPosition, 7);
    EXPECT_EQ(editor.FirstVisibleColumn(), 7);
}

TEST_F(Mouse, FocusCommandsAndHiddenSelectionRepaint) {
    setText("some text");
    std::vector<TSynEditorCommand> seen;
    editor.OnCommandProcessed = [&](TCustomSynEdit&, TSynEditorCommand& c, char&, void*) { seen.push_back(c); };
    select({1, 1}, {5, 1});
    int repaints = host.invalidateAllCount;
    editor.FocusExit();
    editor.FocusEnter();
    EXPECT_EQ(seen, (std::vector<TSynEditorCommand>{ecLostFocus, ecGotFocus}));
    EXPECT_EQ(host.invalidateAllCount, repaints) << "a shown selection needs no repaint";
    editor.SetHideSelection(true);
    repaints = host.invalidateAllCount;
    editor.FocusExit();
    EXPECT_EQ(host.invalidateAllCount, repaints + 1);
    EXPECT_FALSE(host.caretVisible);
    editor.FocusEnter();
    EXPECT_EQ(host.invalidateAllCount, repaints + 2);
}

TEST_F(Mouse, GutterClickAndPointerShapes) {
    setText("one\ntwo\nthree");
    editor.PlaceBookmark(2, 1, 2);
    int32_t clickedLine = 0;
    TSynEditMark* clickedMark = nullptr;
    editor.OnGutterClick = [&](TCustomSynEdit&, int32_t, int32_t, int32_t line, TSynEditMark* mark) {
        clickedLine = line;
        clickedMark = mark;
    };
    click({5, 16 + 3});
    EXPECT_EQ(clickedLine, 2);
    ASSERT_NE(clickedMark, nullptr);
    EXPECT_EQ(clickedMark->BookmarkSlot(), 2);
    clickedLine = 0;
    click({5, 16 * 5});
    EXPECT_EQ(clickedLine, 0) << "below the last line nothing is clicked";
    press({5, 3});
    release(at(2, 1));
    EXPECT_EQ(clickedLine, 0) << "a release over the text is no gutter click";

    select({1, 2}, {4, 2});
    EXPECT_EQ(editor.PointerShapeAt(5, 20), editor.Gutter().Cursor());
    EXPECT_EQ(editor.PointerShapeAt(at(2, 2).X, at(2, 2).Y), TPointerShape::Default);
    EXPECT_EQ(editor.PointerShapeAt(at(2, 1).X, at(2, 1).Y), TPointerShape::IBeam);
    editor.MouseMove(0, at(2, 1).X, at(2, 1).Y);
    EXPECT_EQ(host.pointer, TPointerShape::IBeam);
}

} // namespace
} // namespace tavlo::test
