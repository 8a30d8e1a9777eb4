#include "editor/SynEditRangeCache.h"

#include "editor/SynEditTextBuffer.h"
#include "highlighters/SynEditHighlighter.h"

#include <algorithm>

namespace tavlo {

void TSynEditRangeCache::Reset(int32_t count) {
    m_count = count;
    m_broken.clear();
    m_checkpoints.Clear();
    markBroken(0, count - 2);
}

void TSynEditRangeCache::markBroken(int32_t first, int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, m_count - 2);
    if (first > last) return;
    // The runs that overlap or touch [first, last] melt into one.
    auto begin = std::lower_bound(m_broken.begin(), m_broken.end(), first,
                                  [](const TRun& run, int32_t at) { return run.Last + 1 < at; });
    auto end = begin;
    while (end != m_broken.end() && end->First <= last + 1) {
        first = std::min(first, end->First);
        last = std::max(last, end->Last);
        ++end;
    }
    begin = m_broken.erase(begin, end);
    m_broken.insert(begin, TRun{first, last});
}

void TSynEditRangeCache::dropLinksFrom(int32_t firstMissing) {
    while (!m_broken.empty() && m_broken.back().First >= firstMissing) m_broken.pop_back();
    if (!m_broken.empty()) m_broken.back().Last = std::min(m_broken.back().Last, firstMissing - 1);
}

void TSynEditRangeCache::LinesAdded(int32_t index, int32_t count) {
    const int32_t added = count - m_count;
    m_count = count;
    m_checkpoints.LinesAdded(index, added);
    for (TRun& run : m_broken) {
        if (run.First >= index) run.First += added;
        if (run.Last >= index) run.Last += added;
    }
    // The link into the first new line, and every link out of the new lines.
    markBroken(index - 1, index + added - 1);
}

void TSynEditRangeCache::LinesRemoved(int32_t index, int32_t count) {
    const int32_t removed = m_count - count;
    m_count = count;
    m_checkpoints.LinesRemoved(index, removed);
    // Links out of removed lines go; the one into them now leads to the line after them.
    auto moved = [&](int32_t link) {
        return link < index ? link : link >= index + removed ? link - removed : index - 1;
    };
    std::vector<TRun> old;
    old.swap(m_broken);
    for (const TRun& run : old) markBroken(moved(run.First), moved(run.Last));
    markBroken(index - 1, index == 0 ? 0 : index - 1);
    dropLinksFrom(count - 1);
}

void TSynEditRangeCache::LineReplaced(int32_t index, int32_t count) {
    m_count = count;
    m_checkpoints.LineReplaced(index);
    markBroken(index, index);
}

void TSynEditRangeCache::LineSpliced(int32_t index, size_t at, size_t removed, size_t inserted) {
    m_checkpoints.LineSpliced(index, at, removed, inserted);
    markBroken(index, index);
}

TSynEditRangeCache::TChangedLines TSynEditRangeCache::Mend(TSynCustomHighlighter& highlighter,
                                                           TSynEditStringList& lines, int32_t upTo,
                                                           int32_t maxLines) {
    TChangedLines changed;
    int32_t scanned = 0;
    while (!m_broken.empty() && m_broken.front().First < upTo && scanned < maxLines) {
        TRun& run = m_broken.front();
        const int32_t line = run.First;
        const int32_t end =
            m_checkpoints.EndRange(highlighter, lines.LineAt(line), line, lines.LineRange(line));
        ++scanned;
        const bool differs = end != lines.LineRange(line + 1);
        if (differs) {
            lines.CacheLineRange(line + 1, end);
            changed.First = std::min(changed.First, line + 1);
            changed.Last = std::max(changed.Last, line + 1);
        }
        if (line < run.Last) {
            run.First = line + 1;
        } else {
            m_broken.erase(m_broken.begin());
            // A new range at the next line may break the link out of it in turn.
            if (differs) markBroken(line + 1, line + 1);
        }
    }
    return changed;
}

} // namespace tavlo
