// Helpers shared by the highlighter tests: splitting text into lines, a line's tokens, the
// range upkeep of an editor over a vector of lines, and checks every language must pass.
#pragma once

#include "highlighters/SynHighlighterRanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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

// A token's text and kind.
using TToken = std::pair<std::string, int>;

// The tokens of one line scanned from the range in force.
inline std::vector<TToken> Tokens(TSynCustomHighlighter& highlighter, std::string_view line) {
    std::vector<TToken> tokens;
    for (highlighter.StartLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken())
        tokens.emplace_back(highlighter.TokenText(), highlighter.TokenKindOrdinal());
    return tokens;
}

// The main window's form sets exactly these foreground colours and nothing else, so only they
// are stored with the form; the other attributes keep their own foreground (`ownForegrounds`,
// none where not listed).
inline void ExpectWindowColours(const TSynCustomHighlighter& highlighter,
                                const std::map<std::string, TColor>& windowForegrounds,
                                const std::map<std::string, TColor>& ownForegrounds = {}) {
    for (int i = 0; i < highlighter.AttributeCount(); ++i) {
        const TSynHighlighterAttributes& attribute = *highlighter.AttributeAt(i);
        const auto set = windowForegrounds.find(attribute.Name());
        const auto own = ownForegrounds.find(attribute.Name());
        const TColor expected = set != windowForegrounds.end() ? set->second
                                : own != ownForegrounds.end()  ? own->second
                                                               : clNone;
        EXPECT_EQ(attribute.Foreground(), expected) << attribute.Name();
        EXPECT_EQ(attribute.IsForegroundStored(), set != windowForegrounds.end()) << attribute.Name();
        EXPECT_EQ(attribute.Background(), clNone) << attribute.Name();
        EXPECT_FALSE(attribute.IsBackgroundStored()) << attribute.Name();
        EXPECT_FALSE(attribute.IsStyleStored()) << attribute.Name();
    }
}

// Every prefix of the text, scanned alone from the start state, ends exactly at its own end:
// nothing past the view is read, even where a construct wants one more character. Each prefix
// is a heap copy of exactly its length, so that an address sanitizer catches a read past it.
inline void ExpectPrefixesEndAtTheirEnd(TSynCustomHighlighter& highlighter, std::string_view text) {
    for (size_t length = 0; length <= text.size(); ++length) {
        const auto copy = std::make_unique<char[]>(std::max<size_t>(length, 1));
        std::copy_n(text.data(), length, copy.get());
        highlighter.ClearRange();
        highlighter.StartLine(std::string_view(copy.get(), length), 0);
        highlighter.SkipToLineEnd();
        EXPECT_EQ(highlighter.TokenStart(), static_cast<int>(length)) << text.substr(0, length);
    }
}

// How many bytes the tokens of one line, scanned from the range in force, add up to.
inline size_t CoveredBytes(TSynCustomHighlighter& highlighter, std::string_view line) {
    size_t covered = 0;
    for (highlighter.StartLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken())
        covered += highlighter.TokenView().size();
    return covered;
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

} // namespace tavlo::test
