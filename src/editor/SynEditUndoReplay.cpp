// Undo and redo: replaying history entries through the caret and selection primitives.
#include "editor/SynEdit.h"

namespace tavlo {

// Everything an entry's replay changes for its own sake and must give back, also when an
// edit throws: the selection mode, eoScrollPastEol (so positions past a line end are
// reachable) and the paint suspension.
class TCustomSynEdit::ReplayScope {
public:
    ReplayScope(TCustomSynEdit& editor, const TSynEditUndoItem& entry, bool redo)
        : m_editor(editor), m_lock(editor), m_savedMode(editor.m_selectionMode),
          m_pastEol(editor), m_redo(redo),
          m_trimming(editor.HasOption(eoTrimTrailingSpaces)) {
        editor.m_selectionMode = entry.ModeAtChange;
        editor.m_replaying = true;
        editor.m_replayTrimmed = entry.Trimmed;
        // Edits trim as they did when they were made, not as the forced option or the options
        // of now would have them.
        editor.m_replayPastEol = entry.PastEol;
        if (redo) editor.m_stateFlags |= esReplayingRedo;
        // Undo puts back exactly what was there, and redone padding is there to stay; other
        // redone edits trim as the original ones did.
        if (redo && entry.Trimmed && entry.Reason != urPadding)
            editor.m_options |= eoTrimTrailingSpaces;
        else
            editor.m_options &= ~eoTrimTrailingSpaces;
    }
    ~ReplayScope() {
        m_editor.m_replaying = false;
        m_editor.MoveCaretTo(false, m_editor.CaretPos());
        if (m_trimming)
            m_editor.m_options |= eoTrimTrailingSpaces;
        else
            m_editor.m_options &= ~eoTrimTrailingSpaces;
        if (m_redo) m_editor.m_stateFlags &= ~esReplayingRedo;
        // The entry's mode may have let the selection ends stand past their lines.
        m_editor.m_selectionMode = m_savedMode;
        m_editor.m_selAnchor = m_editor.clampSelectionPoint(m_editor.m_selAnchor);
        m_editor.m_selHead = m_editor.clampSelectionPoint(m_editor.m_selHead);
    }

private:
    TCustomSynEdit& m_editor;
    PaintLock m_lock;
    TSynSelectionMode m_savedMode;
    ScrollPastEolScope m_pastEol;
    bool m_redo;
    bool m_trimming;
};

namespace {

bool isInsertKind(UndoReason r) { return r == urInsert || r == urPaste || r == urDropInsert || r == urPadding; }
bool isDeleteKind(UndoReason r) {
    return r == urDelete || r == urDeleteForward || r == urQuietDelete || r == urQuietDeleteForward;
}
bool isForwardKind(UndoReason r) { return r == urDeleteForward || r == urQuietDeleteForward; }

void moveGroupBreaks(TSynEditUndoList& from, TSynEditUndoList& to) {
    while (from.LastReason() == urGroupBreak) {
        from.PopEntry();
        to.MarkGroupBreak();
    }
}

} // namespace

void TCustomSynEdit::Undo() {
    if (!m_readOnly) replay(false);
}

void TCustomSynEdit::Redo() {
    if (!m_readOnly) replay(true);
}

void TCustomSynEdit::replay(bool redo) {
    TSynEditUndoList& source = redo ? m_redoList : m_undoList;
    TSynEditUndoList& target = redo ? m_undoList : m_redoList;
    moveGroupBreaks(source, target);
    const TSynEditUndoItem* first = source.PeekEntry();
    if (!first) return;
    const UndoReason reason = first->Reason;
    const int32_t group = first->GroupNumber;
    int32_t savedBlock = target.BlockNumber();
    target.SetBlockNumber(group);
    PaintLock lock(*this);
    try {
        bool takeRuns = HasOption(eoGroupUndo) && reason != urIndent && reason != urUnindent;
        int32_t current = group;
        for (;;) {
            if (redo)
                redoOneEntry();
            else
                undoOneEntry();
            const TSynEditUndoItem* next = source.PeekEntry();
            if (!next) break;
            if (next->GroupNumber == current) continue;
            if (!(takeRuns && next->Reason == reason)) break;
            // A run of like changes takes each group it reaches whole, never half of one.
            current = next->GroupNumber;
        }
        moveGroupBreaks(source, target);
    } catch (...) {
        target.SetBlockNumber(savedBlock);
        throw;
    }
    target.SetBlockNumber(savedBlock);
}

void TCustomSynEdit::undoOneEntry() {
    std::unique_ptr<TSynEditUndoItem> entry = m_undoList.PopEntry();
    if (!entry) return;
    ReplayScope scope(*this, *entry, false);
    const UndoReason reason = entry->Reason;
    const TBufferCoord from = entry->FromPos, to = entry->ToPos;
    const TSynSelectionMode mode = entry->ModeAtChange;
    if (isInsertKind(reason)) {
        PlaceCaretAndSelection(from, from, to);
        m_redoList.RecordChange(reason, from, to, selectionForUndo(), mode);
        SetSelTextPrimitive(mode, entry->SavedText);
        // Text that the insertion overwrote is back: redo must remove it before inserting.
        if (!entry->SavedText.empty()) m_redoList.RecordChange(urDelete, from, CaretPos(), {}, mode);
        SetCaretPos(from);
    } else if (isDeleteKind(reason)) {
        TBufferCoord target = mode == smColumn ? TBufferCoord{std::min(from.Char, to.Char), std::min(from.Line, to.Line)}
                                               : minPoint(from, to);
        if (isForwardKind(reason) && m_lines->Count() < target.Line) {
            SetCaretPos({1, m_lines->Count()});
            m_lines->AddLine({});
        }
        SetCaretPos(target);
        PlaceAnchor(target);
        SetSelTextPrimitive(mode, entry->SavedText);
        TBufferCoord caret = isForwardKind(reason) ? from : to;
        if (reason == urDelete || reason == urDeleteForward)
            PlaceCaretAndSelection(caret, from, to);
        else
            SetCaretPos(caret);
        m_redoList.RecordChange(reason, from, to, {}, mode);
        ScrollCaretIntoView();
    } else if (reason == urLineBreak) {
        SetCaretPos(from);
        std::string line = CaretLineText();
        // Redo puts back exactly the line the break made (indentation included).
        m_redoList.RecordChange(reason, from, to, std::string(lineText(to.Line + 1)), mode);
        const std::string& moved = entry->SavedText;
        // Restores the blanks that trimming took from the left part of a split line (it had
        // exactly CaretChar - 1 characters), whatever the moved text starts with.
        if (!moved.empty() && int32_t(line.size()) < m_caretChar - 1) line.resize(size_t(m_caretChar - 1), ' ');
        m_lines->LockUpdates();
        if (to.Line < m_lines->Count()) {
            m_lines->RemoveLine(to.Line);
            linesRemoved(to.Line, 1);
        }
        SetCaretPos(from);
        SetCaretLineText(line + moved);
        m_lines->UnlockUpdates();
        invalidateLines(m_caretLine, m_firstVisibleLine + m_visibleRows);
    } else if (reason == urIndent) {
        m_redoList.RecordChange(reason, from, to, entry->SavedText, mode);
        PlaceCaretAndSelection(to, from, to);
    } else if (reason == urUnindent) {
        m_redoList.RecordChange(reason, from, to, entry->SavedText, mode);
        SetCaretPos({1, from.Line});
        PlaceAnchor(CaretPos());
        SetSelTextPrimitive(smColumn, entry->SavedText);
        PlaceCaretAndSelection(from, from, to);
    }
}

void TCustomSynEdit::redoOneEntry() {
    std::unique_ptr<TSynEditUndoItem> entry = m_redoList.PopEntry();
    if (!entry) return;
    ReplayScope scope(*this, *entry, true);
    const UndoReason reason = entry->Reason;
    const TBufferCoord from = entry->FromPos, to = entry->ToPos;
    const TSynSelectionMode mode = entry->ModeAtChange;
    if (reason == urInsert || reason == urPaste || reason == urDropInsert) {
        SetCaretPos(from);
        PlaceAnchor(from);
        SetSelTextPrimitive(mode, entry->SavedText);
        SetCaretPos(to);
        m_undoList.RecordChange(reason, from, to, selectionForUndo(), mode);
        if (reason == urDropInsert) PlaceCaretAndSelection(from, from, to);
    } else if (isDeleteKind(reason)) {
        PlaceCaretAndSelection(from, from, to);
        m_undoList.RecordChange(reason, from, to, selectionForUndo(), mode);
        SetSelTextPrimitive(mode, entry->SavedText);
        SetCaretPos(from);
    } else if (reason == urLineBreak) {
        // Replays the break exactly, whether it came from ecLineBreak or ecInsertLine.
        SetCaretPos(from);
        std::string_view line = lineText(from.Line);
        std::string_view left = line.substr(0, std::min(line.size(), size_t(from.Char - 1)));
        std::string right(line.substr(left.size()));
        // As the break did: only a split line's left part is trimmed.
        if (HasOption(eoTrimTrailingSpaces) && !right.empty()) left = TrimRight(left);
        const std::string& newLine = entry->SavedText;
        m_lines->LockUpdates();
        m_lines->ReplaceLine(from.Line - 1, left);
        m_lines->InsertLineAt(from.Line, newLine);
        linesInserted(from.Line + 1, 1);
        m_lines->UnlockUpdates();
        // The caret stands before the moved text, as the break left it; taken before `right`
        // goes to the undo list.
        TBufferCoord caret{int32_t(newLine.size() - std::min(newLine.size(), right.size())) + 1, from.Line + 1};
        m_undoList.RecordChange(reason, from, to, std::move(right), mode);
        SetCaretPos(caret);
        PlaceAnchor(caret);
    } else if (reason == urIndent) {
        m_undoList.RecordChange(reason, from, to, entry->SavedText, mode);
        PlaceCaretAndSelection(to, from, to);
    } else if (reason == urUnindent) {
        m_undoList.RecordChange(reason, from, to, entry->SavedText, smColumn);
        std::vector<std::string_view> pieces = SplitLines(entry->SavedText);
        m_lines->LockUpdates();
        int32_t y = from.Line;
        for (std::string_view piece : pieces) {
            std::string_view line = lineText(y);
            if (!piece.empty()) m_lines->ReplaceLine(y - 1, line.substr(std::min(line.size(), piece.size())));
            ++y;
        }
        m_lines->UnlockUpdates();
        TBufferCoord begin{from.Char - m_tabWidth, from.Line};
        PlaceCaretAndSelection(begin, begin, {to.Char - int32_t(pieces.back().size()), to.Line});
    } else if (reason == urPadding) {
        // The blanks go back where they began; at the end position they would double.
        m_undoList.RecordChange(reason, from, to, {}, mode);
        SetCaretPos(from);
        PlaceAnchor(from);
        SetSelTextPrimitive(mode, entry->SavedText);
        SetCaretPos(from);
    }
}

} // namespace tavlo
