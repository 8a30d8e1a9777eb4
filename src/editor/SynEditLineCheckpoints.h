// Resume points along long lines. Every few KiB of a long line the offset of a token start and
// the highlighter's whole state there are kept, so that painting and token lookups scan from
// near the bytes they need rather than from the line start, and so that after an edit in the
// line a scan from just before the edit stops as soon as it agrees again with the state it
// found there before: everything beyond, the range at the line's end included, is unchanged.
// A paint scans a line only as far as it shows it; the rest waits until the range at the
// line's end is wanted. Only languages that can capture their state mid-line get resume
// points; the others are scanned from the line start as ever.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace tavlo {

class TSynEditLineCheckpoints {
public:
    // Lines from this many bytes get resume points, this many bytes apart.
    static constexpr size_t LongLine = 64 * 1024;
    static constexpr size_t Spacing = 4 * 1024;
    // Points left closer than this by deletions are thinned out when the line is settled.
    static constexpr size_t MinimumSpacing = Spacing / 4;

    // Following the buffer: lines inserted before `index`, removed from it, replaced whole,
    // or bytes replaced inside a line.
    void Clear() { m_lines.clear(); }
    void LinesAdded(int32_t index, int32_t added);
    void LinesRemoved(int32_t index, int32_t removed);
    void LineReplaced(int32_t index);
    void LineSpliced(int32_t index, size_t at, size_t removed, size_t inserted);

    // The range at the end of a line scanned from startRange (negative: the reset range).
    // A long line's is found with its resume points, leaving them right; a short line, or
    // one of a language that cannot resume, is scanned whole.
    int32_t EndRange(TSynCustomHighlighter& highlighter, std::string_view text, int32_t index,
                     int32_t startRange);
    // Starts the highlighter on the line at the last resume point at or before `byte`, or at
    // the line start; the line is scanned for points no further than that byte.
    void StartLine(TSynCustomHighlighter& highlighter, std::string_view text, int32_t index,
                   int32_t startRange, size_t byte);

    // The number of lines with resume points, and the points of one line (for tests).
    size_t LineCount() const { return m_lines.size(); }
    size_t PointCount(int32_t index) const;

private:
    struct TPoint {
        uint32_t Offset;
        TSynScanState State;
    };
    // A settled line's points and EndRange hold for the line as it is. After an edit or a new
    // start range, the points before FirstUnverified hold (a scan for a paint may have added
    // some); the rest were found by the last settling and lie after every edit made since:
    // the bytes from ResumeReach before each of them to the line's end are as that scan saw
    // them, so a new scan that meets one of them in the same state goes on as that scan did,
    // up to the same EndRange.
    struct TLine {
        int32_t Index;
        int32_t StartRange;
        int32_t EndRange;
        size_t FirstUnverified;
        bool Settled;
        std::vector<TPoint> Points;
    };

    static constexpr size_t Everything = std::numeric_limits<size_t>::max();

    TLine* find(int32_t index);
    // The line's entry with its points verified as far as `byte` (Everything: settled, its
    // EndRange found), or null when the line gets none.
    TLine* settle(TSynCustomHighlighter& highlighter, std::string_view text, int32_t index,
                  int32_t startRange, size_t byte);
    // Scans on from the last verified point; a scan that gets past `byte` before it agrees
    // with the last settling stops there, the rest of the line left for later.
    void rescan(TSynCustomHighlighter& highlighter, std::string_view text, TLine& line,
                size_t byte);

    std::vector<TLine> m_lines; // by Index
};

} // namespace tavlo
