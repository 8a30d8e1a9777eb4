// The ten numbered bookmarks and the gutter's width.
#include "editor/SynEdit.h"

#include "platform/SynEditHost.h"

namespace tavlo {

// The bookmark's mark while it is still in the mark list; a mark removed from the list
// behind the editor's back is forgotten rather than used after it was released.
TSynEditMark* TCustomSynEdit::bookmarkMark(int n) {
    if (n < 0 || n > 9) return nullptr;
    TSynEditMark*& slot = m_bookmarks[size_t(n)];
    if (slot && (m_marks.IndexOf(slot) < 0 || slot->BookmarkSlot() != n)) slot = nullptr;
    return slot;
}

void TCustomSynEdit::PlaceBookmark(int n, int32_t x, int32_t y) {
    if (n < 0 || n > 9 || y < 1 || y > std::max(1, m_lines->Count())) return;
    auto mark = std::make_unique<TSynEditMark>();
    mark->SetLine(y);
    mark->SetChar(x);
    mark->SetImageIndex(n);
    mark->SetBookmarkSlot(n);
    mark->SetVisible(true);
    mark->SetUsesBuiltinGlyph(true);
    if (OnPlaceBookmark) OnPlaceBookmark(*this, mark);
    if (!mark) return;
    RemoveBookmark(n);
    m_bookmarks[size_t(n)] = &m_marks.Add(std::move(mark));
}

void TCustomSynEdit::RemoveBookmark(int n) {
    if (!bookmarkMark(n)) return;
    std::unique_ptr<TSynEditMark> mark = m_marks.Remove(m_bookmarks[size_t(n)]);
    m_bookmarks[size_t(n)] = nullptr;
    if (mark && OnClearBookmark) OnClearBookmark(*this, mark);
}

void TCustomSynEdit::JumpToBookmark(int n) {
    if (!bookmarkMark(n)) return;
    const TSynEditMark& mark = *m_bookmarks[size_t(n)];
    if (mark.Line() < 1 || mark.Line() > m_lines->Count()) return;
    PaintLock lock(*this);
    MoveCaretTo(false, {mark.Char(), mark.Line()});
    if (HasSelection()) PlaceAnchor(CaretPos());
    ScrollCaretIntoView(true);
}

std::optional<TBufferCoord> TCustomSynEdit::FindBookmark(int n) const {
    if (n < 0 || n > 9) return std::nullopt; // slot -1 marks every mark that is no bookmark
    for (int i = 0; i < m_marks.Count(); ++i) {
        const TSynEditMark& mark = m_marks[i];
        if (mark.BookmarkSlot() == n) return TBufferCoord{mark.Char(), mark.Line()};
    }
    return std::nullopt;
}

// At the data point (else the caret): set, toggle off on the same line, or move.
void TCustomSynEdit::setMarkerCommand(int n, void* data) {
    TBufferCoord at = data ? *static_cast<TBufferCoord*>(data) : CaretPos();
    std::optional<TBufferCoord> existing = FindBookmark(n);
    if (existing && existing->Line == at.Line)
        RemoveBookmark(n);
    else
        PlaceBookmark(n, at.Char, at.Line);
}

void TCustomSynEdit::gutterChanged() {
    if (m_gutter.ShowLineNumbers() && m_gutter.AutoSize()) m_gutter.FitDigitCount(m_lines->Count());
    int32_t width = std::max(0, m_gutter.GutterPixelWidth(m_cellWidth));
    if (width == m_gutterWidth) {
        invalidateGutter();
        return;
    }
    m_gutterWidth = width;
    SizeOrFontChanged();
    invalidateAll();
}

} // namespace tavlo
