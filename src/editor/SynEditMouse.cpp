// The pointer, the wheel, the scroll bars, dragging text and the focus.
#include "editor/SynEdit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/SynEditHost.h"

namespace tavlo {

namespace {

constexpr int32_t AutoScrollIntervalMs = 100;
constexpr int32_t WheelDelta = 120;
constexpr int32_t ScaledBarMax = 32767;

// Columns or rows to scroll per tick for a pointer at offset d from the start of an area
// `extent` pixels long, in cells of `cell` pixels: positive past the end, negative before
// the start, 0 inside.
int32_t toInt32(int64_t value) { return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

int32_t autoScrollDelta(int64_t d, int64_t extent, int64_t cell) {
    int64_t e = d - extent;
    int64_t delta = std::max<int64_t>(0, (e > 0 ? e + cell : e) / cell);
    if (delta == 0) delta = std::min<int64_t>(0, (d < 0 ? d - cell : d) / cell);
    return toInt32(delta);
}

// Where a scroll bar's line, page and end actions take the first visible line or column.
int32_t scrolledTo(TScrollCode code, int32_t current, int32_t page, int32_t last) {
    switch (code) {
    case scLineUp: return toInt32(int64_t(current) - 1);
    case scLineDown: return toInt32(int64_t(current) + 1);
    case scPageUp: return toInt32(int64_t(current) - page);
    case scPageDown: return toInt32(int64_t(current) + page);
    case scTop: return 1;
    case scBottom: return last;
    default: return current;
    }
}

// The character whose cell is under the pointer, tabs taken back to their character. A
// press starts a drag, and the pointer shows the arrow, exactly over the selected cells.
TBufferCoord cellUnderPointer(const TCustomSynEdit& editor, int32_t x, int32_t y) {
    const int64_t cell = std::max(1, editor.CellWidth()), row = std::max(1, editor.RowHeight());
    const int64_t column =
        (int64_t(x) + int64_t(editor.FirstVisibleColumn()) * cell - editor.GutterWidth() - 2) / cell;
    const int64_t line = int64_t(y) / row + editor.FirstVisibleLine();
    return editor.ColumnToChar({toInt32(column), toInt32(line)});
}

} // namespace

// --- pointer ---

void TCustomSynEdit::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    const bool rightMovesCaret = HasOption(eoRightMouseMovesCursor);
    if (button == mbRight && rightMovesCaret && HasSelection() && !PosInSelection(PixelToPos({x, y})))
        PlaceAnchor(m_selAnchor);
    const TBufferCoord oldAnchor = m_selAnchor;
    if (button != mbLeft && HasSelection()) return;
    bool wasSelected = false;
    if (button == mbLeft) {
        // The second press of a double click; DblClick did the work.
        if (shift & ssDouble) return;
        wasSelected = HasSelection();
        m_mouseDownPoint = {x, y};
    }
    if (button == mbLeft || (button == mbRight && rightMovesCaret)) SetCaretPos(PixelToPos({x, y}));
    if (button == mbLeft) {
        setMouseCapture(true);
        m_stateFlags &= ~esDragPending;
        if (wasSelected && HasOption(eoDragDropEditing) && x >= m_gutterWidth + 2 && y >= 0 &&
            m_selectionMode == smNormal && PosInSelection(cellUnderPointer(*this, x, y))) {
            m_stateFlags |= esDragPending;
        } else {
            // Through the command processor, so the owner's command events see a click.
            TBufferCoord caret = CaretPos();
            RunCommand(ecGotoXY, '\0', &caret);
            if (!(m_stateFlags & esDoubleClicked)) {
                PaintLock lock(*this);
                if (shift & ssShift) {
                    PlaceAnchor(oldAnchor);
                    ExtendSelection(CaretPos());
                } else {
                    PlaceAnchor(CaretPos());
                    if (HasOption(eoAltSetsColumnMode) && m_selectionMode != smLine)
                        SetSelectionMode((shift & ssAlt) ? smColumn : smNormal);
                }
            }
        }
    }
    if (x < m_gutterWidth) m_stateFlags |= esGutterClickPending;
    if (m_host) m_host->SetFocus();
}

void TCustomSynEdit::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    m_mousePoint = {x, y};
    if (!m_mouseCaptured) {
        if (m_host) m_host->SetPointerShape(PointerShapeAt(x, y));
        return;
    }
    if (m_stateFlags & esDragPending) {
        int64_t threshold = m_host ? m_host->DragThreshold() : 4;
        // In 64 bits: the pointer may stand anywhere, far off the window too.
        if (std::abs(int64_t(x) - m_mouseDownPoint.X) >= threshold ||
            std::abs(int64_t(y) - m_mouseDownPoint.Y) >= threshold) {
            m_stateFlags &= ~esDragPending;
            // The drag owns the pointer from here; the drop may come back to this editor
            // before BeginDrag returns.
            setMouseCapture(false);
            if (m_host) m_host->BeginDrag();
        }
        return;
    }
    if (shift & ssLeft) selectToPointer(x, y);
}

