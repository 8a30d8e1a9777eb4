#include "editor/SynEditSearch.h"

#include "editor/SynEditMiscProcs.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tavlo {

namespace {

struct TSearchTables {
    std::array<uint8_t, 256> identity{};
    std::array<uint8_t, 256> lower{};
    std::array<bool, 256> wordBreak{};

    TSearchTables() {
        for (int c = 0; c < 256; ++c) {
            identity[size_t(c)] = uint8_t(c);
            lower[size_t(c)] = LowerCase1250(uint8_t(c));
            wordBreak[size_t(c)] = !(IsAlphaNumeric1250(uint8_t(c)) || c == '_');
        }
    }
};

const TSearchTables& searchTables() {
    static const TSearchTables tables;
    return tables;
}

// The bytes that fold to `code`, when there are at most two of them.
bool bytesFoldingTo(const std::array<uint8_t, 256>& fold, uint8_t code,
                    std::array<uint8_t, 2>& bytes) {
    int found = 0;
    for (int c = 0; c < 256; ++c) {
        if (fold[size_t(c)] != code) continue;
        if (found == 2) return false;
        bytes[size_t(found++)] = uint8_t(c);
    }
    if (found == 1) bytes[1] = bytes[0];
    return found > 0;
}

} // namespace

const std::array<uint8_t, 256>& TSynEditSearch::FoldTable(bool caseMatters) {
    return caseMatters ? searchTables().identity : searchTables().lower;
}

const std::array<bool, 256>& TSynEditSearch::WordBreakTable() {
    return searchTables().wordBreak;
}

void TSynEditSearch::SetSearchPattern(std::string_view pattern) {
    if (pattern == m_pattern) return;
    m_pattern = pattern;
    m_skipTableCurrent = false;
}

void TSynEditSearch::SetCaseMatters(bool value) {
    if (value == m_caseMatters) return;
    m_caseMatters = value;
    m_skipTableCurrent = false;
}

int32_t TSynEditSearch::MatchAt(int32_t index) const {
    return index >= 0 && index < MatchCount() ? m_matches[size_t(index)] : 0;
}

void TSynEditSearch::ShiftMatchesAfter(int32_t first, int32_t delta) {
    if (delta == 0) return;
    for (auto it = m_matches.rbegin(); it != m_matches.rend() && *it > first; ++it)
        *it -= delta;
}

// The skip table of the quick search: each byte's distance from its last occurrence in the
// pattern to just past the pattern.
void TSynEditSearch::prepare() {
    const size_t n = m_pattern.size();
    if (n == 0) throw ESynSearchError("Pattern is empty");
    const auto& fold = FoldTable(m_caseMatters);
    m_foldedPattern.resize(n);
    for (size_t i = 0; i < n; ++i)
        m_foldedPattern[i] = char(fold[uint8_t(m_pattern[i])]);
    m_skipTable.fill(int32_t(n + 1));
    for (size_t j = 0; j < n; ++j)
        m_skipTable[uint8_t(m_foldedPattern[j])] = int32_t(n - j);
    m_quickFilter = bytesFoldingTo(fold, uint8_t(m_foldedPattern.front()), m_firstBytes) &&
                    bytesFoldingTo(fold, uint8_t(m_foldedPattern.back()), m_lastBytes);
    m_skipTableCurrent = true;
}

int32_t TSynEditSearch::FindAllIn(std::string_view text) {
    m_matches.clear();
    for (int32_t at = FirstMatch(text); at > 0; at = NextMatch())
        m_matches.push_back(at);
    return MatchCount();
}

int32_t TSynEditSearch::FirstMatch(std::string_view text) {
    if (!m_skipTableCurrent) prepare();
    m_text = text;
    m_scan = 0;
    if (text.size() < m_pattern.size()) {
        m_scan = text.size();
        return 0;
    }
    return NextMatch();
}

int32_t TSynEditSearch::NextMatch() {
    for (;;) {
        const int32_t start = nextCandidate(m_scan);
        if (start < 0) {
            m_scan = m_text.size();
            return 0;
        }
        if (windowMatches(size_t(start)) && (!WholeWordsOnly || IsWholeWordMatch(size_t(start)))) {
            m_scan = size_t(start) + m_pattern.size();
            return start + 1;
        }
        m_scan = size_t(start) + 1;
    }
}

// The first window from `from` on whose first and last bytes compare equal to the pattern's,
// or -1. Sixteen windows at a time where the text allows, then the quick search's skips.
int32_t TSynEditSearch::nextCandidate(size_t from) const {
    const size_t n = m_pattern.size();
    const size_t size = m_text.size();
    if (size < n || from > size - n) return -1;
    const auto* text = reinterpret_cast<const uint8_t*>(m_text.data());
#if defined(__SSE2__)
    if (m_quickFilter) {
        const __m128i first0 = _mm_set1_epi8(char(m_firstBytes[0])),
                      first1 = _mm_set1_epi8(char(m_firstBytes[1]));
        const __m128i last0 = _mm_set1_epi8(char(m_lastBytes[0])),
                      last1 = _mm_set1_epi8(char(m_lastBytes[1]));
        for (; from + n - 1 + 16 <= size; from += 16) {
            const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from));
            const __m128i tails =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from + n - 1));
            const __m128i both = _mm_and_si128(
                _mm_or_si128(_mm_cmpeq_epi8(heads, first0), _mm_cmpeq_epi8(heads, first1)),
                _mm_or_si128(_mm_cmpeq_epi8(tails, last0), _mm_cmpeq_epi8(tails, last1)));
            const int mask = _mm_movemask_epi8(both);
            if (mask != 0) return int32_t(from + size_t(__builtin_ctz(unsigned(mask))));
        }
    }
#endif
    const auto& fold = FoldTable(m_caseMatters);
    const uint8_t first = uint8_t(m_foldedPattern.front()), last = uint8_t(m_foldedPattern.back());
    for (size_t end = from + n - 1; end < size;) {
        if (fold[text[end]] == last && fold[text[end + 1 - n]] == first)
            return int32_t(end + 1 - n);
        // The byte after the window decides the jump; past the text it is the terminator 0.
        const uint8_t next = end + 1 < size ? fold[text[end + 1]] : fold[0];
        end += size_t(m_skipTable[next]);
    }
    return -1;
}

bool TSynEditSearch::windowMatches(size_t start) const {
    const char* window = m_text.data() + start;
    const size_t n = m_foldedPattern.size();
    if (m_caseMatters) return std::memcmp(window, m_foldedPattern.data(), n) == 0;
    const auto& fold = FoldTable(false);
    for (size_t i = 0; i < n; ++i)
        if (char(fold[uint8_t(window[i])]) != m_foldedPattern[i]) return false;
    return true;
}

bool TSynEditSearch::IsWholeWordMatch(size_t start) const {
    const auto& wordBreak = WordBreakTable();
    if (start > 0 && !wordBreak[uint8_t(m_text[start - 1])]) return false;
    const size_t after = start + m_pattern.size();
    return after >= m_text.size() || wordBreak[uint8_t(m_text[after])];
}

} // namespace tavlo
