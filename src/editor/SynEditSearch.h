// Finds every occurrence of a plain-text pattern in one line of 8-bit text, with or without
// letter case (Windows-1250 folding) and optionally as a whole word only.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Raised by a search with an empty pattern: "Pattern is empty".
class ESynSearchError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TSynEditSearch {
public:
    // Shared by every engine, built once: the code each byte is compared by (the identity
    // when case matters, else the Windows-1250 lower case), and the bytes that are neither
    // letters, digits nor the underscore.
    static const std::array<uint8_t, 256>& FoldTable(bool caseMatters);
    static const std::array<bool, 256>& WordBreakTable();

    virtual ~TSynEditSearch() = default;

    const std::string& SearchPattern() const { return m_pattern; }
    void SetSearchPattern(std::string_view pattern);
    bool CaseMatters() const { return m_caseMatters; }
    void SetCaseMatters(bool value);
    bool WholeWordsOnly = false;

    // Positions are 1-based and ascending; matches never overlap.
    int32_t FindAllIn(std::string_view text);
    int32_t FirstMatch(std::string_view text);
    int32_t NextMatch();
    int32_t MatchCount() const { return int32_t(m_matches.size()); }
    int32_t MatchAt(int32_t index) const;
    // After text of a searched line was replaced: positions after `first` move back by delta.
    void ShiftMatchesAfter(int32_t first, int32_t delta);

protected:
    // Whether the current window (`start`, pattern length long) stands alone as a word.
    virtual bool IsWholeWordMatch(size_t start) const;
    std::string_view Text() const { return m_text; }

private:
    void prepare();
    int32_t nextCandidate(size_t from) const;
    bool windowMatches(size_t start) const;

    std::string_view m_text;
    size_t m_scan = 0; // where the next window may start (0-based)
    std::string m_pattern;
    std::string m_foldedPattern;
    std::array<int32_t, 256> m_skipTable{};
    bool m_caseMatters = false;
    std::vector<int32_t> m_matches;
    bool m_skipTableCurrent = false;
    // The bytes that compare equal to the pattern's first and last byte (at most two each
    // when the quick filter applies).
    std::array<uint8_t, 2> m_firstBytes{};
    std::array<uint8_t, 2> m_lastBytes{};
    bool m_quickFilter = false;
};

} // namespace tavlo
