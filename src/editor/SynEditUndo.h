// Undo and redo histories: entries describing each change, grouped by number.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "editor/SynEditTypes.h"

namespace tavlo {

enum UndoReason : uint8_t {
    urInsert,
    urPaste,
    urDropInsert,
    urDeleteForward,
    urDelete,
    urLineBreak,
    urIndent,
    urUnindent,
    urQuietDelete,
    urQuietDeleteForward,
    urNothing,
    urGroupBreak,
    urPadding,
};

struct TSynEditUndoItem {
    UndoReason Reason = urNothing;
    TSynSelectionMode ModeAtChange = smNormal;
    TBufferCoord FromPos;
    TBufferCoord ToPos;
    std::string SavedText;
    int32_t GroupNumber = 0;
    // Whether trailing blanks were trimmed when the change was made; a redo trims the same way.
    bool Trimmed = false;
    // Whether eoScrollPastEol was on: deleting a selection trims only with it, and a redo must
    // delete as the change did, whatever the options are by then. Set for Backspace and Delete
    // of one character too, which trim whatever the option says.
    bool PastEol = false;
};

class TSynEditUndoList {
public:
    static constexpr int32_t DefaultMaxEntries = 1024;

    void RecordChange(UndoReason reason, TBufferCoord from, TBufferCoord to, std::string text,
                      TSynSelectionMode mode);
    void PushEntry(std::unique_ptr<TSynEditUndoItem> entry);
    std::unique_ptr<TSynEditUndoItem> PopEntry();
    const TSynEditUndoItem* PeekEntry() const { return m_items.empty() ? nullptr : m_items.back().get(); }
    TSynEditUndoItem* PeekEntry() { return m_items.empty() ? nullptr : m_items.back().get(); }
    UndoReason LastReason() const { return m_items.empty() ? urNothing : m_items.back()->Reason; }
    int32_t EntryCount() const { return int32_t(m_items.size()); }
    bool CanUndo() const { return !m_items.empty(); }

    void OpenBlock();
    void CloseBlock();
    void ClearEntries();
    void LockRecording() { ++m_recordingLocks; }
    void UnlockRecording() { if (m_recordingLocks > 0) --m_recordingLocks; }
    bool RecordingLocked() const { return m_recordingLocks > 0; }
    void MarkGroupBreak();

    int32_t MaxEntries() const { return m_maxEntries; }
    void SetMaxEntries(int32_t n);
    bool Overflowed() const { return m_overflowed; }
    int32_t BlockNumber() const { return m_blockNumber; }
    void SetBlockNumber(int32_t n) { m_blockNumber = n; }
    int32_t BlockDepth() const { return m_blockDepth; }
    int32_t NextNumber() const { return m_nextNumber; }
    // Lets a test start numbering near the wrap-around.
    void SetNextNumber(int32_t n) { m_nextNumber = n == 0 ? 1 : n; }

    std::function<void(TSynEditUndoList&)> OnEntryAdded;

private:
    void advanceNumber();
    void applyLimit();

    int32_t m_blockNumber = 0;
    int32_t m_blockDepth = 0;
    bool m_overflowed = false;
    std::deque<std::unique_ptr<TSynEditUndoItem>> m_items;
    int32_t m_recordingLocks = 0;
    int32_t m_maxEntries = DefaultMaxEntries;
    int32_t m_nextNumber = 1;
};

} // namespace tavlo
