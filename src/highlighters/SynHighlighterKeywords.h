// Keyword recognition shared by the scanners: a word's hash is the sum of a per-language
// CharHashTable over its characters; the keywords of one hash are tried in a fixed order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tavlo {

using TSynCharHashTable = std::array<int16_t, 256>;
using TSynIdentCharTable = std::array<bool, 256>;

// The tables most languages share: identifiers continue with ASCII digits, letters and '_';
// letters hash to 1..26 in either case and '_' to 31, everything else to 0.
inline constexpr TSynIdentCharTable AsciiIdentCharTable = [] {
    TSynIdentCharTable table{};
    for (int c = 0; c < 256; ++c)
        table[c] = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return table;
}();

inline constexpr TSynCharHashTable LetterCharHashTable = [] {
    TSynCharHashTable table{};
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<int16_t>(c - 'A' + 1);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<int16_t>(c - 'a' + 1);
    table['_'] = 31;
    return table;
}();

// Sums charHash over the run of identifier characters that starts at pos; answers where the run
// ends. Locals keep this loop, the hottest of most scanners, in registers.
inline size_t HashIdentifierRun(std::string_view line, size_t pos, const TSynIdentCharTable& identChars,
                                const TSynCharHashTable& charHash, int& hash) {
    const auto* text = reinterpret_cast<const unsigned char*>(line.data());
    int sum = 0;
    for (; pos < line.size() && identChars[text[pos]]; ++pos) sum += charHash[text[pos]];
    hash = sum;
    return pos;
}

class TSynKeywordTable {
public:
    enum class TCompare : uint8_t {
        HashValues, // characters match when their CharHashTable values do (case-insensitive)
        Exact,
    };

    // Throws std::logic_error when a keyword hashes outside 0..size-1: it could never match.
    TSynKeywordTable(const TSynCharHashTable& charHash, int size,
                     std::span<const std::string_view> keywords, TCompare compare);

    static int HashOf(const TSynCharHashTable& charHash, std::string_view word);
    int Size() const { return static_cast<int>(m_bucketStart.size()) - 1; }

    // The index (into the keyword list) of the first keyword stored at `hash` that equals the
    // `wordLength` characters at `word` and satisfies accept(index); -1 when there is none or
    // the hash lies outside the table.
    template <class Accept>
    int Find(int hash, const char* word, size_t wordLength, Accept accept) const {
        if (hash < 0 || hash >= Size()) return -1;
        for (uint32_t i = m_bucketStart[hash]; i < m_bucketStart[hash + 1]; ++i) {
            const int index = m_order[i];
            if (Matches(m_keywords[index], word, wordLength) && accept(index)) return index;
        }
        return -1;
    }
    int Find(int hash, std::string_view word) const {
        return Find(hash, word.data(), word.size(), [](int) { return true; });
    }

private:
    bool Matches(std::string_view keyword, const char* word, size_t wordLength) const {
        if (keyword.size() != wordLength) return false;
        for (size_t i = 0; i < wordLength; ++i) {
            const auto k = static_cast<unsigned char>(keyword[i]);
            const auto w = static_cast<unsigned char>(word[i]);
            if (m_compare == TCompare::Exact ? k != w : m_charHash[k] != m_charHash[w]) return false;
        }
        return true;
    }

    const TSynCharHashTable& m_charHash;
    std::span<const std::string_view> m_keywords;
    std::vector<uint16_t> m_order;       // keyword indexes grouped by hash, list order kept
    std::vector<uint32_t> m_bucketStart; // per hash, its first position in m_order; one extra
    TCompare m_compare;
};

} // namespace tavlo
