// Typing, deleting and breaking lines.
#include "editor/SynEdit.h"

namespace tavlo {

namespace {

constexpr std::string_view LineBreakText = "\r\n";

} // namespace

// Leading blanks of a line in characters, or 0 when auto indent is off.
int32_t TCustomSynEdit::indentWidthAt(int32_t line) const {
    return HasOption(eoAutoIndent) ? LeadingWhiteCount(lineText(line)) : 0;
}

// Walks up from the line above `line` to the first line indented less than `width`; the
// indentation of the last line looked at (line 1 when none is shallower), -1 on line 1.
int32_t TCustomSynEdit::indentOfShallowerLineAbove(int32_t line, int32_t width) const {
    int32_t indent = -1;
    for (int32_t above = line - 1; above >= 1; --above) {
        indent = indentWidthAt(above);
        if (indent < width) break;
    }
    return indent;
}

// Fills the line up to the insertion point and records the blanks, so that undo takes
// them away again. Returns where the text goes.
int32_t TCustomSynEdit::padLineForInsert(TBufferCoord at, bool indentOnEmptyLine) {
    std::string_view line = lineText(at.Line);
    int32_t n = int32_t(line.size());
    if (n >= at.Char - 1) return at.Char;
    std::string padding = (n == 0 && indentOnEmptyLine)
                              ? IndentText(at.Char - 1, m_tabWidth, HasOption(eoTabsToSpaces))
                              : std::string(size_t(at.Char - 1 - n), ' ');
    int32_t end = n + 1 + int32_t(padding.size());
    m_undoList.RecordChange(urPadding, {n + 1, at.Line}, {end, at.Line}, {}, smNormal);
    if (at.Line > m_lines->Count())
        m_lines->ReplaceLine(at.Line - 1, padding);
    else
        m_lines->InsertInLine(at.Line - 1, size_t(n), padding);
    return end;
}

void TCustomSynEdit::recordAndDeleteSelection() {
    m_undoList.RecordChange(urDelete, SelFirst(), SelLast(), selectionForUndo(), m_selectionMode);
    SetSelTextPrimitive(m_selectionMode, {});
}

void TCustomSynEdit::deleteSelectionBackOrForward() {
    std::string text = selectionForUndo();
    if (m_selAnchor < m_selHead)
        m_undoList.RecordChange(urDelete, m_selAnchor, m_selHead, text, m_selectionMode);
    else
        m_undoList.RecordChange(urDeleteForward, m_selHead, m_selAnchor, text, m_selectionMode);
    SetSelTextPrimitive(m_selectionMode, {});
}

void TCustomSynEdit::deleteLastChar() {
    if (HasSelection()) {
        deleteSelectionBackOrForward();
        return;
    }
    std::string_view line = lineText(m_caretLine);
    const int32_t n = int32_t(line.size()), x = m_caretChar, y = m_caretLine;
    bool trim = HasOption(eoTrimTrailingSpaces);
    if (x > n + 1) {
        int32_t dest = x - 1;
        if (HasOption(eoSmartTabDelete)) {
            if (n == 0) {
                int32_t indent = indentOfShallowerLineAbove(y, x - 1);
                dest = (indent < 0 || indent == x - 1) ? 1 : indent + 1;
            } else {
                dest = n + 1;
            }
        }
        SetCaretPos({dest, y});
        return;
    }
    if (x == 1) {
        if (y == 1) return;
        int32_t dest = lineLength(y - 1) + 1;
        m_lines->LockUpdates();
        // Blanks of the moved line stay: undo puts the break back in front of them.
        spliceLine(y - 1, size_t(dest - 1), 0, line, trim, TrailingBlanks(line),
                   line.empty() ? size_t(dest - 1) : size_t(dest - 1) + line.size());
        m_lines->RemoveLine(y - 1);
        linesRemoved(y - 1, 1);
        m_lines->UnlockUpdates();
        SetCaretPos({dest, y - 1});
        m_undoList.RecordChange(urQuietDelete, {dest, y - 1}, {1, y}, std::string(LineBreakText), smNormal);
        trimsNothing(newestRecorded());
        return;
    }
    // Without auto indent no line has an indentation, so Backspace takes one character.
    int32_t indent = indentWidthAt(y);
    int32_t count = 1, dest = x - 1;
    if (uint8_t(line[size_t(x - 2)]) <= ' ' && x - 1 == indent) {
        if (HasOption(eoSmartTabDelete)) {
            int32_t v = indentOfShallowerLineAbove(y, indent);
            if (v < 0 || v == indent) v = 0;
            if (v > indent) {
                SetCaretPos({x + v - indent, y});
                return;
            }
            count = indent - v;
            dest = x - count;
        } else {
            int32_t column = CharToColumn(CaretPos()).Char;
            int32_t limit = (column - 1) % m_tabWidth;
            if (limit == 0) limit = m_tabWidth;
            count = 0;
            while (count < limit && x - 1 - count >= 1) {
                char c = line[size_t(x - 2 - count)];
                ++count;
                if (c == '\t') break;
            }
            dest = x - count;
        }
    }
    if (count <= 0) return;
    std::string deleted(line.substr(size_t(dest - 1), size_t(count)));
    trim = trim && !caretNeedsTrailingBlanks(dest);
    spliceLine(y, size_t(dest - 1), size_t(count), {}, trim, TrailingBlanks(line),
               keepAfterDeletion(size_t(n - count), size_t(dest - 1)));
    SetCaretPos({dest, y});
    m_undoList.RecordChange(urQuietDelete, {dest, y}, {x, y}, std::move(deleted), smNormal);
    trimsWhateverPastEol(newestRecorded());
    if (!trim) trimsNothing(newestRecorded());
}

// Redo replays a deletion by deleting a selection, which trims only with eoScrollPastEol;
// these entries say how their command trimmed instead.
TSynEditUndoItem* TCustomSynEdit::newestRecorded() {
    // Nothing was recorded while recording is locked, nor kept under a limit of 0.
    return m_undoList.RecordingLocked() ? nullptr : m_undoList.PeekEntry();
}

void TCustomSynEdit::trimsWhateverPastEol(TSynEditUndoItem* entry) {
    if (entry) entry->PastEol = true;
}

void TCustomSynEdit::trimsNothing(TSynEditUndoItem* entry) {
    if (entry) entry->Trimmed = false;
}

void TCustomSynEdit::deleteChar() {
    if (HasSelection()) {
        deleteSelectionBackOrForward();
        return;
    }
    std::string_view line = lineText(m_caretLine);
    const int32_t n = int32_t(line.size()), x = m_caretChar, y = m_caretLine;
    if (x > n) {
        if (y >= m_lines->Count()) return;
        BeginUndoBlock();
        m_lines->LockUpdates();
        padLineForInsert(CaretPos(), false);
        const size_t length = size_t(lineLength(y));
        std::string_view next = lineText(y + 1);
        // Trimmed as deleting a selection across the break would be, so that redo agrees.
        spliceLine(y, length, 0, next, HasOption(eoTrimTrailingSpaces) && HasOption(eoScrollPastEol),
                   TrailingBlanks(next), keepAfterDeletion(length + next.size(), size_t(x - 1)));
        m_lines->RemoveLine(y);
        linesRemoved(y, 1);
        m_lines->UnlockUpdates();
        m_undoList.RecordChange(urQuietDeleteForward, {x, y}, {1, y + 1}, std::string(LineBreakText), smNormal);
        EndUndoBlock();
    } else {
        std::string deleted(line.substr(size_t(x - 1), 1));
        const bool trim = HasOption(eoTrimTrailingSpaces) && !caretNeedsTrailingBlanks(x);
        spliceLine(y, size_t(x - 1), 1, {}, trim, TrailingBlanks(line), keepAfterDeletion(size_t(n - 1), size_t(x - 1)));
        m_undoList.RecordChange(urQuietDeleteForward, {x, y}, {x + 1, y}, std::move(deleted), smNormal);
        trimsWhateverPastEol(newestRecorded());
        if (!trim) trimsNothing(newestRecorded());
    }
    SetCaretPos({x, y});
}

void TCustomSynEdit::deleteToTarget(TSynEditorCommand command) {
    bool forward = command == ecDeleteWord || command == ecDeleteEOL;
    int32_t n = lineLength(m_caretLine);
    TBufferCoord target;
    switch (command) {
    case ecDeleteWord:
        if (m_caretChar > n + 1) SetCaretPos({n + 1, m_caretLine});
        target = NextWordStart();
        break;
    case ecDeleteEOL: target = {n + 1, m_caretLine}; break;
    case ecDeleteLastWord: target = PrevWordStart(); break;
    default: target = {1, m_caretLine}; break;
    }
    TBufferCoord caret = CaretPos();
    if (target == caret) return;
    TSynSelectionMode savedMode = m_selectionMode;
    m_selectionMode = smNormal;
    PlaceAnchor(caret);
    ExtendSelection(target);
    if (HasSelection()) {
        if (forward)
            m_undoList.RecordChange(urQuietDeleteForward, caret, target, selectionForUndo(), smNormal);
        else
            m_undoList.RecordChange(urQuietDelete, target, caret, selectionForUndo(), smNormal);
        SetSelTextPrimitive(smNormal, {});
    }
    m_selectionMode = savedMode;
    SetCaretPos(forward ? caret : target);
}

// The entry's ends span exactly the removed text, so that redo removes the same line.
void TCustomSynEdit::deleteLine() {
    int32_t count = m_lines->Count();
    if (count == 0 || (count == 1 && lineLength(1) == 0)) return;
    PlaceAnchor(CaretPos());
    int32_t y = m_caretLine;
    std::string line(lineText(y));
    if (count == 1) {
        m_undoList.RecordChange(urDeleteForward, {1, 1}, {int32_t(line.size()) + 1, 1}, line, smNormal);
        m_lines->ReplaceLine(0, {});
    } else if (y < count) {
        m_undoList.RecordChange(urDeleteForward, {1, y}, {1, y + 1}, line + std::string(LineBreakText), smNormal);
        m_lines->RemoveLine(y - 1);
        linesRemoved(y - 1, 1);
    } else {
        m_undoList.RecordChange(urDeleteForward, {lineLength(y - 1) + 1, y - 1}, {int32_t(line.size()) + 1, y},
                                std::string(LineBreakText) + line, smNormal);
        m_lines->RemoveLine(y - 1);
        linesRemoved(y - 1, 1);
    }
    // Removing the last line leaves the blanks that end the line above.
    trimsNothing(newestRecorded());
    SetCaretPos({1, m_caretLine});
}

void TCustomSynEdit::lineBreak(bool moveCaret) {
    BeginUndoBlock();
    if (HasSelection()) recordAndDeleteSelection();
    m_lines->LockUpdates();
    if (m_lines->Count() == 0) m_lines->AddLine({});
    // The caret line stays as it is until its own change comes.
    const std::string_view line = lineText(m_caretLine);
    const int32_t n = int32_t(line.size()), x = m_caretChar, y = m_caretLine;
    const TBufferCoord at = CaretPos();
    TBufferCoord dest = at;
    if (n == 0) {
        int32_t indent = 0;
        if (HasOption(eoAutoIndent)) {
            int32_t above = y;
            while (above >= 1 && lineLength(above) == 0) --above;
            if (above >= 1) indent = LeadingWhiteWidth(lineText(above), m_tabWidth);
        }
        m_undoList.RecordChange(urLineBreak, at, at, {}, smNormal);
        m_lines->InsertLineAt(y - 1, {});
        linesInserted(y, 1);
        dest = {indent + 1, y + 1};
    } else if (x > n) {
        int32_t w = HasOption(eoAutoIndent) ? LeadingWhiteCount(line) : 0;
        m_undoList.RecordChange(urLineBreak, at, at, {}, smNormal);
        m_lines->InsertLineAt(y, moveCaret ? line.substr(0, size_t(w)) : std::string_view());
        linesInserted(y + 1, 1);
        dest = {w + 1, y + 1};
    } else if (x == 1) {
        m_lines->InsertLineAt(y - 1, {});
        linesInserted(y, 1);
        m_undoList.RecordChange(urLineBreak, at, at, std::string(line), smNormal);
        dest = {1, y + 1};
    } else {
        std::string_view left = line.substr(0, size_t(x - 1));
        // The indentation is the left part's as it was: a break inside the leading blanks
        // keeps the line's indentation, though trimming empties the left part.
        int32_t width = HasOption(eoAutoIndent) ? LeadingWhiteWidth(left, m_tabWidth) : 0;
        if (HasOption(eoTrimTrailingSpaces)) left = TrimRight(left);
        std::string rightText(line.substr(size_t(x - 1)));
        std::string newLine = IndentText(width, m_tabWidth, HasOption(eoTabsToSpaces));
        dest = {int32_t(newLine.size()) + 1, y + 1};
        newLine.append(rightText);
        // Only the left part stays: the line is cut where it is.
        m_lines->ReplaceInLine(y - 1, left.size(), std::string_view::npos, {});
        m_lines->InsertLineAt(y, newLine);
        linesInserted(y + 1, 1);
        m_undoList.RecordChange(urLineBreak, at, at, std::move(rightText), smNormal);
    }
    m_lines->UnlockUpdates();
    EndUndoBlock();
    if (moveCaret) {
        ScrollPastEolScope pastEol(*this);
        SetCaretPos(dest);
    }
    PlaceAnchor(CaretPos());
    ScrollCaretIntoView();
}

void TCustomSynEdit::typeText(std::string_view text, bool overwrite, bool indentOnEmptyLine) {
    if (text.empty()) return;
    // Text with line breaks (from the input method) is inserted as lines, with or without a
    // selection to replace; it overwrites nothing.
    if (HasSelection() || text.find_first_of("\r\n") != std::string_view::npos) {
        BeginUndoBlock();
        TBufferCoord start = insertionStart();
        if (HasSelection()) recordAndDeleteSelection();
        insertRecorded(urInsert, smNormal, text, start);
        EndUndoBlock();
        advanceAfterTyping();
        return;
    }
    ScrollPastEolScope pastEol(*this);
    const int32_t y = m_caretLine;
    bool padded = lineLength(y) < m_caretChar - 1;
    if (padded) BeginUndoBlock();
    if (m_lines->Count() == 0) m_lines->AddLine({});
    // Typing within a line's text, where trimming has nothing to take, changes the line in
    // place: on a long line no copy of it is made.
    if (!overwrite && !padded &&
        (!HasOption(eoTrimTrailingSpaces) || size_t(m_caretChar - 1) < TrimRight(lineText(y)).size())) {
        const int32_t x = m_caretChar, end = x + int32_t(text.size());
        m_lines->InsertInLine(y - 1, size_t(x - 1), text);
        m_undoList.RecordChange(urInsert, {x, y}, {end, y}, {}, smNormal);
        SetCaretPos({end, y});
        advanceAfterTyping();
        return;
    }
    // Blanks the line ended with before the padding are the user's: trimming keeps them.
    const size_t keptBlanks = TrailingBlanks(lineText(y));
    int32_t x = padLineForInsert(CaretPos(), indentOnEmptyLine);
    std::string_view line = lineText(y);
    const size_t from = std::min(line.size(), size_t(x - 1));
    std::string replaced(overwrite ? line.substr(from, text.size()) : std::string_view());
    const size_t length = line.size() - replaced.size() + text.size();
    const int32_t end = x + int32_t(text.size());
    const size_t head = size_t(end - 1);
    const bool trim = HasOption(eoTrimTrailingSpaces) && !caretNeedsTrailingBlanks(end);
    size_t stored = spliceLine(y, from, replaced.size(), text, trim, keptBlanks, keepAfterDeletion(length, head));
    // The entry covers what stayed of the text; the caret goes behind all of it.
    int32_t kept = int32_t(InsertionEnd(text, head, length, stored)) + 1;
    m_undoList.RecordChange(urInsert, {x, y}, {kept, y}, std::move(replaced), smNormal);
    if (!trim) trimsNothing(newestRecorded());
    if (padded) EndUndoBlock();
    SetCaretPos({end, y});
    advanceAfterTyping();
}

void TCustomSynEdit::advanceAfterTyping() {
    int32_t column = CharToColumn(CaretPos()).Char;
    if (column >= m_firstVisibleColumn + m_visibleColumns)
        SetFirstVisibleColumn(m_firstVisibleColumn + std::min(25, std::max(0, m_visibleColumns - 1)));
}

} // namespace tavlo
