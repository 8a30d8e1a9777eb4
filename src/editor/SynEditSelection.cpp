// Caret, selection, reading and replacing the selected text.
#include "editor/SynEdit.h"

namespace tavlo {

namespace {

constexpr std::string_view CrLf = "\r\n";

} // namespace

std::string_view TCustomSynEdit::lineText(int32_t line) const { return m_lines->LineAt(line - 1); }

int32_t TCustomSynEdit::lineLength(int32_t line) const { return int32_t(lineText(line).size()); }

void TCustomSynEdit::MoveCaretTo(bool ensureVisible, TBufferCoord p) {
    int32_t y = std::max(1, std::min(p.Line, m_lines->Count()));
    // Past-the-end space reaches MaxLeftChar, but a longer line stays reachable to its end.
    int32_t maxX = m_lines->Count() == 0 ? 1 : lineLength(y) + 1;
    if (HasOption(eoScrollPastEol)) maxX = std::max(maxX, virtualLimit());
    int32_t x = std::max(1, std::min(p.Char, maxX));
    if (x == m_caretChar && y == m_caretLine) {
        m_preferredColumn = CharToColumn(CaretPos()).Char;
        return;
    }
    TransientScope transient(*this);
    PaintLock lock(*this);
    TSynStatusChanges changes = 0;
    if (x != m_caretChar) {
        m_caretChar = x;
        changes |= stCaretX;
    }
    if (y != m_caretLine) {
        m_caretLine = y;
        changes |= stCaretY;
    }
    m_preferredColumn = CharToColumn(CaretPos()).Char;
    if (ensureVisible) ScrollCaretIntoView(false);
    m_stateFlags |= esCaretChanged | esScrollbarsChanged;
    statusChanged(changes);
}

TBufferCoord TCustomSynEdit::clampSelectionPoint(TBufferCoord p) const {
    p.Line = std::max(1, std::min(p.Line, m_lines->Count()));
    int32_t lineEnd = lineLength(p.Line) + 1;
    p.Char = clampInt(p.Char, 1, m_selectionMode == smNormal ? lineEnd : std::max(lineEnd, virtualLimit()));
    return p;
}

void TCustomSynEdit::PlaceAnchor(TBufferCoord p) {
    p = clampSelectionPoint(p);
    if (HasSelection()) {
        invalidateLines(std::min({SelFirst().Line, p.Line}), std::max({SelLast().Line, p.Line}));
        m_selAnchor = m_selHead = p;
        statusChanged(stSelection);
    } else if (!(m_selAnchor == p && m_selHead == p)) {
        m_selAnchor = m_selHead = p;
        statusChanged(stSelection);
    }
}

void TCustomSynEdit::ExtendSelection(TBufferCoord p) {
    // The option keeps the user from selecting; replaying history still selects what it replaces.
    if (HasOption(eoNoSelection) && !m_replaying) return;
    p = clampSelectionPoint(p);
    if (p == m_selHead) return;
    if (m_selectionMode == smColumn && p.Char != m_selHead.Char)
        invalidateLines(std::min({m_selAnchor.Line, m_selHead.Line, p.Line}),
                        std::max({m_selAnchor.Line, m_selHead.Line, p.Line}));
    else if (!(m_selectionMode == smColumn && m_selAnchor.Char == p.Char))
        invalidateLines(m_selHead.Line, p.Line);
    m_selHead = p;
    statusChanged(stSelection);
}

void TCustomSynEdit::PlaceCaretAndSelection(TBufferCoord caret, TBufferCoord begin, TBufferCoord end) {
    PaintLock lock(*this);
    SetCaretPos(caret);
    PlaceAnchor(begin);
    ExtendSelection(end);
}

bool TCustomSynEdit::HasSelection() const {
    return m_selAnchor.Char != m_selHead.Char || (m_selAnchor.Line != m_selHead.Line && m_selectionMode != smColumn);
}

std::string TCustomSynEdit::SelectedText() const { return selectedText(!HasOption(eoTrimTrailingSpaces)); }

std::string TCustomSynEdit::selectionForUndo() const { return selectedText(false); }

std::string TCustomSynEdit::selectedText(bool padColumns) const {
    if (!HasSelection()) return {};
    TBufferCoord begin = SelFirst(), end = SelLast();
    std::string result;
    switch (m_selectionMode) {
    case smNormal: {
        auto part = [](std::string_view s, int32_t from, int32_t to) { // 0-based [from, to)
            from = std::min<int32_t>(std::max(from, 0), int32_t(s.size()));
            to = std::min<int32_t>(std::max(to, from), int32_t(s.size()));
            return s.substr(size_t(from), size_t(to - from));
        };
        if (begin.Line == end.Line) return std::string(part(lineText(begin.Line), begin.Char - 1, end.Char - 1));
        size_t size = lineText(begin.Line).size() + 2 + size_t(end.Char);
        for (int32_t y = begin.Line + 1; y < end.Line; ++y) size += lineText(y).size() + 2;
        result.reserve(size);
        std::string_view first = lineText(begin.Line);
        result.append(part(first, begin.Char - 1, int32_t(first.size())));
        result.append(CrLf);
        for (int32_t y = begin.Line + 1; y < end.Line; ++y) {
            result.append(lineText(y));
            result.append(CrLf);
        }
        result.append(part(lineText(end.Line), 0, end.Char - 1));
        break;
    }
    case smLine: {
        size_t size = 0;
        for (int32_t y = begin.Line; y <= end.Line; ++y) size += lineText(y).size() + 2;
        result.reserve(size);
        for (int32_t y = begin.Line; y <= end.Line; ++y) {
            result.append(lineText(y));
            if (y < m_lines->Count()) result.append(CrLf);
        }
        break;
    }
    case smColumn: {
        int32_t left = std::min(begin.Char, end.Char), right = std::max(begin.Char, end.Char);
        for (int32_t y = begin.Line; y <= end.Line; ++y) {
            std::string_view s = lineText(y);
            size_t from = std::min(s.size(), size_t(left - 1));
            size_t to = std::min(s.size(), size_t(right - 1));
            result.append(s.substr(from, to - from));
            if (padColumns) result.append(size_t(right - left) - (to - from), ' ');
            if (y < end.Line) result.append(CrLf);
        }
        break;
    }
    }
    return result;
}

void TCustomSynEdit::SetSelectedText(std::string_view text) {
    PaintLock lock(*this);
    BeginUndoBlock();
    TBufferCoord start = insertionStart();
    if (HasSelection()) recordAndDeleteSelection();
    insertRecorded(urInsert, m_selectionMode, text, start);
    EndUndoBlock();
}

TBufferCoord TCustomSynEdit::insertionStart() const {
    if (!HasSelection()) return CaretPos();
    TBufferCoord start = SelFirst();
    if (m_selectionMode == smLine) start.Char = 1;
    if (m_selectionMode == smColumn) start.Char = std::min(m_selAnchor.Char, m_selHead.Char);
    return start;
}

void TCustomSynEdit::insertRecorded(UndoReason reason, TSynSelectionMode mode, std::string_view text,
                                    TBufferCoord start) {
    if (text.empty()) return;
    ScrollPastEolScope pastEol(*this);
    if (mode == smLine) start.Char = 1;
    // Padding first: deleting the selection may have trimmed the line short of the start,
    // and on a line longer than MaxLeftChar the caret cannot stand past its end.
    if (mode == smNormal && start.Line >= 1 && start.Line <= std::max(1, m_lines->Count()))
        start.Char = padLineForInsert(start, false);
    SetCaretPos(start);
    start = CaretPos();
    PlaceAnchor(start);
    if (mode == smColumn) {
        // every line records its own piece
        SetSelTextPrimitive(smColumn, text, true);
        return;
    }
    LockUndo();
    SetSelTextPrimitive(mode, text);
    UnlockUndo();
    // Any column past the first selects the whole line, even when no column is visible.
    if (mode == smLine && m_caretChar == 1 && m_caretLine > start.Line)
        m_undoList.RecordChange(reason, start, {std::max(2, m_visibleColumns), m_caretLine - 1}, selectionForUndo(),
                                smLine);
    else
        m_undoList.RecordChange(reason, start, SelLast(), selectionForUndo(), smNormal);
}

// --- offsets ---

int64_t TCustomSynEdit::SelStartOffset() const {
    TBufferCoord p = HasSelection() ? SelFirst() : CaretPos();
    int64_t sum = 0;
    for (int32_t y = 1; y < p.Line; ++y) sum += lineLength(y) + 2;
    return sum + std::min(p.Char, lineLength(p.Line) + 1);
}

int64_t TCustomSynEdit::SelEndOffset() const {
    TBufferCoord p = HasSelection() ? SelLast() : CaretPos();
    int64_t sum = 0;
    for (int32_t y = 1; y < p.Line; ++y) sum += lineLength(y) + 2;
    return sum + p.Char;
}

TBufferCoord TCustomSynEdit::offsetToPos(int64_t offset) const {
    int64_t sum = 0;
    int32_t y = 1;
    for (; y < m_lines->Count(); ++y) {
        int64_t next = sum + lineLength(y) + 2;
        if (offset <= next) break;
        sum = next;
    }
    return {int32_t(std::clamp<int64_t>(offset - sum, 1, INT32_MAX)), y};
}

void TCustomSynEdit::SetSelStartOffset(int64_t offset) {
    PaintLock lock(*this);
    TBufferCoord p = offsetToPos(offset);
    SetCaretPos(p);
    PlaceAnchor(CaretPos());
}

void TCustomSynEdit::SetSelEndOffset(int64_t offset) { ExtendSelection(offsetToPos(offset)); }

void TCustomSynEdit::SelectWholeText() {
    PaintLock lock(*this);
    int32_t last = std::max(1, m_lines->Count());
    TBufferCoord end{lineLength(last) + 1, last};
    SetCaretPos(end);
    m_selAnchor = {1, 1};
    m_selHead = clampSelectionPoint(end);
    invalidateAll();
    statusChanged(stSelection);
}

std::string TCustomSynEdit::CaretLineText() const {
    if (m_caretLine < 1 || m_caretLine > m_lines->Count()) return {};
    return std::string(lineText(m_caretLine));
}

void TCustomSynEdit::SetCaretLineText(std::string_view text) {
    if (m_caretLine >= 1 && m_caretLine <= std::max(1, m_lines->Count())) m_lines->ReplaceLine(m_caretLine - 1, text);
}

bool TCustomSynEdit::PosInSelection(TBufferCoord p) const {
    TBufferCoord begin = SelFirst(), end = SelLast();
    if (p.Line < begin.Line || p.Line > end.Line || !HasSelection()) return false;
    switch (m_selectionMode) {
    case smLine:
        return true;
    case smColumn:
        return p.Char >= std::min(begin.Char, end.Char) && p.Char < std::max(begin.Char, end.Char);
    case smNormal:
        if (p.Line == begin.Line && p.Char < begin.Char) return false;
        if (p.Line == end.Line) return p.Char < end.Char;
        return true;
    }
    return false;
}

// --- the replace primitive ---

// How much of a line that lost, gained or had replaced text before `split` must stay when
// trimming.
// Undo puts the text back at `split`, so blanks that were right of it have to be where they
// were: when such blanks end the line, trimming them would lose them for good.
size_t TCustomSynEdit::keepAfterDeletion(size_t length, size_t split) { return split < length ? length : 0; }

size_t TCustomSynEdit::spliceLine(int32_t line, size_t at, size_t removed, std::string_view text, bool trim,
                                  size_t keptBlanks, size_t keep) {
    const std::string_view old = lineText(line);
    at = std::min(at, old.size());
    removed = std::min(removed, old.size() - at);
    const size_t length = old.size() - removed + text.size();
    const size_t stored =
        trim ? TrimmedLength(length, SplicedTrailingBlanks(old, at, removed, text), keptBlanks, keep) : length;
    // Trimming cuts the edited line short: in what stays of the old line's end, in the text,
    // or even before the text.
    constexpr size_t rest = std::string_view::npos;
    if (stored <= at)
        m_lines->ReplaceInLine(line - 1, stored, rest, {});
    else if (stored <= at + text.size())
        m_lines->ReplaceInLine(line - 1, at, rest, text.substr(0, stored - at));
    else
        m_lines->ReplaceInLine(line - 1, at, removed + (length - stored), text);
    return stored;
}

void TCustomSynEdit::SetSelTextPrimitive(TSynSelectionMode pasteMode, std::string_view text, bool recordColumnLines) {
    PaintLock lock(*this);
    m_lines->LockUpdates();
    try {
        if (HasSelection()) deleteSelection();
        if (!text.empty()) {
            switch (pasteMode) {
            case smNormal: insertNormal(text); break;
            case smColumn: insertColumn(text, recordColumnLines); break;
            case smLine: insertLines(text); break;
            }
        }
        if (m_caretLine < 1) SetCaretLine(1);
    } catch (...) {
        m_lines->UnlockUpdates();
        throw;
    }
    m_lines->UnlockUpdates();
}

void TCustomSynEdit::deleteSelection() {
    TBufferCoord begin = SelFirst(), end = SelLast();
    bool trim = HasOption(eoTrimTrailingSpaces);
    switch (m_selectionMode) {
    case smNormal: {
        // The first line keeps its text up to the selection and takes the last line's rest.
        const size_t split = std::min(lineText(begin.Line).size(), size_t(begin.Char - 1));
        std::string_view last = lineText(end.Line);
        const size_t restAt = std::min(last.size(), size_t(end.Char - 1));
        const size_t joined = split + last.size() - restAt;
        bool pastEol = m_replaying ? m_replayPastEol : HasOption(eoScrollPastEol);
        const bool trimJoined = trim && pastEol;
        const size_t keep = keepAfterDeletion(joined, split);
        if (begin.Line == end.Line)
            spliceLine(begin.Line, split, restAt - split, {}, trimJoined, TrailingBlanks(last), keep);
        else
            spliceLine(begin.Line, split, std::string_view::npos, last.substr(restAt), trimJoined, TrailingBlanks(last),
                       keep);
        m_lines->RemoveLines(begin.Line, end.Line - begin.Line);
        linesRemoved(begin.Line, end.Line - begin.Line);
        m_selAnchor = m_selHead = begin;
        MoveCaretTo(false, begin);
        break;
    }
    case smLine: {
        if (end.Line >= m_lines->Count()) {
            m_lines->RemoveLines(begin.Line - 1, end.Line - begin.Line);
            m_lines->ReplaceLine(begin.Line - 1, {});
            linesRemoved(begin.Line, end.Line - begin.Line);
        } else {
            m_lines->RemoveLines(begin.Line - 1, end.Line - begin.Line + 1);
            linesRemoved(begin.Line - 1, end.Line - begin.Line + 1);
        }
        m_selAnchor = m_selHead = {1, begin.Line};
        MoveCaretTo(false, {1, begin.Line});
        break;
    }
    case smColumn: {
        int32_t left = std::min(begin.Char, end.Char), right = std::max(begin.Char, end.Char);
        int32_t headLine = m_selHead.Line;
        for (int32_t y = begin.Line; y <= end.Line; ++y) {
            std::string_view s = lineText(y);
            if (s.size() < size_t(left)) continue;
            const size_t removed = std::min(s.size(), size_t(right - 1)) - size_t(left - 1);
            spliceLine(y, size_t(left - 1), removed, {}, trim, TrailingBlanks(s),
                       keepAfterDeletion(s.size() - removed, size_t(left - 1)));
        }
        m_selAnchor = m_selHead = {left, headLine};
        MoveCaretTo(false, {left, headLine});
        break;
    }
    }
}

void TCustomSynEdit::insertNormal(std::string_view text) {
    bool trim = HasOption(eoTrimTrailingSpaces);
    int32_t y = m_caretLine;
    if (y > m_lines->Count()) m_lines->AddLine({});
    std::string_view original = lineText(y);
    const size_t keptBlanks = TrailingBlanks(original);
    // Trimming never reaches into the text before the insertion point, nor into the blanks
    // that fill the line up to it: positions there are what the undo entries of this edit
    // refer to.
    const size_t keep = size_t(m_caretChar - 1);
    const size_t at = std::min(original.size(), keep);
    std::vector<std::string_view> pieces = SplitLines(text);
    const int32_t extra = int32_t(pieces.size()) - 1;
    std::string first(keep - at, ' ');
    first.append(pieces.front());
    size_t caret = 0;
    if (extra == 0) {
        const size_t head = keep + pieces.front().size();
        const size_t length = original.size() + first.size();
        const size_t stored =
            spliceLine(y, at, 0, first, trim, keptBlanks, std::max(keep, keepAfterDeletion(length, head)));
        caret = InsertionEnd(pieces.front(), head, length, stored);
    } else {
        // What followed the insertion point moves behind the last piece.
        std::string last(pieces.back());
        const size_t head = last.size();
        last.append(original.substr(at));
        m_lines->InsertEmptyLines(y, extra);
        linesInserted(y + 1, extra);
        spliceLine(y, at, std::string_view::npos, first, trim, 0, keep);
        for (int32_t i = 1; i < extra; ++i) spliceLine(y + i, 0, 0, pieces[size_t(i)], trim, 0);
        const size_t stored = spliceLine(y + extra, 0, 0, last, trim, keptBlanks, keepAfterDeletion(last.size(), head));
        caret = InsertionEnd(pieces.back(), head, last.size(), stored);
    }
    m_selAnchor = m_selHead = {int32_t(caret) + 1, y + extra};
    MoveCaretTo(false, {int32_t(caret) + 1, y + extra});
    statusChanged(stCaretX);
}

void TCustomSynEdit::insertColumn(std::string_view text, bool recordLines) {
    int32_t column = m_caretChar;
    int32_t y = m_caretLine;
    std::vector<std::string_view> pieces = SplitLines(text);
    for (std::string_view piece : pieces) {
        if (piece.empty()) {
            // Padding a line for nothing would leave blanks that undo cannot account for.
        } else if (y > m_lines->Count()) {
            // A line past the end is undone as one piece, together with its break.
            TBufferCoord from{lineLength(m_lines->Count()) + 1, m_lines->Count()};
            bool emptyBuffer = m_lines->Count() == 0;
            std::string added(size_t(column - 1), ' ');
            added.append(piece);
            m_lines->AddLine(HasOption(eoTrimTrailingSpaces) ? TrimRight(added) : std::string_view(added));
            linesInserted(y, 1);
            if (recordLines)
                m_undoList.RecordChange(urPaste, emptyBuffer ? TBufferCoord{1, 1} : from,
                                        {column + int32_t(piece.size()), y}, {}, smNormal);
        } else {
            const size_t length = lineText(y).size();
            if (length < size_t(column - 1)) {
                if (recordLines)
                    m_undoList.RecordChange(urPadding, {int32_t(length) + 1, y}, {column, y}, {}, smNormal);
                std::string padded(size_t(column - 1) - length, ' ');
                padded.append(piece);
                m_lines->InsertInLine(y - 1, length, padded);
            } else {
                m_lines->InsertInLine(y - 1, size_t(column - 1), piece);
            }
            if (recordLines)
                m_undoList.RecordChange(urPaste, {column, y}, {column + int32_t(piece.size()), y}, {}, smColumn);
        }
        ++y;
    }
    int32_t lastX = column + int32_t(pieces.back().size());
    m_selAnchor = m_selHead = {lastX, y - 1};
    MoveCaretTo(false, {lastX, y - 1});
}

void TCustomSynEdit::insertLines(std::string_view text) {
    bool trim = HasOption(eoTrimTrailingSpaces);
    std::vector<std::string_view> pieces = SplitLines(text);
    int32_t y = m_caretLine;
    int32_t extra = int32_t(pieces.size()) - 1;
    if (extra > 0) {
        m_lines->InsertEmptyLines(std::min(y - 1, m_lines->Count()), extra);
        linesInserted(y, extra);
        for (int32_t i = 0; i < extra; ++i) spliceLine(y + i, 0, 0, pieces[size_t(i)], trim, 0);
        y += extra;
    }
    std::string_view lastPiece = pieces.back();
    int32_t x = int32_t(lastPiece.size()) + 1;
    if (y > m_lines->Count()) {
        m_lines->AddLine(trim ? TrimRight(lastPiece) : lastPiece);
    } else if (!lastPiece.empty()) {
        std::string_view line = lineText(y);
        const size_t length = lastPiece.size() + line.size();
        size_t stored = spliceLine(y, 0, 0, lastPiece, trim, TrailingBlanks(line),
                                   keepAfterDeletion(length, lastPiece.size()));
        x = int32_t(InsertionEnd(lastPiece, lastPiece.size(), length, stored)) + 1;
    }
    m_selAnchor = m_selHead = {x, y};
    MoveCaretTo(false, {x, y});
}

} // namespace tavlo
