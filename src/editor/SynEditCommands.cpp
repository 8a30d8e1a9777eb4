// The command processor, caret movement and the keyboard path to commands.
#include "editor/SynEdit.h"

#include "platform/SynEditHost.h"

namespace tavlo {


void TCustomSynEdit::RunCommand(TSynEditorCommand command, char aChar, void* data) {
    if (command >= ecUserFirst) {
        if (OnProcessUserCommand) OnProcessUserCommand(*this, command, aChar, data);
    } else if (OnProcessCommand) {
        OnProcessCommand(*this, command, aChar, data);
    }
    if (command > ecNone && command < ecUserFirst) PerformCommand(command, aChar, data);
    if (OnCommandProcessed) OnCommandProcessed(*this, command, aChar, data);
}

namespace {

bool changesText(TSynEditorCommand c) {
    return (c >= ecDeleteLastChar && c <= ecChar) || c == ecImeStr || (c >= ecUndo && c <= ecPaste) ||
           (c >= ecBlockIndent && c <= ecShiftTab) || (c >= ecUpperCase && c <= ecTitleCase);
}

} // namespace

void TCustomSynEdit::PerformCommand(TSynEditorCommand command, char aChar, void* data) {
    PaintLock lock(*this);
    std::optional<TransientScope> transient;
    if (changesText(command) && !m_readOnly) transient.emplace(*this);
    bool extend = command > ecSelection && command <= ecSelGotoXY;
    TSynEditorCommand move = extend ? TSynEditorCommand(command - ecSelection) : command;
    bool editable = !m_readOnly;
    switch (move) {
    case ecLeft: moveCaretHorizontally(-1, extend); break;
    case ecRight: moveCaretHorizontally(1, extend); break;
    case ecUp:
    case ecDown:
        moveCaretVertically(move == ecUp ? -1 : 1, extend);
        if (m_host && m_host->WindowExists()) m_host->RepaintNow();
        break;
    case ecWordLeft: moveCaretAndSelection(CaretPos(), PrevWordStart(), extend); break;
    case ecWordRight: moveCaretAndSelection(CaretPos(), NextWordStart(), extend); break;
    case ecLineStart: lineStart(extend); break;
    case ecLineEnd: moveCaretAndSelection(CaretPos(), {lineLength(m_caretLine) + 1, m_caretLine}, extend); break;
    case ecPageUp: pageVertically(-1, extend); break;
    case ecPageDown: pageVertically(1, extend); break;
    case ecPageLeft: moveCaretHorizontally(-m_visibleColumns, extend); break;
    case ecPageRight: moveCaretHorizontally(m_visibleColumns, extend); break;
    case ecPageTop: moveCaretAndSelection(CaretPos(), {m_caretChar, m_firstVisibleLine}, extend); break;
    case ecPageBottom:
        moveCaretAndSelection(CaretPos(), {m_caretChar, m_firstVisibleLine + m_visibleRows - 1}, extend);
        break;
    case ecEditorTop: moveCaretAndSelection(CaretPos(), {1, 1}, extend); break;
    case ecEditorBottom: {
        int32_t last = std::max(1, m_lines->Count());
        moveCaretAndSelection(CaretPos(), {lineLength(last) + 1, last}, extend);
        break;
    }
    case ecGotoXY:
        if (data) moveCaretAndSelection(CaretPos(), *static_cast<TBufferCoord*>(data), extend);
        break;
    case ecSelectAll: SelectWholeText(); break;
    case ecMatchBracket: {
        const TBufferCoord match = MatchingBracketPos(CaretPos(), false);
        if (match.Char > 0 && match.Line > 0) SetCaretPos(match);
        break;
    }
    case ecCopy: CopySelection(); break;
    case ecScrollUp: scrollLineCommand(-1); break;
    case ecScrollDown: scrollLineCommand(1); break;
    case ecScrollLeft: SetFirstVisibleColumn(m_firstVisibleColumn - 1); break;
    case ecScrollRight: SetFirstVisibleColumn(m_firstVisibleColumn + 1); break;
    case ecInsertMode: SetInsertMode(true); break;
    case ecOverwriteMode: SetInsertMode(false); break;
    case ecToggleMode: SetInsertMode(!m_insertMode); break;
    case ecNormalSelect: SetSelectionMode(smNormal); break;
    case ecColumnSelect: SetSelectionMode(smColumn); break;
    case ecLineSelect: SetSelectionMode(smLine); break;
    case ecContextHelp:
        if (OnContextHelp) OnContextHelp(*this, WordAtCaret());
        break;
    case ecDeleteLastChar: if (editable) deleteLastChar(); break;
    case ecDeleteChar: if (editable) deleteChar(); break;
    case ecDeleteWord:
    case ecDeleteLastWord:
    case ecDeleteBOL:
    case ecDeleteEOL:
        if (editable) deleteToTarget(command);
        break;
    case ecDeleteLine: if (editable) deleteLine(); break;
    case ecClearAll: if (editable) ClearDocument(); break;
    case ecLineBreak:
    case ecInsertLine:
        if (editable) lineBreak(command == ecLineBreak);
        break;
    case ecChar:
        if (editable && uint8_t(aChar) >= 32 && aChar != 127) typeText({&aChar, 1}, !m_insertMode, true);
        break;
    case ecImeStr:
        if (editable && data) {
            typeText(*static_cast<const std::string*>(data), !m_insertMode, false);
            invalidateGutter();
        }
        break;
    case ecUndo: if (editable) Undo(); break;
    case ecRedo: if (editable) Redo(); break;
    case ecCut: if (editable && HasSelection()) CutSelection(); break;
    case ecPaste: if (editable) PasteText(); break;
    case ecBlockIndent: if (editable) IndentLines(); break;
    case ecBlockUnindent: if (editable) UnindentLines(); break;
    case ecTab: if (editable) tabCommand(); break;
    case ecShiftTab: if (editable) shiftTabCommand(); break;
    case ecUpperCase:
    case ecLowerCase:
    case ecToggleCase:
    case ecTitleCase:
        if (editable) caseCommand(command);
        break;
    default:
        if (move >= ecGotoMarker0 && move <= ecGotoMarker9) {
            if (m_bookMarkOptions.EnableKeys()) JumpToBookmark(move - ecGotoMarker0);
        } else if (move >= ecSetMarker0 && move <= ecSetMarker9) {
            if (m_bookMarkOptions.EnableKeys()) setMarkerCommand(move - ecSetMarker0, data);
        }
        break;
    }
}

// --- movement ---

void TCustomSynEdit::moveCaretAndSelection(TBufferCoord from, TBufferCoord to, bool extend) {
    if (HasOption(eoGroupUndo)) m_undoList.MarkGroupBreak();
    PaintLock lock(*this);
    if (extend) {
        if (!HasSelection()) PlaceAnchor(from);
        ExtendSelection(to);
    } else {
        PlaceAnchor(to);
    }
    SetCaretPos(to);
}

void TCustomSynEdit::moveCaretHorizontally(int32_t delta, bool extend) {
    TBufferCoord dest = CaretPos();
    int32_t n = lineLength(m_caretLine);
    if (HasOption(eoScrollPastEol)) {
        dest.Char = int32_t(std::max<int64_t>(1, int64_t(dest.Char) + delta));
    } else if (delta == -1 && dest.Char == 1 && dest.Line > 1) {
        dest = {lineLength(dest.Line - 1) + 1, dest.Line - 1};
    } else if (delta == 1 && dest.Char > n && dest.Line < m_lines->Count()) {
        dest = {1, dest.Line + 1};
    } else {
        int64_t x = std::max<int64_t>(1, int64_t(dest.Char) + delta);
        if (delta > 0) x = std::min<int64_t>(x, n + 1);
        dest.Char = int32_t(x);
    }
    moveCaretAndSelection(CaretPos(), dest, extend);
}

void TCustomSynEdit::moveCaretVertically(int32_t delta, bool extend) {
    int32_t line = int32_t(std::clamp<int64_t>(int64_t(m_caretLine) + delta, 1, std::max(1, m_lines->Count())));
    int32_t column = (line != m_caretLine && HasOption(eoKeepCaretX)) ? m_preferredColumn
                                                                       : CharToColumn(CaretPos()).Char;
    TBufferCoord dest = ColumnToChar({column, line});
    int32_t preferred = m_preferredColumn;
    moveCaretAndSelection(CaretPos(), dest, extend);
    m_preferredColumn = preferred;
}

void TCustomSynEdit::lineStart(bool extend) {
    int32_t x = 1;
    if (HasOption(eoEnhanceHomeKey)) {
        std::string_view line = lineText(m_caretLine);
        int32_t first = 1;
        while (first < int32_t(line.size()) && (line[size_t(first - 1)] == ' ' || line[size_t(first - 1)] == '\t'))
            ++first;
        x = (m_caretChar <= first && m_caretChar != 1) ? 1 : first;
    }
    moveCaretAndSelection(CaretPos(), {x, m_caretLine}, extend);
}

void TCustomSynEdit::pageVertically(int32_t direction, bool extend) {
    int32_t n = m_visibleRows;
    if (HasOption(eoHalfPageScroll)) n >>= 1;
    if (HasOption(eoScrollByOneLess)) --n;
    // A window of one or two rows still pages forward, never backward or not at all.
    n = std::max(n, 1);
    SetFirstVisibleLine(m_firstVisibleLine + direction * n);
    moveCaretVertically(direction * n, extend);
    if (m_host && m_host->WindowExists()) m_host->RepaintNow();
}

void TCustomSynEdit::scrollLineCommand(int32_t delta) {
    int32_t lastRow = m_firstVisibleLine + m_visibleRows - 1;
    if (m_caretLine < m_firstVisibleLine || m_caretLine > lastRow) {
        ScrollCaretIntoView();
        return;
    }
    SetFirstVisibleLine(m_firstVisibleLine + delta);
    lastRow = m_firstVisibleLine + m_visibleRows - 1;
    if (delta < 0 && m_caretLine > lastRow)
        moveCaretVertically(lastRow - m_caretLine, false);
    else if (delta > 0 && m_caretLine < m_firstVisibleLine)
        moveCaretVertically(m_firstVisibleLine - m_caretLine, false);
    ScrollCaretIntoView();
    if (m_host && m_host->WindowExists()) m_host->RepaintNow();
}

// --- keyboard ---

void TCustomSynEdit::KeyDown(uint16_t& key, TShiftState shift) {
    m_kbdHandler.ExecuteKeyDown(*this, key, shift);
    TSynEditorCommand command = ecNone;
    if (key != 0) {
        int index = m_lastKey != 0 ? m_keystrokes.FindKeyPair(m_lastKey, m_lastShift, key, shift) : -1;
        if (index < 0) index = m_keystrokes.FindKey(key, shift);
        if (index >= 0) command = m_keystrokes[index].Command;
    }
    if (command != ecNone || key < 30 || key > 145) {
        m_lastKey = 0;
        m_lastShift = 0;
    } else {
        m_lastKey = key;
        m_lastShift = shift;
    }
    if (command == ecNone) {
        m_stateFlags &= ~esSkipNextChar;
        return;
    }
    key = 0;
    m_stateFlags |= esSkipNextChar;
    TBufferCoord caret = CaretPos();
    bool carriesPos = command >= ecSetMarker0 && command <= ecSetMarker9;
    RunCommand(command, '\0', carriesPos ? &caret : nullptr);
}

void TCustomSynEdit::KeyPress(char& key) {
    if (m_imeCharsPending > 0) {
        --m_imeCharsPending;
        return;
    }
    if (m_stateFlags & esSkipNextChar) {
        m_stateFlags &= ~esSkipNextChar;
        return;
    }
    m_kbdHandler.ExecuteKeyPress(*this, key);
    RunCommand(ecChar, key, nullptr);
}

void TCustomSynEdit::ImeResult(const std::string& text, bool charsFollow) {
    if (charsFollow) m_imeCharsPending = int32_t(text.size());
    std::string copy = text;
    RunCommand(ecImeStr, '\0', &copy);
}

} // namespace tavlo
