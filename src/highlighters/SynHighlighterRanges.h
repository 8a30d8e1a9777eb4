// Keeping the range in force at the start of every line, as an editor or a print job does.
// Works on any line list (size() and operator[] giving the line's bytes) and any range list
// (operator[] giving a stored int32_t) with one entry per line.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <cstddef>
#include <string_view>

namespace tavlo {

// Every line's range from the start of the document.
template <class TLines, class TRanges>
void ComputeLineRanges(TSynCustomHighlighter& highlighter, const TLines& lines, TRanges& ranges) {
    highlighter.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges[i] = highlighter.CurrentRange();
        highlighter.StartLine(std::string_view(lines[i]), static_cast<int>(i));
        highlighter.SkipToLineEnd();
    }
}

// Scans from line `first` with the range the caller has set, storing each following line's new
// range until one equals the range already stored. Answers the last line scanned.
template <class TLines, class TRanges>
size_t RescanLineRanges(TSynCustomHighlighter& highlighter, const TLines& lines, TRanges& ranges,
                        size_t first) {
    if (first + 1 >= lines.size()) return first;
    size_t line = first;
    highlighter.StartLine(std::string_view(lines[line]), static_cast<int>(line));
    highlighter.SkipToLineEnd();
    while (line + 1 < lines.size()) {
        const TSynRange range = highlighter.CurrentRange();
        if (range == ranges[line + 1]) break;
        ranges[++line] = range;
        highlighter.StartLine(std::string_view(lines[line]), static_cast<int>(line));
        highlighter.SkipToLineEnd();
    }
    return line;
}

} // namespace tavlo
