// A plain matcher written from the search's definition, for checking the search engine and
// replace-all: leftmost windows first, a found window resumes the search after itself, letter
// case folded through Windows-1250, and whole words bounded by bytes that are no letter,
// digit or underscore.
#pragma once

#include "editor/SynEditMiscProcs.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavlo::test {

inline std::vector<int32_t> ReferenceMatches(std::string_view text, std::string_view pattern,
                                             bool caseMatters, bool wholeWords) {
    auto same = [caseMatters](char a, char b) {
        return caseMatters ? a == b : LowerCase1250(uint8_t(a)) == LowerCase1250(uint8_t(b));
    };
    auto isWordByte = [](char c) { return IsAlphaNumeric1250(uint8_t(c)) || c == '_'; };
    std::vector<int32_t> found;
    size_t p = 0;
    while (p + pattern.size() <= text.size()) {
        bool equal = true;
        for (size_t i = 0; i < pattern.size() && equal; ++i)
            equal = same(text[p + i], pattern[i]);
        const size_t after = p + pattern.size();
        const bool alone = (p == 0 || !isWordByte(text[p - 1])) &&
                           (after == text.size() || !isWordByte(text[after]));
        if (equal && (!wholeWords || alone)) {
            found.push_back(int32_t(p + 1));
            p = after;
        } else {
            ++p;
        }
    }
    return found;
}

// The line with every reference match replaced.
inline std::string ReferenceReplaced(std::string_view line, std::string_view pattern,
                                     std::string_view replacement, bool caseMatters,
                                     bool wholeWords) {
    std::string result;
    size_t position = 0;
    for (int32_t at : ReferenceMatches(line, pattern, caseMatters, wholeWords)) {
        result.append(line.substr(position, size_t(at - 1) - position));
        result.append(replacement);
        position = size_t(at - 1) + pattern.size();
    }
    result.append(line.substr(position));
    return result;
}

} // namespace tavlo::test
