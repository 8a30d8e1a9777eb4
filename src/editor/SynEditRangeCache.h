// The highlighter ranges kept beside the lines, treated as a cache completed lazily. The
// range stored for a line is the highlighter's range at its start; line j's range follows
// from line j-1's by scanning line j-1, a "link". A change only marks the links it may have
// broken; they are mended on demand (painting needs the lines it shows) or in idle slices,
// each from the first broken link on, and a mending run stops where the newly scanned range
// agrees with the stored one, since every link beyond a marked one still holds.
#pragma once

#include "editor/SynEditLineCheckpoints.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace tavlo {

class TSynCustomHighlighter;
class TSynEditStringList;

class TSynEditRangeCache {
public:
    // Lines whose stored range changed while mending (first > last when none did).
    struct TChangedLines {
        int32_t First = std::numeric_limits<int32_t>::max();
        int32_t Last = -1;
        bool Any() const { return First <= Last; }
    };

    // Follows the buffer's changes; count is the number of lines after the change. The
    // caller stores the reset range for line 0 when the first line changed place.
    void Reset(int32_t count);
    void LinesAdded(int32_t index, int32_t count);
    void LinesRemoved(int32_t index, int32_t count);
    void LineReplaced(int32_t index, int32_t count);
    // Bytes replaced inside a line: its resume points before the edit stay.
    void LineSpliced(int32_t index, size_t at, size_t removed, size_t inserted);

    bool Complete() const { return m_broken.empty(); }
    // Every line up to this index (0-based) has its correct range.
    int32_t Frontier() const { return m_broken.empty() ? std::numeric_limits<int32_t>::max() : m_broken.front().First; }

    // Mends links in order until line `upTo` has its correct range, at most maxLines scans
    // (the stored ranges of line 0 must be the reset range). Answers the lines changed.
    TChangedLines Mend(TSynCustomHighlighter& highlighter, TSynEditStringList& lines, int32_t upTo,
                       int32_t maxLines = std::numeric_limits<int32_t>::max());

    // The resume points of long lines, which mending keeps up to date.
    TSynEditLineCheckpoints& Checkpoints() { return m_checkpoints; }

private:
    // Broken links as sorted, disjoint, non-adjacent runs: link j joins line j to line j+1.
    struct TRun {
        int32_t First;
        int32_t Last;
    };
    void markBroken(int32_t first, int32_t last);
    void dropLinksFrom(int32_t firstMissing);

    std::vector<TRun> m_broken;
    TSynEditLineCheckpoints m_checkpoints;
    int32_t m_count = 0;
};

} // namespace tavlo
