// Tab and Shift+Tab, block indent and unindent, case conversion.
#include "editor/SynEdit.h"

namespace tavlo {

namespace {

// Tabs and spaces that take a text from display column `from` to `to` (1-based).
std::string smartTabFill(int32_t from, int32_t to, int tabWidth) {
    std::string fill;
    int32_t column = from;
    int32_t nextStop = (column - 1) / tabWidth * tabWidth + tabWidth + 1;
    if (to >= nextStop) {
        fill += '\t';
        column = nextStop;
        while (to - column >= tabWidth) {
            fill += '\t';
            column += tabWidth;
        }
    }
    fill.append(size_t(std::max(0, to - column)), ' ');
    return fill;
}

char toggledCase(char c) {
    uint8_t u = uint8_t(c);
    uint8_t upper = UpperCase1250(u);
    return char(upper != u ? upper : LowerCase1250(u));
}

} // namespace

void TCustomSynEdit::tabCommand() {
    if (HasOption(eoTabIndent) && HasSelection()) {
        TBufferCoord first = SelFirst(), last = SelLast();
        bool wholeLine = first.Char == 1 && last.Char > lineLength(m_caretLine);
        if (first.Line != last.Line || wholeLine) {
            IndentLines();
            if (first.Line == last.Line) {
                if (m_selAnchor < m_selHead)
                    m_selAnchor.Char = 1;
                else
                    m_selHead.Char = 1;
            }
            return;
        }
    }
    int32_t column = CharToColumn(CaretPos()).Char;
    int32_t count = 0;
    if (HasOption(eoSmartTabs)) {
        for (int32_t y = m_caretLine - 1; y >= 1; --y) {
            if (m_lines->ExpandedLineLength(y - 1) < column) continue;
            std::string_view above = lineText(y);
            int32_t i = ColumnToCharOf(above, column, m_tabWidth);
            auto blank = [&](int32_t k) { return above[size_t(k - 1)] == ' ' || above[size_t(k - 1)] == '\t'; };
            while (i <= int32_t(above.size()) && !blank(i)) ++i;
            while (i <= int32_t(above.size()) && blank(i)) ++i;
            count = CharToColumnOf(above, i, m_tabWidth) - column;
            break;
        }
    }
    if (count <= 0) count = HasOption(eoTabsToSpaces) ? m_tabWidth - (m_caretChar - 1) % m_tabWidth : m_tabWidth;
    std::string fill;
    if (HasOption(eoTabsToSpaces))
        fill.assign(size_t(count), ' ');
    else if (HasOption(eoSmartTabs))
        fill = smartTabFill(column, column + count, m_tabWidth);
    else
        fill = "\t";
    BeginUndoBlock();
    if (HasSelection()) recordAndDeleteSelection();
    typeText(fill, false, false);
    EndUndoBlock();
    ScrollCaretIntoView();
}

void TCustomSynEdit::shiftTabCommand() {
    if (HasOption(eoTabIndent) && HasSelection()) {
        TBufferCoord first = SelFirst(), last = SelLast();
        if (first.Line != last.Line || (first.Char == 1 && last.Char > lineLength(m_caretLine))) {
            UnindentLines();
            return;
        }
    }
    int32_t x = m_caretChar;
    if (HasOption(eoSmartTabs) && m_caretChar > 1) {
        for (int32_t y = m_caretLine - 1; y >= 1; --y) {
            std::string_view above = lineText(y);
            if (int32_t(above.size()) < m_caretChar - 1) continue;
            int32_t i = m_caretChar - 1;
            while (i > 1 && above[size_t(i - 1)] == ' ') --i;
            while (i > 1 && above[size_t(i - 2)] != ' ') --i;
            x = i;
            break;
        }
    }
    if (x == m_caretChar && m_caretChar > 1) {
        std::string_view line = lineText(m_caretLine);
        int32_t stop = (m_caretChar - 2) / m_tabWidth * m_tabWidth + 1;
        while (x > stop && x - 1 <= int32_t(line.size()) && line[size_t(x - 2)] == ' ') --x;
    }
    if (x == m_caretChar) return;
    TSynSelectionMode savedMode = m_selectionMode;
    m_selectionMode = smNormal;
    PlaceAnchor({x, m_caretLine});
    ExtendSelection(CaretPos());
    if (HasSelection()) {
        m_undoList.RecordChange(urDeleteForward, SelFirst(), SelLast(), selectionForUndo(), smNormal);
        SetSelTextPrimitive(smNormal, {});
    }
    m_selectionMode = savedMode;
    SetCaretPos({x, m_caretLine});
}

void TCustomSynEdit::IndentLines() {
    if (!HasSelection()) return;
    TBufferCoord begin = SelFirst(), end = SelLast();
    bool endsInColumn1 = end.Char == 1 && end.Line > begin.Line;
    int32_t lastLine = endsInColumn1 ? end.Line - 1 : end.Line;
    std::string unit = HasOption(eoTabsToSpaces) ? std::string(size_t(m_tabWidth), ' ') : std::string("\t");
    int32_t u = int32_t(unit.size());
    TBufferCoord anchor = m_selAnchor, head = m_selHead, caret = CaretPos();
    std::string block;
    for (int32_t y = begin.Line; y <= lastLine; ++y) {
        block += unit;
        if (y < lastLine) block += "\r\n";
    }
    BeginUndoBlock();
    m_undoList.RecordChange(urIndent, begin, end, {}, smColumn);
    TSynSelectionMode savedMode = m_selectionMode;
    m_selectionMode = smColumn;
    SetCaretPos({1, begin.Line});
    PlaceAnchor(CaretPos());
    SetSelTextPrimitive(smColumn, block, true);
    m_selectionMode = savedMode;
    m_undoList.RecordChange(urIndent, {begin.Char + u, begin.Line}, {end.Char + u, end.Line}, {}, smColumn);
    EndUndoBlock();
    // A selection ending in column 1 keeps ending there: that line was not indented.
    auto shifted = [&](TBufferCoord p) {
        bool untouched = endsInColumn1 && p.Line == end.Line && p.Char == 1;
        return untouched ? p : TBufferCoord{p.Char + u, p.Line};
    };
    int32_t caretX = (endsInColumn1 && caret.Line == end.Line) ? 1 : caret.Char + u;
    SetCaretPos({caretX, caret.Line});
    m_selAnchor = shifted(anchor);
    m_selHead = shifted(head);
    invalidateLines(begin.Line, end.Line);
    statusChanged(stSelection);
}

void TCustomSynEdit::UnindentLines() {
    if (!HasSelection()) return;
    TBufferCoord begin = SelFirst(), end = SelLast();
    int32_t lastLine = (end.Char == 1 && end.Line > begin.Line) ? end.Line - 1 : end.Line;
    std::string pieces;
    bool any = false;
    std::vector<int32_t> lost;
    for (int32_t y = begin.Line; y <= lastLine; ++y) {
        std::string_view line = lineText(y);
        size_t k = 0;
        if (!line.empty() && line[0] == '\t') {
            k = 1;
        } else {
            while (k < line.size() && k < size_t(m_tabWidth) && line[k] == ' ') ++k;
            if (k < line.size() && k < size_t(m_tabWidth) && line[k] == '\t') ++k;
        }
        lost.push_back(int32_t(k));
        any = any || k > 0;
        pieces.append(line.substr(0, k));
        if (y < lastLine) pieces += "\r\n";
    }
    if (!any) return;
    TBufferCoord anchor = m_selAnchor, head = m_selHead, caret = CaretPos();
    m_undoList.RecordChange(urUnindent, begin, end, std::move(pieces), smColumn);
    m_lines->LockUpdates();
    for (int32_t y = begin.Line; y <= lastLine; ++y) {
        int32_t k = lost[size_t(y - begin.Line)];
        if (k > 0) m_lines->ReplaceInLine(y - 1, 0, size_t(k), {});
    }
    m_lines->UnlockUpdates();
    auto lostOn = [&](int32_t line) { return line >= begin.Line && line <= lastLine ? lost[size_t(line - begin.Line)] : 0; };
    auto shifted = [&](TBufferCoord p) { return TBufferCoord{std::max(1, p.Char - lostOn(p.Line)), p.Line}; };
    SetCaretPos(caret.Char == 1 ? caret : shifted(caret));
    m_selAnchor = shifted(anchor);
    m_selHead = shifted(head);
    invalidateLines(begin.Line, end.Line);
    statusChanged(stSelection);
}

void TCustomSynEdit::caseCommand(TSynEditorCommand command) {
    TSynSelectionMode savedMode = m_selectionMode;
    TBufferCoord caret = CaretPos();
    if (command == ecToggleCase) {
        bool single = !HasSelection();
        if (single) {
            if (m_caretChar > lineLength(m_caretLine)) return;
            m_selectionMode = smNormal;
            PlaceAnchor(caret);
            ExtendSelection({caret.Char + 1, caret.Line});
        }
        TBufferCoord anchor = m_selAnchor, head = m_selHead;
        std::string text = selectionForUndo();
        std::string toggled = text;
        for (char& c : toggled) c = toggledCase(c);
        if (toggled != text) SetSelectedText(toggled);
        m_selectionMode = savedMode;
        if (single) {
            PlaceAnchor({caret.Char + 1, caret.Line});
            SetCaretPos({caret.Char + 1, caret.Line});
        } else {
            PlaceCaretAndSelection(caret, anchor, head);
        }
        return;
    }
    TBufferCoord start = WordStartAtCaret(), end = WordEndAtCaret();
    if (!(start < end)) return;
    std::string word = WordAtCaret();
    std::string converted;
    if (command == ecUpperCase) {
        converted = UpperCase1250(word);
    } else if (command == ecLowerCase) {
        converted = LowerCase1250(word);
    } else {
        converted = LowerCase1250(word);
        converted[0] = char(UpperCase1250(uint8_t(converted[0])));
    }
    if (converted == word) return;
    m_selectionMode = smNormal;
    PlaceCaretAndSelection(start, start, end);
    SetSelectedText(converted);
    m_selectionMode = savedMode;
    PlaceAnchor(caret);
    SetCaretPos(caret);
}

} // namespace tavlo
