#include "editor/PolishStandardGuess.h"

#include "editor/PolishCharsets.h"

#include <array>
#include <cstdint>

namespace tavlo {

namespace {

// How often each letter occurs in Polish prose, in letters per 10,000, in the table's order
// (ą ć ę ł ń ó ś ź ż, then the capitals, which are much rarer).
constexpr std::array<int, PolishLetterCount> LetterFrequency{99, 40, 111, 182, 20, 85, 66, 6, 83,
                                                             2,  4,  1,   12,  1,  3,  10, 1, 6};
// A byte above 127 that is no Polish letter in a standard speaks against that standard.
constexpr int64_t ForeignBytePenalty = 40;

// Whether every byte above 127 belongs to a well-formed UTF-8 sequence, and there is one.
bool IsUtf8(std::string_view bytes) {
    size_t sequences = 0;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4                                 ? 4
                                                                                       : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += length;
        ++sequences;
    }
    return sequences > 0;
}

} // namespace

std::optional<TStandardGuess> GuessPolishStandard(std::string_view bytes) {
    std::array<int64_t, 256> counts{};
    int64_t highBytes = 0;
    for (unsigned char byte : bytes) {
        ++counts[byte];
        if (byte >= 0x80) ++highBytes;
    }
    if (highBytes == 0) return std::nullopt;
    if (IsUtf8(bytes)) return TStandardGuess{true, -1};

    int best = -1;
    int64_t bestScore = 0;
    for (int standard : {psCp1250, psCp852, psMazovia, psIso8859_2}) {
        std::array<int, 256> frequencyOf{};
        for (int letter = 0; letter < PolishLetterCount; ++letter)
            frequencyOf[PolishLetterBytes[standard][letter]] = LetterFrequency[letter];
        int64_t score = 0;
        for (int byte = 0x80; byte < 256; ++byte)
            score += counts[byte] * (frequencyOf[byte] > 0 ? frequencyOf[byte] : -ForeignBytePenalty);
        if (score > bestScore) {
            bestScore = score;
            best = standard;
        }
    }
    if (best < 0) return std::nullopt;
    return TStandardGuess{false, best};
}

} // namespace tavlo
