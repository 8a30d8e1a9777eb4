// The highlighter's ranges kept beside the lines: each line stores the range in force at its
// start, so painting can scan any line alone. After a change only the lines whose stored
// range no longer holds are scanned again.
#include "editor/SynEdit.h"
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterRanges.h"

namespace tavlo {

namespace {

// The line buffer seen as the line and range lists the range upkeep works on.
struct TBufferLines {
    const TSynEditStringList& Lines;
    size_t size() const { return size_t(Lines.Count()); }
    std::string_view operator[](size_t index) const { return Lines.LineAt(int32_t(index)); }
};

struct TBufferRanges {
    struct TRangeRef {
        TSynEditStringList& Lines;
        int32_t Index;
        operator TSynRange() const { return Lines.LineRange(Index); }
        TRangeRef& operator=(TSynRange range) {
            Lines.StoreLineRange(Index, range);
            return *this;
        }
    };
    TSynEditStringList& Lines;
    TRangeRef operator[](size_t index) { return {Lines, int32_t(index)}; }
};

} // namespace

void TCustomSynEdit::bindRangeUpkeep() {
    m_lines->OnLinesAdded = [this](int32_t index, std::string_view) { linesAddedOrRemoved(index, true); };
    m_lines->OnLinesDeleted = [this](int32_t index) { linesAddedOrRemoved(index, false); };
    m_lines->OnLineInserted = [this](int32_t index, std::string_view) { linesAddedOrRemoved(index, true); };
    m_lines->OnLineReplaced = [this](int32_t index, std::string_view) { lineReplaced(index); };
}

void TCustomSynEdit::SetHighlighter(TSynCustomHighlighter* highlighter) {
    if (highlighter == m_highlighter) return;
    if (m_highlighter) m_highlighter->RemoveChangeHook(this);
    m_highlighter = highlighter;
    m_tailRangeLine = -1;
    // A change of vocabulary (a dialect, a version) may move where comments and strings end.
    if (m_highlighter)
        m_highlighter->AddChangeHook(this, [this](TSynCustomHighlighter&) {
            rescanAllRanges();
            highlighterChanged();
        });
    rescanAllRanges();
    highlighterChanged();
}

void TCustomSynEdit::HighlighterDestroyed(const TSynCustomHighlighter& highlighter) {
    if (&highlighter != m_highlighter) return;
    m_highlighter = nullptr;
    highlighterChanged();
}

// Attributes decide the cell size (bold, italic) and every colour on screen.
void TCustomSynEdit::highlighterChanged() {
    measureCell();
    SizeOrFontChanged();
    invalidateAll();
}

void TCustomSynEdit::rescanAllRanges() {
    const int32_t count = m_lines->Count();
    if (!m_highlighter || count == 0) return;
    // The buffer's closing notification collapses the selection; a new colouring must not.
    const TBufferCoord anchor = m_selAnchor, head = m_selHead;
    m_lines->LockUpdates();
    TBufferRanges ranges{*m_lines};
    ComputeLineRanges(*m_highlighter, TBufferLines{*m_lines}, ranges);
    m_lines->UnlockUpdates();
    m_selAnchor = anchor;
    m_selHead = head;
}

// Scans from line `index` (the range it starts in already given) until a following line's
// stored range agrees. Answers the last line scanned.
int32_t TCustomSynEdit::rescanFrom(int32_t index) {
    TBufferRanges ranges{*m_lines};
    return int32_t(RescanLineRanges(*m_highlighter, TBufferLines{*m_lines}, ranges, size_t(index)));
}

void TCustomSynEdit::linesAddedOrRemoved(int32_t index, bool added) {
    const int32_t count = m_lines->Count();
    if (m_highlighter && count > 0) {
        // Whether the last line was scanned, leaving the range at the end of the text.
        bool endScanned = false;
        if (added && index == count - 1 && index == m_tailRangeLine) {
            // A line added behind the last one starts where that one ended: a file being
            // loaded is scanned once, not twice.
            m_lines->StoreLineRange(index, m_tailRange);
            m_highlighter->RestoreRange(m_tailRange);
            m_highlighter->StartLine(m_lines->LineAt(index), index);
            m_highlighter->SkipToLineEnd();
            endScanned = true;
        } else {
            int32_t first = 0;
            if (index <= 0) {
                m_highlighter->ClearRange();
                m_lines->StoreLineRange(0, m_highlighter->CurrentRange());
            } else {
                first = index - 1;
                m_highlighter->RestoreRange(m_lines->LineRange(first));
            }
            // A rescan from the last line scans nothing.
            endScanned = first < count - 1 && rescanFrom(first) == count - 1;
        }
        m_tailRangeLine = endScanned ? count : -1;
        if (endScanned) m_tailRange = m_highlighter->CurrentRange();
    }
    // Every row below moved, down to the last one in view.
    const int32_t lastVisible = m_firstVisibleLine + m_visibleRows;
    InvalidateLines(index + 1, lastVisible);
    InvalidateGutterLines(index + 1, lastVisible);
}

void TCustomSynEdit::lineReplaced(int32_t index) {
    int32_t lastScanned = index;
    m_tailRangeLine = -1;
    if (m_highlighter) {
        m_highlighter->RestoreRange(m_lines->LineRange(index));
        lastScanned = rescanFrom(index);
    }
    InvalidateLines(index + 1, lastScanned + 1);
}

TSynHighlighterAttributes* TCustomSynEdit::TokenAttributeAt(TBufferCoord p, std::string* token) {
    if (token) token->clear();
    if (!m_highlighter || p.Line < 1 || p.Line > m_lines->Count() || p.Char < 1) return nullptr;
    const std::string_view text = m_lines->LineAt(p.Line - 1);
    if (size_t(p.Char) > text.size()) return nullptr;
    const int32_t range = m_lines->LineRange(p.Line - 1);
    if (range < 0)
        m_highlighter->ClearRange();
    else
        m_highlighter->RestoreRange(range);
    m_highlighter->StartLine(text, p.Line - 1);
    const size_t at = size_t(p.Char - 1);
    while (!m_highlighter->AtLineEnd()) {
        const size_t start = size_t(m_highlighter->TokenStart());
        const std::string_view view = m_highlighter->TokenView();
        if (at >= start && at < start + view.size()) {
            if (token) token->assign(view);
            return m_highlighter->TokenAttribute();
        }
        m_highlighter->NextToken();
    }
    return nullptr;
}

} // namespace tavlo
