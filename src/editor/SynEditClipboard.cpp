// Copy, cut and paste through the platform clipboard; clearing the document.
#include "editor/SynEdit.h"

#include "platform/Clipboard.h"

namespace tavlo {

void TCustomSynEdit::CopySelection() {
    if (!HasSelection()) return;
    std::string text = SelectedText();
    std::string block;
    block.reserve(text.size() + 2);
    block += char(m_selectionMode);
    block += text;
    block += '\0';
    if (!m_clipboard || !m_clipboard->SetTextAndBlock(text, block))
        throw ESynEditError("Clipboard copy operation failed");
}

void TCustomSynEdit::CutSelection() {
    if (m_readOnly || !HasSelection()) return;
    CopySelection();
    m_undoList.RecordChange(urDelete, SelFirst(), SelLast(), selectionForUndo(), m_selectionMode);
    LockUndo();
    SetSelTextPrimitive(m_selectionMode, {});
    UnlockUndo();
}

void TCustomSynEdit::PasteText() {
    if (m_readOnly || !m_clipboard) return;
    bool hasBlock = m_clipboard->HasBlock();
    if (!hasBlock && !m_clipboard->HasText()) return;
    // Everything is read before the document changes, so a failed read changes nothing.
    std::string text;
    TSynSelectionMode mode = smNormal;
    if (hasBlock) {
        std::optional<std::string> block = m_clipboard->Block();
        if (!block || block->empty()) throw ESynEditError("Clipboard paste operation failed.");
        mode = uint8_t((*block)[0]) <= smColumn ? TSynSelectionMode((*block)[0]) : smNormal;
        text = block->substr(1);
        if (!text.empty() && text.back() == '\0') text.pop_back();
    } else {
        text = m_clipboard->Text();
    }
    PaintLock lock(*this);
    BeginUndoBlock();
    try {
        TBufferCoord start = insertionStart();
        if (HasSelection()) recordAndDeleteSelection();
        insertRecorded(urPaste, mode, text, start);
        if (mode == smColumn) {
            TBufferCoord end = CaretPos();
            SetCaretPos({std::min(start.Char, end.Char), std::max(start.Line, end.Line) + 1});
        }
    } catch (...) {
        EndUndoBlock();
        throw;
    }
    EndUndoBlock();
    ScrollCaretIntoView();
    statusChanged(stSelection);
}

void TCustomSynEdit::ClearDocument() {
    PaintLock lock(*this);
    m_lines->Clear();
    m_marks.Clear();
    m_bookmarks.fill(nullptr);
    ClearUndo();
    SetModified(false);
    m_selAnchor = m_selHead = {1, 1};
    SetCaretPos({1, 1});
}

} // namespace tavlo
