// Positions, lines, columns and indexes far outside the document: nothing throws, nothing
// crashes, and the caret stays inside its rules.
#include <limits>
#include <random>

#include "EditorFixture.h"

namespace tavlo::test {
namespace {

class EngineClamp : public EditorFixture {
protected:
    void expectCaretInRules() {
        int32_t count = editor.Lines().Count();
        ASSERT_GE(editor.CaretLine(), 1);
        ASSERT_LE(editor.CaretLine(), std::max(1, count));
        int32_t lineEnd = int32_t(editor.Lines().LineAt(editor.CaretLine() - 1).size()) + 1;
        int32_t maxX = editor.HasOption(eoScrollPastEol) ? std::max(lineEnd, editor.MaxLeftChar()) : lineEnd;
        ASSERT_GE(editor.CaretChar(), 1);
        ASSERT_LE(editor.CaretChar(), maxX);
        ASSERT_GE(editor.FirstVisibleLine(), 1);
        ASSERT_GE(editor.FirstVisibleColumn(), 1);
        for (TBufferCoord end : {editor.SelAnchor(), editor.SelHead()}) {
            ASSERT_GE(end.Line, 1);
            ASSERT_GE(end.Char, 1);
        }
    }
};

TEST_F(EngineClamp, WildValuesEverywhere) {
    const int32_t wild[] = {std::numeric_limits<int32_t>::min(), -1000000, -1, 0, 1, 2, 3, 7, 1023, 1024, 1025,
                            32767, 32768, 1000000, std::numeric_limits<int32_t>::max()};
    std::mt19937 gen(7);
    auto any = [&] { return wild[gen() % std::size(wild)]; };
    const char* documents[] = {"", "x", "a\tb\n\n  indented\nlast line here"};
    for (const char* document : documents) {
        for (TSynEditorOptions options : {SYNEDIT_DEFAULT_OPTIONS, SYNEDIT_DEFAULT_OPTIONS & ~eoScrollPastEol,
                                          SYNEDIT_DEFAULT_OPTIONS | eoScrollPastEof}) {
            editor.SetOptions(options);
            setText(document);
            for (int round = 0; round < 400; ++round) {
                SCOPED_TRACE("round " + std::to_string(round));
                TBufferCoord p{any(), any()};
                switch (round % 16) {
                case 0: editor.SetCaretPos(p); break;
                case 1: editor.SetCaretChar(p.Char); break;
                case 2: editor.SetCaretLine(p.Line); break;
                case 3: editor.PlaceAnchor(p); break;
                case 4: editor.ExtendSelection(p); break;
                case 5: editor.PlaceCaretAndSelection(p, {any(), any()}, {any(), any()}); break;
                case 6: editor.SetFirstVisibleLine(p.Line); break;
                case 7: editor.SetFirstVisibleColumn(p.Char); break;
                case 8: editor.SelectWordAt(p); break;
                case 9:
                    (void)editor.WordTextAt(p);
                    (void)editor.PosInSelection(p);
                    (void)editor.CharToColumn(p);
                    (void)editor.ColumnToChar(p);
                    break;
                case 10: (void)editor.PixelToPos({p.Char, p.Line}); break;
                case 11: editor.SetSelStartOffset(int64_t(p.Char) * 3); break;
                case 12: editor.SetSelEndOffset(int64_t(p.Line) * 5); break;
                case 13: command(ecGotoXY, '\0', &p); break;
                case 14:
                    editor.SetSelectionMode(TSynSelectionMode(uint32_t(p.Char) % 4));
                    command(ecSelGotoXY, '\0', &p);
                    break;
                case 15:
                    editor.SetTabWidth(p.Char);
                    editor.SetMaxLeftChar(p.Line);
                    editor.SetMaxUndo(p.Char);
                    editor.PlaceBookmark(p.Char % 20 - 5, any(), p.Line);
                    command(TSynEditorCommand(ecGotoMarker0 + uint32_t(p.Char) % 10));
                    break;
                }
                (void)editor.SelectedText();
                (void)editor.SelStartOffset();
                (void)editor.SelEndOffset();
                (void)editor.CaretLineText();
                (void)editor.WordAtCaret();
                (void)editor.NextWordStart();
                (void)editor.PrevWordStart();
                expectCaretInRules();
                if (round % 5 == 0) command(ecChar, 'k');
                if (round % 7 == 0) command(ecDeleteChar);
                if (round % 11 == 0) command(ecLineBreak);
                expectCaretInRules();
            }
            editor.SetTabWidth(8);
            editor.SetMaxLeftChar(1024);
            editor.SetSelectionMode(smNormal);
        }
    }
    EXPECT_EQ(editor.TabWidth(), 8);
    editor.SetTabWidth(0);
    EXPECT_EQ(editor.TabWidth(), 1);
    editor.SetTabWidth(1000);
    EXPECT_EQ(editor.TabWidth(), 256);
    editor.SetMaxLeftChar(-3);
    EXPECT_EQ(editor.MaxLeftChar(), 1);
}

} // namespace
} // namespace tavlo::test