void TCustomSynEdit::selectToPointer(int32_t x, int32_t y) {
    TBufferCoord pos = PixelToPos({x, y});
    const int32_t clientWidth = m_host ? m_host->ClientWidth() : 0;
    const int32_t clientHeight = m_host ? m_host->ClientHeight() : 0;
    if (x < m_gutterWidth || x >= clientWidth) pos.Char = m_caretChar;
    if (y < 0 || y >= clientHeight) pos.Line = m_caretLine;
    {
        PaintLock lock(*this);
        SetCaretPos(pos);
        ExtendSelection(CaretPos());
    }
    setAutoScrollDelta({autoScrollDelta(int64_t(x) - m_gutterWidth, int64_t(m_visibleColumns) * m_cellWidth, m_cellWidth),
                        autoScrollDelta(y, int64_t(m_visibleRows) * m_rowHeight, m_rowHeight)});
}

void TCustomSynEdit::setAutoScrollDelta(TPoint delta) {
    bool wasRunning = AutoScrolling();
    m_autoScrollDelta = delta;
    if (!m_host || wasRunning == AutoScrolling()) return;
    if (AutoScrolling())
        m_host->StartTimer(AutoScrollIntervalMs);
    else
        m_host->StopTimer();
}

void TCustomSynEdit::AutoScrollTimerTick(TShiftState shift) {
    if (!AutoScrolling()) return;
    const TBufferCoord pointer = PixelToPos(m_mousePoint);
    PaintLock lock(*this);
    if (m_autoScrollDelta.X != 0) {
        SetFirstVisibleColumn(toInt32(int64_t(m_firstVisibleColumn) + m_autoScrollDelta.X));
        int32_t column = m_firstVisibleColumn + (m_autoScrollDelta.X > 0 ? m_visibleColumns : 0);
        SetCaretPos(ColumnToChar({column, pointer.Line}));
        ExtendSelection(CaretPos());
    }
    if (m_autoScrollDelta.Y != 0) {
        int64_t rows = (shift & ssShift) ? int64_t(m_autoScrollDelta.Y) * m_visibleRows : m_autoScrollDelta.Y;
        SetFirstVisibleLine(toInt32(m_firstVisibleLine + rows));
        int32_t line = m_firstVisibleLine + (m_autoScrollDelta.Y > 0 ? m_visibleRows - 1 : 0);
        SetCaretPos({pointer.Char, line});
        ExtendSelection(CaretPos());
    }
}

void TCustomSynEdit::MouseUp(TMouseButton button, int32_t x, int32_t y) {
    setAutoScrollDelta({0, 0});
    if (button == mbLeft) setMouseCapture(false);
    if ((m_stateFlags & esGutterClickPending) && x < m_gutterWidth) {
        gutterClick(x, y);
    } else if ((m_stateFlags & esDragPending) && !(m_stateFlags & esDoubleClicked)) {
        // Pressed inside the selection and let go without dragging: a plain click.
        PaintLock lock(*this);
        SetCaretPos(PixelToPos({x, y}));
        PlaceAnchor(CaretPos());
        m_stateFlags &= ~esDragPending;
    }
    m_stateFlags &= ~(esDoubleClicked | esGutterClickPending);
}

