// The highlighter's ranges kept beside the lines: each line stores the range in force at its
// start, so painting can scan any line alone. A change marks the ranges it may have made
// wrong; the editor mends them at once only as far as the screen shows, and the rest in idle
// slices or when something needs a line further down.
#include "editor/SynEdit.h"
#include "highlighters/SynEditHighlighter.h"
#include "platform/SynEditHost.h"

#include <chrono>

namespace tavlo {

void TCustomSynEdit::bindRangeUpkeep() {
    m_lines->OnLinesAdded = [this](int32_t index, std::string_view) { linesAddedOrRemoved(index, true); };
    m_lines->OnLinesDeleted = [this](int32_t index) { linesAddedOrRemoved(index, false); };
    m_lines->OnLineInserted = [this](int32_t index, std::string_view) { linesAddedOrRemoved(index, true); };
    m_lines->OnLineReplaced = [this](int32_t index, std::string_view) { lineReplaced(index); };
    m_lines->OnLineSpliced = [this](int32_t index, size_t at, size_t removed, size_t inserted) {
        if (m_highlighter) m_ranges.LineSpliced(index, at, removed, inserted);
        InvalidateLines(index + 1, index + 1);
    };
}

void TCustomSynEdit::SetHighlighter(TSynCustomHighlighter* highlighter) {
    if (highlighter == m_highlighter) return;
    if (m_highlighter) m_highlighter->RemoveChangeHook(this);
    m_highlighter = highlighter;
    if (m_highlighter) {
        // A change of vocabulary (a dialect, a version) may move where comments and strings
        // end: every stored range is in doubt again.
        m_highlighter->AddChangeHook(this, [this](TSynCustomHighlighter&) {
            resetRanges();
            highlighterChanged();
        });
        resetRanges();
    }
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

void TCustomSynEdit::resetRanges() {
    m_ranges.Reset(m_lines->Count());
    storeResetRange();
    settleVisibleRanges();
}

void TCustomSynEdit::storeResetRange() {
    if (m_lines->Count() == 0) return;
    m_highlighter->ClearRange();
    m_lines->CacheLineRange(0, int32_t(m_highlighter->CurrentRange()));
}

void TCustomSynEdit::mendRanges(int32_t upTo, int32_t unchangedFrom, int32_t maxLines) {
    if (!m_highlighter || m_ranges.Frontier() >= upTo) return;
    const TSynEditRangeCache::TChangedLines changed = m_ranges.Mend(*m_highlighter, *m_lines, upTo, maxLines);
    if (changed.Any() && changed.First < unchangedFrom)
        InvalidateLines(changed.First + 1, std::min(changed.Last, unchangedFrom - 1) + 1);
}

void TCustomSynEdit::settleVisibleRanges() {
    if (!m_highlighter) return;
    // The partly shown row below the last whole one counts.
    mendRanges(m_firstVisibleLine - 1 + m_visibleRows + 1);
    if (!m_ranges.Complete() && m_host) m_host->RequestIdleWork();
}

void TCustomSynEdit::EnsureRangesUpTo(int32_t lineIndex) { mendRanges(lineIndex); }

bool TCustomSynEdit::DoIdleWork(int32_t budgetMicroseconds, int32_t maxLines) {
    if (!m_highlighter) return false;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::microseconds(budgetMicroseconds);
    // The clock is read between chunks of lines, not for every line.
    constexpr int32_t ChunkLines = 256;
    while (!m_ranges.Complete() && maxLines > 0) {
        const int32_t chunk = std::min(maxLines, ChunkLines);
        mendRanges(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), chunk);
        maxLines -= chunk;
        if (Clock::now() >= deadline) break;
    }
    return !m_ranges.Complete();
}

void TCustomSynEdit::linesAddedOrRemoved(int32_t index, bool added) {
    const int32_t count = m_lines->Count();
    if (m_highlighter) {
        if (added)
            m_ranges.LinesAdded(index, count);
        else
            m_ranges.LinesRemoved(index, count);
        if (index <= 0) storeResetRange();
        // Mended when the buffer's bracket closes (linesChanged), once for a whole edit.
    }
    // Every row below moved, down to the last one in view.
    const int32_t lastVisible = m_firstVisibleLine + m_visibleRows;
    InvalidateLines(index + 1, lastVisible);
    InvalidateGutterLines(index + 1, lastVisible);
}

void TCustomSynEdit::lineReplaced(int32_t index) {
    if (m_highlighter) m_ranges.LineReplaced(index, m_lines->Count());
    InvalidateLines(index + 1, index + 1);
}

TSynHighlighterAttributes* TCustomSynEdit::TokenAttributeAt(TBufferCoord p, std::string* token) {
    if (token) token->clear();
    if (!m_highlighter || p.Line < 1 || p.Line > m_lines->Count() || p.Char < 1) return nullptr;
    EnsureRangesUpTo(p.Line - 1);
    const std::string_view text = m_lines->LineAt(p.Line - 1);
    if (size_t(p.Char) > text.size()) return nullptr;
    const size_t at = size_t(p.Char - 1);
    m_ranges.Checkpoints().StartLine(*m_highlighter, text, p.Line - 1,
                                     m_lines->LineRange(p.Line - 1), at);
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
