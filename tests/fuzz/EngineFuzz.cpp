// The editing engine under command sequences with random options, selection modes, client
// sizes, clipboard contents, mouse input and drops: undoing everything gives the original bytes
// back with the document unmodified, and redoing everything gives the edited text back
// exactly, whatever options changed between an edit and its redo.
#include <climits>
#include <memory>

#include "../editor/FakeSynEditHost.h"
#include "../editor/InMemoryClipboard.h"
#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "editor/SynEdit.h"

namespace tavlo::fuzz {
namespace {

using test::FakeSynEditHost;
using test::InMemoryClipboard;

// Every command of the key map but ecClearAll, which empties the history with the text.
constexpr TSynEditorCommand Commands[] = {
    ecLeft, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight, ecLineStart, ecLineEnd, ecPageUp, ecPageDown,
    ecPageLeft, ecPageRight, ecPageTop, ecPageBottom, ecEditorTop, ecEditorBottom, ecSelLeft, ecSelRight,
    ecSelUp, ecSelDown, ecSelWordLeft, ecSelWordRight, ecSelLineStart, ecSelLineEnd, ecSelPageUp,
    ecSelPageDown, ecSelPageLeft, ecSelPageRight, ecSelPageTop, ecSelPageBottom, ecSelEditorTop,
    ecSelEditorBottom, ecSelectAll, ecCopy, ecScrollUp, ecScrollDown, ecScrollLeft, ecScrollRight,
    ecInsertMode, ecOverwriteMode, ecToggleMode, ecNormalSelect, ecColumnSelect, ecLineSelect,
    ecMatchBracket, ecGotoMarker0, ecGotoMarker1, ecDeleteLastChar, ecDeleteChar, ecDeleteWord,
    ecDeleteLastWord, ecDeleteBOL, ecDeleteEOL, ecDeleteLine, ecLineBreak, ecInsertLine, ecUndo, ecRedo,
    ecCut, ecPaste, ecBlockIndent, ecBlockUnindent, ecTab, ecShiftTab, ecUpperCase, ecLowerCase,
    ecToggleCase, ecTitleCase,
};

constexpr std::string_view Alphabet = " \tab{}();_AZ\xB9\xEA\r\n";

// Mostly letters, blanks, brackets and breaks; sometimes any byte.
std::string text(FuzzInput& in, size_t maxSize) {
    std::string result = in.bytes(maxSize);
    if (in.flag())
        for (char& c : result) c = Alphabet[uint8_t(c) % Alphabet.size()];
    return result;
}

// Pixels around the text, or one of the extremes.
int32_t pixel(FuzzInput& in, int32_t size) {
    switch (in.below(8)) {
    case 0: return INT32_MIN;
    case 1: return INT32_MAX;
    default: return in.between(-size, 2 * size);
    }
}

class Session {
public:
    explicit Session(FuzzInput& in) : m_in(in) {
        m_editor.SetHost(&m_host);
        m_editor.SetClipboard(&m_clipboard);
        m_other.SetHost(&m_otherHost);
        m_editor.SetMaxUndo(INT32_MAX);
        m_editor.SetTabWidth(in.between(1, 9));
        setOptions();
        resize();
        m_editor.Lines().SetAllText(text(in, 600));
        // Typing into a buffer without lines creates its first line, which undo keeps.
        if (m_editor.Lines().Count() == 0) m_editor.Lines().AddLine({});
        m_editor.ClearUndo();
        m_editor.SetModified(false);
        m_original = m_editor.Lines().GetAllText();
    }

    void run() {
        // Copying and pasting everything doubles the text: past a bound the run would only
        // measure memory.
        for (int step = 0; step < 300 && !m_in.empty() && textSize() < MaxTextSize; ++step) one();
        const std::string& original = m_original;
        while (m_editor.CanRedo()) command(ecRedo); // a trailing undo must not count
        const std::string final = m_editor.Lines().GetAllText();
        for (int guard = 0; m_editor.CanUndo(); ++guard) {
            Expect(guard < 100000, "undo does not end");
            command(ecUndo);
        }
        Expect(m_editor.Lines().GetAllText() == original, "undoing everything does not give the original bytes");
        Expect(!m_editor.Modified(), "the document is modified after undoing everything");
        for (int guard = 0; m_editor.CanRedo(); ++guard) {
            Expect(guard < 100000, "redo does not end");
            command(ecRedo);
        }
        const std::string redone = m_editor.Lines().GetAllText();
        Expect(redone == final, "redoing everything does not give the edited text");
    }

private:
    static constexpr size_t MaxTextSize = 1 << 16;