void TCustomSynEdit::DblClick(int32_t x, int32_t y) {
    if (x < m_gutterWidth + 2) return;
    if (!HasOption(eoNoSelection)) SelectWordAt(PixelToPos({x, y}));
    m_stateFlags |= esDoubleClicked;
    setMouseCapture(false);
}

void TCustomSynEdit::MouseCaptureLost() {
    m_mouseCaptured = false;
    setAutoScrollDelta({0, 0});
}

void TCustomSynEdit::setMouseCapture(bool captured) {
    if (!captured) setAutoScrollDelta({0, 0});
    if (captured == m_mouseCaptured) return;
    m_mouseCaptured = captured;
    if (m_host) m_host->SetMouseCapture(captured);
}

void TCustomSynEdit::gutterClick(int32_t x, int32_t y) {
    if (!OnGutterClick || y < 0) return;
    int64_t line = int64_t(y) / m_rowHeight + m_firstVisibleLine;
    if (line > m_lines->Count()) return;
    TSynEditMark* mark = m_marks.MarkAtGutterX(int32_t(line), x, m_bookMarkOptions.Xoffset());
    OnGutterClick(*this, x, y, int32_t(line), mark);
}

TPointerShape TCustomSynEdit::PointerShapeAt(int32_t x, int32_t y) const {
    if (x < m_gutterWidth) return m_gutter.Cursor();
    // Only a normal selection can be dragged.
    if (HasOption(eoDragDropEditing) && m_selectionMode == smNormal && HasSelection() && y >= 0 &&
        PosInSelection(cellUnderPointer(*this, x, y)))
        return TPointerShape::Default;
    return m_cursor;
}

// --- wheel and scroll bars ---

void TCustomSynEdit::MouseWheel(int32_t delta, TShiftState shift) {
    int32_t lines;
    if (shift & ssCtrl)
        lines = HasOption(eoHalfPageScroll) ? m_visibleRows >> 1 : m_visibleRows;
    else
        lines = m_host ? m_host->WheelScrollLines() : 3;
    if (lines == -1 || lines > m_visibleRows) lines = m_visibleRows;
    int64_t rotation = int64_t(m_wheelRemainder) + delta;
    int64_t notches = rotation / WheelDelta;
    m_wheelRemainder = int32_t(rotation - notches * WheelDelta);
    {
        PaintLock lock(*this);
        if (notches != 0) SetFirstVisibleLine(toInt32(m_firstVisibleLine - notches * lines));
    }
    if (m_host && m_host->WindowExists()) m_host->RepaintNow();
}

int64_t TCustomSynEdit::verticalLineRange() const {
    return int64_t(m_lines->Count()) + (HasOption(eoScrollPastEof) ? m_visibleRows - 1 : 0);
}

int32_t TCustomSynEdit::verticalThumbRange() const {
    return int32_t(std::min<int64_t>(verticalLineRange(), ScaledBarMax));
}

int32_t TCustomSynEdit::thumbToLine(int32_t position) const {
    int64_t range = verticalLineRange();
    if (range <= ScaledBarMax) return position;
    // The bar runs 0..32767 for big documents (its range is 16 bits on some platforms).
    return toInt32((range * position + ScaledBarMax / 2) / ScaledBarMax);
}

void TCustomSynEdit::VerticalScroll(TScrollCode code, int32_t position) {
    const int32_t page = m_visibleRows - (HasOption(eoScrollByOneLess) ? 1 : 0);
    {
        PaintLock lock(*this);
        if (code == scThumbTrack || code == scThumbPosition) {
            SetFirstVisibleLine(thumbToLine(position));
            ShowScrollHint(position, verticalThumbRange());
        } else if (code == scEndScroll) {
            HideScrollHint();
        } else {
            SetFirstVisibleLine(scrolledTo(code, m_firstVisibleLine, page, m_lines->Count()));
        }
    }
    if (m_host && m_host->WindowExists()) m_host->RepaintNow();
}

