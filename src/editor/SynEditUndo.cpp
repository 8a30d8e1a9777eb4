#include "editor/SynEditUndo.h"

namespace tavlo {

void TSynEditUndoList::RecordChange(UndoReason reason, TBufferCoord from, TBufferCoord to, std::string text,
                                    TSynSelectionMode mode) {
    if (m_recordingLocks > 0) return;
    auto entry = std::make_unique<TSynEditUndoItem>();
    entry->Reason = reason;
    entry->ModeAtChange = mode;
    entry->FromPos = from;
    entry->ToPos = to;
    entry->SavedText = std::move(text);
    if (m_blockNumber != 0) {
        entry->GroupNumber = m_blockNumber;
    } else {
        entry->GroupNumber = m_nextNumber;
        if (m_blockDepth == 0) advanceNumber();
    }
    PushEntry(std::move(entry));
}

void TSynEditUndoList::PushEntry(std::unique_ptr<TSynEditUndoItem> entry) {
    if (!entry) return;
    UndoReason reason = entry->Reason;
    m_items.push_back(std::move(entry));
    applyLimit();
    if (reason != urGroupBreak && OnEntryAdded) OnEntryAdded(*this);
}

std::unique_ptr<TSynEditUndoItem> TSynEditUndoList::PopEntry() {
    if (m_items.empty()) return nullptr;
    auto entry = std::move(m_items.back());
    m_items.pop_back();
    return entry;
}

void TSynEditUndoList::OpenBlock() {
    ++m_blockDepth;
    m_blockNumber = m_nextNumber;
}

void TSynEditUndoList::CloseBlock() {
    if (m_blockDepth == 0) return;
    if (--m_blockDepth == 0) {
        m_blockNumber = 0;
        advanceNumber();
    }
}

void TSynEditUndoList::ClearEntries() {
    m_items.clear();
    m_overflowed = false;
}

void TSynEditUndoList::MarkGroupBreak() {
    if (!m_items.empty() && m_items.back()->Reason != urGroupBreak)
        RecordChange(urGroupBreak, {0, 0}, {0, 0}, {}, smNormal);
}

void TSynEditUndoList::SetMaxEntries(int32_t n) {
    if (n < 0) n = 0;
    if (n == m_maxEntries) return;
    m_maxEntries = n;
    applyLimit();
}

// 0 marks "no block open", so the numbering skips it when it wraps.
void TSynEditUndoList::advanceNumber() {
    m_nextNumber = m_nextNumber == -1 ? 1 : int32_t(uint32_t(m_nextNumber) + 1);
}

void TSynEditUndoList::applyLimit() {
    if (int64_t(m_items.size()) <= m_maxEntries) return;
    m_overflowed = true;
    while (int64_t(m_items.size()) > m_maxEntries) m_items.pop_front();
}

} // namespace tavlo
