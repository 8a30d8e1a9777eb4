#include "highlighters/SynHighlighterKeywords.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

namespace tavlo {

int TSynKeywordTable::HashOf(const TSynCharHashTable& charHash, std::string_view word) {
    // Wide enough for any word; a sum past int's range matches no keyword either way.
    int64_t hash = 0;
    for (char c : word) hash += charHash[static_cast<unsigned char>(c)];
    return int(std::clamp<int64_t>(hash, INT_MIN, INT_MAX));
}

TSynKeywordTable::TSynKeywordTable(const TSynCharHashTable& charHash, int size,
                                   std::span<const std::string_view> keywords, TCompare compare)
    : m_charHash(charHash), m_keywords(keywords), m_bucketStart(static_cast<size_t>(size) + 1, 0),
      m_compare(compare) {
    std::vector<int> hashes;
    for (std::string_view keyword : keywords) {
        const int hash = HashOf(charHash, keyword);
        if (hash < 0 || hash >= size)
            throw std::logic_error("Keyword \"" + std::string(keyword) + "\" hashes outside the table");
        hashes.push_back(hash);
        ++m_bucketStart[static_cast<size_t>(hash) + 1];
    }
    for (int h = 0; h < size; ++h) m_bucketStart[h + 1] += m_bucketStart[h];
    m_order.resize(keywords.size());
    std::vector<uint32_t> next(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (size_t i = 0; i < keywords.size(); ++i) m_order[next[hashes[i]]++] = static_cast<uint16_t>(i);
}

} // namespace tavlo