    void command(TSynEditorCommand c, char ch = '\0', void* data = nullptr) { m_editor.RunCommand(c, ch, data); }

    size_t textSize() const {
        size_t size = 0;
        for (int32_t i = 0; i < m_editor.Lines().Count(); ++i) size += m_editor.Lines().LineAt(i).size() + 2;
        return size;
    }

    TBufferCoord position() {
        const int32_t line = m_in.between(0, m_editor.Lines().Count() + 2);
        const int32_t length = int32_t(m_editor.Lines().LineAt(line - 1).size());
        return {m_in.between(0, length + 12), line};
    }

    void setOptions() {
        TSynEditorOptions options = 0;
        for (int i = 0; i < 4; ++i) options = options << 8 | m_in.byte();
        m_editor.SetOptions(options & ((1u << 26) - 1));
    }

    void resize() {
        m_host.width = m_in.between(0, 900);
        m_host.height = m_in.between(0, 500);
        m_editor.SizeOrFontChanged();
    }

    void one() {
        switch (m_in.below(16)) {
        case 0:
        case 1:
        case 2: command(Commands[m_in.below(std::size(Commands))]); break;
        case 3:
        case 4: {
            std::string typed = text(m_in, 4);
            for (char c : typed) command(ecChar, c);
            break;
        }
        case 5: {
            std::string ime = text(m_in, 12);
            command(ecImeStr, '\0', &ime);
            break;
        }
        case 6: {
            TBufferCoord p = position();
            command(m_in.flag() ? ecGotoXY : ecSelGotoXY, '\0', &p);
            break;
        }
        case 7: {
            TBufferCoord p = position();
            command(TSynEditorCommand(ecSetMarker0 + m_in.below(2)), '\0', &p);
            break;
        }
        case 8: m_editor.SetSelectedText(text(m_in, 30)); break;
        case 9: {
            // What another program or editor left on the clipboard: text, and maybe a block
            // (a mode byte, possibly unknown, then the text).
            m_clipboard.text = text(m_in, 30);
            m_clipboard.block.reset();
            if (m_in.flag()) m_clipboard.block = std::string(1, char(m_in.below(4))) + text(m_in, 30);
            break;
        }
        case 10: dropWithin(); break;
        case 11: dropFromOther(); break;
        case 12: mouse(); break;
        case 13: setOptions(); break;
        case 14: resize(); break;
        case 15: m_editor.SetTabWidth(m_in.between(0, 9)); break;
        }
    }

    TPoint pixelAt(TBufferCoord p) const {
        return {m_editor.TextLeft() + (p.Char - 1) * m_editor.CellWidth() + 1,
                (p.Line - m_editor.FirstVisibleLine()) * m_editor.RowHeight() + 1};
    }

    void dropWithin() {
        TPoint at = m_in.flag() ? TPoint{pixel(m_in, m_host.width), pixel(m_in, m_host.height)} : pixelAt(position());
        m_editor.DragDrop(&m_editor, at.X, at.Y, m_in.flag() ? ssCtrl : 0);
    }

    void dropFromOther() {
        m_other.Lines().SetAllText(text(m_in, 40));
        m_other.SelectWholeText();
        TPoint at = pixelAt(position());
        m_editor.DragDrop(&m_other, at.X, at.Y, m_in.flag() ? ssShift : 0);
    }

    void mouse() {
        const int32_t x = pixel(m_in, m_host.width), y = pixel(m_in, m_host.height);
        const TShiftState shift = TShiftState(m_in.below(8));
        switch (m_in.below(7)) {
        case 0: m_editor.MouseDown(TMouseButton(m_in.below(3)), shift | ssLeft, x, y); break;
        case 1: m_editor.MouseMove(shift | ssLeft, x, y); break;
        case 2: m_editor.MouseUp(mbLeft, x, y); break;
        case 3: m_editor.DblClick(x, y); break;
        case 4: m_editor.AutoScrollTimerTick(shift); break;
        case 5: m_editor.MouseWheel(x, shift); break;
        case 6:
            m_editor.VerticalScroll(TScrollCode(m_in.below(9)), y);
            m_editor.HorizontalScroll(TScrollCode(m_in.below(9)), x);
            break;
        }
    }

    FuzzInput& m_in;
    FakeSynEditHost m_host, m_otherHost;
    InMemoryClipboard m_clipboard;
    TSynEdit m_editor;
    TSynEdit m_other;
    std::string m_original;
};

} // namespace

void FuzzEngine(std::string_view data) {
    FuzzInput in(data);
    Session(in).run();
}

} // namespace tavlo::fuzz
