#include "editor/SynEdit.h"

#include <cmath>

#include "platform/SynEditHost.h"

namespace tavlo {

TCustomSynEdit::TCustomSynEdit() : m_lines(std::make_unique<TSynEditStringList>()) {
    m_lines->ChangeTabWidth(m_tabWidth);
    m_lines->OnLinesChanging = [this] { linesChanging(); };
    m_lines->OnLinesChanged = [this] { linesChanged(); };
    m_lines->OnLinesCleared = [this] { linesCleared(); };
    m_lines->OnLineReplaced = [this](int32_t index, std::string_view) { invalidateLines(index + 1, index + 1); };
    m_undoList.OnEntryAdded = [this](TSynEditUndoList& list) { undoEntryAdded(list); };
    m_redoList.OnEntryAdded = [this](TSynEditUndoList& list) { undoEntryAdded(list); };
    m_keystrokes.LoadDefaultKeys();
    m_gutter.OnChange = [this] { gutterChanged(); };
    m_bookMarkOptions.OnChange = [this] { invalidateGutter(); };
    m_selectedColor.OnChange = [this] { invalidateAll(); };
    m_marks.OnChange = [this] { invalidateGutter(); };
    m_gutterWidth = m_gutter.GutterPixelWidth(m_cellWidth);
    m_marks.OnInvalidateLine = [this](int32_t line) {
        if (m_host && m_host->WindowExists() && line >= m_firstVisibleLine && line <= m_firstVisibleLine + m_visibleRows)
            m_host->InvalidateRect({0, (line - m_firstVisibleLine) * m_rowHeight, m_gutterWidth,
                                    (line - m_firstVisibleLine + 1) * m_rowHeight});
    };
    bindRangeUpkeep();
}

TCustomSynEdit::~TCustomSynEdit() {
    m_lines->OnLinesChanging = nullptr;
    m_lines->OnLinesChanged = nullptr;
    m_lines->OnLinesCleared = nullptr;
    m_lines->OnLineReplaced = nullptr;
    m_lines->OnLineSpliced = nullptr;
    m_lines->OnLinesAdded = nullptr;
    m_lines->OnLinesDeleted = nullptr;
    m_lines->OnLineInserted = nullptr;
    if (m_highlighter) m_highlighter->RemoveChangeHook(this);
}

void TCustomSynEdit::SetHost(TSynEditHost* host) {
    m_host = host;
    SizeOrFontChanged();
    if (m_host && m_host->HasFocus()) recreateCaret();
}

// --- update bracket and status ---

void TCustomSynEdit::LockPaint() { ++m_updateDepth; }

void TCustomSynEdit::UnlockPaint() {
    if (m_updateDepth == 0) return;
    if (--m_updateDepth > 0) return;
    if (m_host && m_host->WindowExists()) {
        if (m_stateFlags & esScrollbarsChanged) updateScrollBars();
        if (m_stateFlags & esCaretChanged) placeCaret();
    }
    if (m_pendingStatus != 0) statusChanged(0);
}

void TCustomSynEdit::statusChanged(TSynStatusChanges changes) {
    m_pendingStatus |= changes;
    if (m_updateDepth > 0 || !OnStatusChange) return;
    TSynStatusChanges pending = m_pendingStatus;
    m_pendingStatus = 0;
    OnStatusChange(*this, pending);
}

// --- host effects ---

void TCustomSynEdit::invalidateLines(int32_t first, int32_t last) {
    if (!m_host || !m_host->WindowExists()) return;
    if (first > last) std::swap(first, last);
    int32_t top = std::max(first, m_firstVisibleLine);
    int32_t bottom = std::min(last, m_firstVisibleLine + m_visibleRows);
    if (top > bottom) return;
    m_host->InvalidateRect({0, (top - m_firstVisibleLine) * m_rowHeight, m_host->ClientWidth(),
                            (bottom - m_firstVisibleLine + 1) * m_rowHeight});
}

void TCustomSynEdit::invalidateAll() {
    if (m_host && m_host->WindowExists()) m_host->InvalidateAll();
}

void TCustomSynEdit::invalidateGutter() {
    if (m_host && m_host->WindowExists() && m_gutterWidth > 0)
        m_host->InvalidateRect({0, 0, m_gutterWidth, m_host->ClientHeight()});
}

void TCustomSynEdit::updateScrollBars() {
    if (m_updateDepth > 0 || !m_host || !m_host->WindowExists()) {
        m_stateFlags |= esScrollbarsChanged;
        return;
    }
    m_stateFlags &= ~esScrollbarsChanged;
    bool hide = HasOption(eoHideShowScrollbars);
    TScrollBarInfo h;
    h.Min = 1;
    h.Max = HasOption(eoScrollPastEol) ? m_maxLeftChar : std::max(1, m_lines->LongestLineLength());
    h.Page = m_visibleColumns;
    h.Position = m_firstVisibleColumn;
    h.HideWhenUnneeded = hide;
    TScrollBarInfo v;
    int64_t maxLine = int64_t(m_lines->Count()) + (HasOption(eoScrollPastEof) ? m_visibleRows - 1 : 0);
    v.HideWhenUnneeded = hide;
    if (maxLine > 32767) {
        auto scale = [maxLine](int64_t value) { return int32_t(value * 32767 / maxLine); };
        v.Min = 0;
        v.Max = 32767;
        v.Page = scale(m_visibleRows);
        v.Position = scale(m_firstVisibleLine);
    } else {
        v.Min = 1;
        v.Max = std::max<int32_t>(1, int32_t(maxLine));
        v.Page = m_visibleRows;
        v.Position = m_firstVisibleLine;
    }
    if (hide) {
        if (h.Max == h.Min) ++h.Max;
        if (v.Max == v.Min) ++v.Max;
    }
    m_host->SetScrollBar(TScrollBarKind::Horizontal, h);
    m_host->SetScrollBar(TScrollBarKind::Vertical, v);
}

void TCustomSynEdit::placeCaret() {
    if (m_updateDepth > 0 || !m_host || !m_host->WindowExists() || !m_host->HasFocus()) {
        m_stateFlags |= esCaretChanged;
        return;
    }
    m_stateFlags &= ~esCaretChanged;
    TPoint p = PosToPixel(CharToColumn(CaretPos()));
    p.X += m_caretOffset.X;
    p.Y += m_caretOffset.Y + 1;
    m_host->SetCaretPos(p.X, p.Y);
    m_host->SetImePosition(p.X, p.Y);
    bool visible = !HasOption(eoNoCaret) && p.X >= m_gutterWidth + 2 - 1 && p.X < m_host->ClientWidth() &&
                   p.Y >= 0 && p.Y < m_host->ClientHeight();
    m_host->ShowCaret(visible);
    if (visible)
        m_stateFlags |= esCaretShown;
    else
        m_stateFlags &= ~esCaretShown;
}

void TCustomSynEdit::recreateCaret() {
    if (!m_host || !m_host->WindowExists()) return;
    int32_t width = m_cellWidth, height = m_rowHeight - 2;
    m_caretOffset = {0, 0};
    switch (m_insertMode ? m_insertCaret : m_overwriteCaret) {
    case ctVerticalLine:
        width = 2;
        m_caretOffset = {-1, 0};
        break;
    case ctHorizontalLine:
        height = 2;
        m_caretOffset = {0, m_rowHeight - 2};
        break;
    case ctHalfBlock:
        height = (m_rowHeight - 2) / 2;
        m_caretOffset = {0, height};
        break;
    case ctBlock:
        break;
    }
    m_host->DestroyCaret();
    m_host->CreateCaret(width, height);
    placeCaret();
}

void TCustomSynEdit::FocusChanged(bool focused) {
    if (!m_host || !m_host->WindowExists()) return;
    if (m_hideSelection) invalidateSelectionRows();
    if (focused) {
        recreateCaret();
    } else {
        m_host->ShowCaret(false);
        m_host->DestroyCaret();
        m_stateFlags &= ~esCaretShown;
    }
}

// --- line buffer notifications ---

void TCustomSynEdit::linesChanging() { m_stateFlags |= esLinesChanging; }

void TCustomSynEdit::linesChanged() {
    settleVisibleRanges();
    m_stateFlags &= ~esLinesChanging;
    flushInvalidRect();
    if (!m_host || !m_host->WindowExists()) return;
    updateScrollBars();
    PlaceAnchor(CaretPos());
    if (m_gutter.ShowLineNumbers() && m_gutter.AutoSize()) m_gutter.FitDigitCount(m_lines->Count());
    if (!HasOption(eoScrollPastEof)) SetFirstVisibleLine(m_firstVisibleLine);
}

void TCustomSynEdit::linesCleared() {
    m_ranges.Reset(0);
    m_undoList.ClearEntries();
    m_redoList.ClearEntries();
    invalidateAll();
    m_selAnchor = m_selHead = {1, 1};
    m_caretChar = m_caretLine = 1;
    m_firstVisibleLine = m_firstVisibleColumn = 1;
    m_stateFlags |= esCaretChanged | esScrollbarsChanged;
    statusChanged(stAll);
}

// Marks and repaint follow lines that moved down (count lines now start at firstLine).
void TCustomSynEdit::linesInserted(int32_t firstLine, int32_t count) {
    if (count <= 0) return;
    m_marks.LinesInserted(firstLine, count);
    invalidateLines(firstLine, m_firstVisibleLine + m_visibleRows);
    invalidateGutter();
}

// Lines afterLine+1 .. afterLine+count are gone.
void TCustomSynEdit::linesRemoved(int32_t afterLine, int32_t count) {
    if (count <= 0) return;
    m_marks.LinesDeleted(afterLine, count);
    invalidateLines(std::max(1, afterLine), m_firstVisibleLine + m_visibleRows);
    invalidateGutter();
}

void TCustomSynEdit::undoEntryAdded(TSynEditUndoList& list) {
    // A replay's entries keep the trimming of the change they stand for; the option is forced
    // while it runs.
    if (TSynEditUndoItem* entry = list.PeekEntry()) {
        entry->Trimmed = m_replaying ? m_replayTrimmed : HasOption(eoTrimTrailingSpaces);
        entry->PastEol = m_replaying ? m_replayPastEol : HasOption(eoScrollPastEol);
    }
    bool modified = m_undoList.CanUndo() || m_undoList.Overflowed();
    SetModified(modified);
    if (&list == &m_undoList && !(m_stateFlags & esReplayingRedo) && m_undoList.LastReason() != urGroupBreak)
        m_redoList.ClearEntries();
    if (OnChange) OnChange(*this);
}

void TCustomSynEdit::SetModified(bool modified) {
    if (modified == m_modified) return;
    m_modified = modified;
    statusChanged(stModified);
}

void TCustomSynEdit::SetMaxUndo(int32_t value) {
    if (value < 0) return;
    m_undoList.SetMaxEntries(value);
    m_redoList.SetMaxEntries(value);
}

void TCustomSynEdit::LockUndo() {
    m_undoList.LockRecording();
    m_redoList.LockRecording();
}

void TCustomSynEdit::UnlockUndo() {
    m_undoList.UnlockRecording();
    m_redoList.UnlockRecording();
}

void TCustomSynEdit::ClearUndo() {
    m_undoList.ClearEntries();
    m_redoList.ClearEntries();
}

// --- properties ---

void TCustomSynEdit::SetOptions(TSynEditorOptions options) {
    TSynEditorOptions changed = m_options ^ options;
    if (changed == 0) return;
    PaintLock lock(*this);
    m_options = options;
    SetFirstVisibleColumn(m_firstVisibleColumn);
    SetFirstVisibleLine(m_firstVisibleLine);
    if (!HasOption(eoScrollPastEol)) SetCaretChar(m_caretChar);
    if ((changed & eoDropFiles) && m_host) m_host->AcceptFileDrops(HasOption(eoDropFiles));
    if (changed & eoShowSpecialChars) invalidateAll();
    if (changed & (eoScrollPastEol | eoScrollPastEof | eoHideShowScrollbars)) updateScrollBars();
}

void TCustomSynEdit::SetSelectionMode(TSynSelectionMode mode) {
    if (mode > smColumn) mode = smNormal;
    m_selectionMode = mode;
    // Ends that other modes allowed past a line end come back inside it.
    m_selAnchor = clampSelectionPoint(m_selAnchor);
    m_selHead = clampSelectionPoint(m_selHead);
    if (HasSelection()) invalidateAll();
    statusChanged(stSelection);
}

void TCustomSynEdit::SetInsertMode(bool insert) {
    if (insert == m_insertMode) return;
    m_insertMode = insert;
    if (m_host && m_host->HasFocus()) recreateCaret();
    statusChanged(stInsertMode);
}

void TCustomSynEdit::SetReadOnly(bool readOnly) {
    if (readOnly == m_readOnly) return;
    m_readOnly = readOnly;
    statusChanged(stReadOnly);
}

void TCustomSynEdit::SetTabWidth(int width) {
    width = clampInt(width, 1, 256);
    if (width == m_tabWidth) return;
    m_tabWidth = width;
    m_lines->ChangeTabWidth(width);
    invalidateAll();
}

void TCustomSynEdit::SetMaxLeftChar(int32_t value) {
    value = clampInt(value, 1, 32767);
    if (value == m_maxLeftChar) return;
    PaintLock lock(*this);
    m_maxLeftChar = value;
    SetCaretChar(m_caretChar);
    SetFirstVisibleColumn(m_firstVisibleColumn);
    invalidateAll();
    updateScrollBars();
}

void TCustomSynEdit::SetInsertCaret(TSynEditCaretType type) {
    if (type == m_insertCaret) return;
    m_insertCaret = type;
    if (m_host && m_host->HasFocus()) recreateCaret();
}

void TCustomSynEdit::SetOverwriteCaret(TSynEditCaretType type) {
    if (type == m_overwriteCaret) return;
    m_overwriteCaret = type;
    if (m_host && m_host->HasFocus()) recreateCaret();
}

void TCustomSynEdit::SetExtraLineSpacing(int32_t spacing) {
    if (spacing == m_extraLineSpacing) return;
    m_extraLineSpacing = spacing;
    SizeOrFontChanged();
    invalidateAll();
}

void TCustomSynEdit::SizeOrFontChanged() {
    if (m_host) {
        m_cellWidth = std::max(1, measuredCellWidth());
        m_gutterWidth = std::max(0, m_gutter.GutterPixelWidth(m_cellWidth));
        m_rowHeight = std::max(1, measuredCellHeight() + m_extraLineSpacing);
        m_visibleColumns = std::max(0, (m_host->ClientWidth() - m_gutterWidth - 2) / m_cellWidth);
        m_visibleRows = std::max(0, m_host->ClientHeight() / m_rowHeight);
    }
    PaintLock lock(*this);
    if (!HasOption(eoScrollPastEol)) SetFirstVisibleColumn(m_firstVisibleColumn);
    if (!HasOption(eoScrollPastEof)) SetFirstVisibleLine(m_firstVisibleLine);
    updateScrollBars();
    if (m_host && m_host->HasFocus()) recreateCaret();
}

// --- window position ---

void TCustomSynEdit::SetFirstVisibleLine(int32_t line) {
    int64_t count = m_lines->Count();
    int64_t maxTop = HasOption(eoScrollPastEof) ? count : count - m_visibleRows + 1;
    int32_t value = int32_t(std::max<int64_t>(1, std::min<int64_t>(line, maxTop)));
    if (value == m_firstVisibleLine) return;
    int32_t delta = m_firstVisibleLine - value;
    m_firstVisibleLine = value;
    updateScrollBars();
    if (m_host && m_host->WindowExists()) {
        if (std::abs(delta) < m_visibleRows)
            m_host->ScrollPixels(0, delta * m_rowHeight,
                                 {0, 0, m_host->ClientWidth(), m_host->ClientHeight()});
        else
            m_host->InvalidateAll();
    }
    // Inside an update bracket this only marks the caret; outside one it moves at once.
    placeCaret();
    statusChanged(stTopLine);
}

void TCustomSynEdit::SetFirstVisibleColumn(int32_t column) {
    int32_t widest = HasOption(eoScrollPastEol) ? m_maxLeftChar : m_lines->LongestLineLength();
    int32_t maxValue = widest - m_visibleColumns + 1;
    int32_t value = std::max(1, std::min(column, maxValue));
    if (value == m_firstVisibleColumn) return;
    m_firstVisibleColumn = value;
    updateScrollBars();
    if (m_host && m_host->WindowExists())
        m_host->InvalidateRect({m_gutterWidth, 0, m_host->ClientWidth(), m_host->ClientHeight()});
    placeCaret();
    statusChanged(stLeftChar);
}

void TCustomSynEdit::ScrollCaretIntoView(bool centre) {
    PaintLock lock(*this);
    int32_t p = CharToColumn(CaretPos()).Char;
    if (p < m_firstVisibleColumn)
        SetFirstVisibleColumn(p);
    else if (p > m_firstVisibleColumn + m_visibleColumns)
        SetFirstVisibleColumn(p - m_visibleColumns + 1);
    else
        SetFirstVisibleColumn(m_firstVisibleColumn);
    if (!centre) {
        if (m_caretLine < m_firstVisibleLine)
            SetFirstVisibleLine(m_caretLine);
        else if (m_caretLine > m_firstVisibleLine + std::max(1, m_visibleRows) - 1)
            SetFirstVisibleLine(m_caretLine - m_visibleRows + 1);
    } else {
        if (m_caretLine < m_firstVisibleLine)
            SetFirstVisibleLine(std::max(1, m_caretLine - m_visibleRows / 2 + 1));
        else if (m_caretLine > m_firstVisibleLine + m_visibleRows - 2)
            SetFirstVisibleLine(m_caretLine - m_visibleRows + 1 + m_visibleRows / 2);
    }
}

// --- conversions ---

TBufferCoord TCustomSynEdit::CharToColumn(TBufferCoord p) const {
    if (p.Line < 1 || p.Line > m_lines->Count()) return p;
    // A line as long expanded as it is holds no tab that widens: its columns are its
    // characters, known without reading a long line.
    if (p.Char >= 1 && m_lines->ExpandedLineLength(p.Line - 1) == lineLength(p.Line)) return p;
    return {m_lines->CharToColumn(p.Line - 1, p.Char, m_tabWidth), p.Line};
}

TBufferCoord TCustomSynEdit::ColumnToChar(TBufferCoord p) const {
    if (p.Line < 1 || p.Line > m_lines->Count()) return p;
    return {m_lines->ColumnToChar(p.Line - 1, p.Char, m_tabWidth), p.Line};
}

TPoint TCustomSynEdit::PosToPixel(TBufferCoord displayPos) const {
    return {int32_t(int64_t(displayPos.Char - 1) * m_cellWidth + TextLeft()),
            int32_t(int64_t(displayPos.Line - m_firstVisibleLine) * m_rowHeight)};
}

TBufferCoord TCustomSynEdit::PixelToPos(TPoint pixel) const {
    double f = (double(pixel.X) + double(m_firstVisibleColumn) * m_cellWidth - m_gutterWidth - 2) / m_cellWidth;
    int32_t y = pixel.Y;
    if (y >= m_visibleRows * m_rowHeight) y = std::max(0, m_visibleRows * m_rowHeight - 1);
    int64_t column = std::llround(f); // half away from zero
    int64_t row = (y >= 0 ? y / m_rowHeight : -((-int64_t(y) + m_rowHeight - 1) / m_rowHeight)) + m_firstVisibleLine;
    auto toInt = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return ColumnToChar({toInt(column), toInt(row)});
}

} // namespace tavlo
