// Helpers shared by the highlighter tests: splitting text into lines and the range upkeep of
// an editor over a vector of lines.
#pragma once

#include "highlighters/SynHighlighterRanges.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavlo::test {

// Splits at CR LF, LF or CR; a final line break does not start another line.
inline std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

// The range in force at the start of every line, as the line buffer keeps it.
inline std::vector<int32_t> ComputeRanges(TSynCustomHighlighter& highlighter,
                                          const std::vector<std::string>& lines) {
    std::vector<int32_t> ranges(lines.size());
    ComputeLineRanges(highlighter, lines, ranges);
    return ranges;
}

// The editor's rescan after line `first` changed in place: answers the last line scanned.
inline size_t RescanFrom(TSynCustomHighlighter& highlighter, const std::vector<std::string>& lines,
                         std::vector<int32_t>& ranges, size_t first) {
    highlighter.RestoreRange(ranges[first]);
    return RescanLineRanges(highlighter, lines, ranges, first);
}

// The tokens of one line, scanned from the range in force, with their kinds.
using TToken = std::pair<std::string, int>;
inline std::vector<TToken> Tokens(TSynCustomHighlighter& highlighter, std::string_view line) {
    std::vector<TToken> tokens;
    for (highlighter.StartLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken())
        tokens.emplace_back(highlighter.TokenText(), highlighter.TokenKindOrdinal());
    return tokens;
}

} // namespace tavlo::test
