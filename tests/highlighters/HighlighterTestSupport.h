// Helpers shared by the highlighter tests: splitting text into lines and the range upkeep of
// an editor over a vector of lines.
#pragma once

#include "highlighters/SynHighlighterRanges.h"

#include <algorithm>
#include <memory>
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

// A line's tokens (text and kind ordinal), scanned from the range in force.
using TToken = std::pair<std::string, int>;

inline std::vector<TToken> Tokens(TSynCustomHighlighter& highlighter, std::string_view line) {
    std::vector<TToken> tokens;
    for (highlighter.StartLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken())
        tokens.emplace_back(highlighter.TokenText(), highlighter.TokenKindOrdinal());
    return tokens;
}

// Where the end-of-line token of every prefix of `text` starts, each scanned alone from the
// start state in a heap copy of exactly its length (so that a read past the prefix is caught
// by an address sanitizer); a scanner that covers its line answers each prefix's length.
inline std::vector<int> EndOfEveryPrefix(TSynCustomHighlighter& highlighter, std::string_view text) {
    std::vector<int> ends;
    for (size_t length = 0; length <= text.size(); ++length) {
        const auto copy = std::make_unique<char[]>(std::max<size_t>(length, 1));
        std::copy_n(text.data(), length, copy.get());
        highlighter.ClearRange();
        highlighter.StartLine(std::string_view(copy.get(), length), 0);
        highlighter.SkipToLineEnd();
        ends.push_back(highlighter.TokenStart());
    }
    return ends;
}

inline std::vector<int> PrefixLengths(std::string_view text) {
    std::vector<int> lengths;
    for (size_t length = 0; length <= text.size(); ++length) lengths.push_back(static_cast<int>(length));
    return lengths;
}

} // namespace tavlo::test