void TCustomSynEdit::HorizontalScroll(TScrollCode code, int32_t position) {
    const int32_t page = m_visibleColumns - (HasOption(eoScrollByOneLess) ? 1 : 0);
    {
        PaintLock lock(*this);
        if (code == scThumbTrack || code == scThumbPosition)
            SetFirstVisibleColumn(position);
        else if (code != scEndScroll)
            SetFirstVisibleColumn(scrolledTo(code, m_firstVisibleColumn, page, m_maxLeftChar));
    }
    if (m_host && m_host->WindowExists()) m_host->RepaintNow();
}

// --- dragging text ---

bool TCustomSynEdit::DropCopies(const TCustomSynEdit* source, TShiftState shift) const {
    if (source == this) return (shift & ssCtrl) != 0;
    // Taking text out of a read-only editor is not allowed, so that drop copies.
    return !(shift & ssShift) || (source && source->ReadOnly());
}

bool TCustomSynEdit::DragOver(TCustomSynEdit* source, int32_t x, int32_t y, TDragState state, TShiftState shift) {
    if (!source || m_readOnly) return false;
    if (state == dsDragEnter) m_caretBeforeDrag = CaretPos();
    if (state == dsDragLeave) {
        SetCaretPos(m_caretBeforeDrag);
        return true;
    }
    if (m_host) m_host->SetPointerShape((shift & ssCtrl) ? TPointerShape::MultiDrag : TPointerShape::Drag);
    SetCaretPos(PixelToPos({x, y}));
    return true;
}

void TCustomSynEdit::DragDrop(TCustomSynEdit* source, int32_t x, int32_t y, TShiftState shift) {
    if (m_readOnly || !source || !source->HasSelection()) return;
    PaintLock lock(*this);
    SetCaretPos(PixelToPos({x, y}));
    const TBufferCoord drop = CaretPos();
    if (source == this) {
        TBufferCoord first = SelFirst(), last = SelLast();
        if (m_selectionMode == smLine) {
            // Every character of the selected lines is selected.
            if (drop.Line >= first.Line && drop.Line <= last.Line) return;
        } else if (!(drop < first) && !(last < drop)) {
            return;
        }
    }
    dropText(*source, drop, !DropCopies(source, shift));
}

void TCustomSynEdit::dropText(TCustomSynEdit& source, TBufferCoord drop, bool move) {
    const bool sameEditor = &source == this;
    const std::string text = source.SelectedText();
    BeginUndoBlock();
    try {
        if (move && sameEditor) {
            const TBufferCoord first = SelFirst(), last = SelLast();
            recordAndDeleteSelection();
            // The text behind the removed part moved up and left by what was removed: whole
            // lines in line mode.
            if (last < drop && m_selectionMode == smLine) {
                drop.Line -= last.Line - first.Line + 1;
            } else if (last < drop) {
                if (drop.Line == last.Line) drop.Char -= last.Char - first.Char;
                drop.Line -= last.Line - first.Line;
            }
        } else if (move) {
            PaintLock sourceLock(source);
            source.BeginUndoBlock();
            source.recordAndDeleteSelection();
            source.EndUndoBlock();
        }
        ScrollPastEolScope pastEol(*this);
        SetCaretPos(drop);
        PlaceAnchor(drop);
        drop.Char = padLineForInsert(drop, false);
        SetCaretPos(drop);
        LockUndo();
        SetSelTextPrimitive(smNormal, text);
        UnlockUndo();
        // Nothing was overwritten, so the entry carries no text.
        m_undoList.RecordChange(sameEditor ? urDropInsert : urInsert, drop, CaretPos(), {}, smNormal);
    } catch (...) {
        EndUndoBlock();
        throw;
    }
    EndUndoBlock();
    // The dropped text ends up selected, the caret at its start.
    RunCommand(ecSelGotoXY, '\0', &drop);
}

// --- focus ---

void TCustomSynEdit::FocusEnter() {
    RunCommand(ecGotFocus, '\0', nullptr);
    FocusChanged(true);
    if (m_hideSelection && HasSelection()) invalidateAll();
}

void TCustomSynEdit::FocusExit() {
    RunCommand(ecLostFocus, '\0', nullptr);
    FocusChanged(false);
    if (m_hideSelection && HasSelection()) invalidateAll();
}

} // namespace tavlo
