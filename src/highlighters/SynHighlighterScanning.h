// Byte classes and run scanners shared by the line scanners. The run scanners are free
// functions over a copied view, so that their loops stay in registers.
#pragma once

#include "highlighters/SynHighlighterKeywords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace tavlo {

constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsLetter(unsigned char c) {
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}
constexpr bool IsHexDigit(unsigned char c) {
    return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
// Control characters and the blank, without CR and LF; a zero byte inside a line is one of them.
constexpr bool IsBlank(unsigned char c) {
    return c <= 32 && c != '\r' && c != '\n';
}

// How many bytes the line break at `pos` takes: 2 for CR LF, 1 for a lone CR or LF, 0 where
// there is none.
inline size_t LineBreakLength(std::string_view line, size_t pos) {
    if (pos >= line.size()) return 0;
    if (line[pos] == '\n') return 1;
    if (line[pos] != '\r') return 0;
    return pos + 1 < line.size() && line[pos + 1] == '\n' ? 2 : 1;
}

using TSynByteSet = std::array<bool, 256>;

constexpr TSynByteSet ByteSet(std::string_view bytes) {
    TSynByteSet set{};
    for (unsigned char c : bytes)
        set[c] = true;
    return set;
}

template <class TPredicate> constexpr TSynByteSet ByteSetOf(TPredicate predicate) {
    TSynByteSet set{};
    for (int c = 0; c < 256; ++c)
        set[c] = predicate(static_cast<unsigned char>(c));
    return set;
}

inline constexpr TSynByteSet BlankBytes = ByteSetOf(IsBlank);

// The first position from `pos` on whose byte is in `set`; the line's length when none is.
inline size_t FindFirstOf(std::string_view line, size_t pos, const TSynByteSet& set) {
    while (pos < line.size() && !set[static_cast<unsigned char>(line[pos])])
        ++pos;
    return pos;
}

// The first position from `pos` on whose byte is not in `set`; the line's length when none is.
inline size_t SkipOver(std::string_view line, size_t pos, const TSynByteSet& set) {
    while (pos < line.size() && set[static_cast<unsigned char>(line[pos])])
        ++pos;
    return pos;
}

// The first position from `pos` on whose byte is one of `stops`; the line's length when none
// is. memchr passes many bytes a step, which pays on long lines (comments, data blocks).
inline size_t FindFirstByte(std::string_view line, size_t pos, std::initializer_list<char> stops) {
    if (pos >= line.size()) return line.size();
    size_t length = line.size() - pos;
    for (char stop : stops)
        if (const void* found = std::memchr(line.data() + pos, stop, length))
            length = static_cast<size_t>(static_cast<const char*>(found) - (line.data() + pos));
    return pos + length;
}

// Where a construct that runs to the end of the line stops: the first CR or LF from `pos` on.
inline size_t FindLineBreak(std::string_view line, size_t pos) {
    return FindFirstByte(line, pos, {'\r', '\n'});
}

// Where a construct that ends at `c` or with the line stops: the first `c`, CR or LF from `pos`.
inline size_t FindOnLine(std::string_view line, size_t pos, char c) {
    return FindFirstByte(line, pos, {c, '\r', '\n'});
}

// Past the whitespace token at `pos`: one line break (CR LF counting as one), or a run of blanks.
inline size_t SpaceTokenEnd(std::string_view line, size_t pos) {
    if (const size_t lineBreak = LineBreakLength(line, pos)) return pos + lineBreak;
    return SkipOver(line, pos, BlankBytes);
}

// The block comment closer "*/": true with `pos` past it when it comes before the line break,
// false with `pos` on the line break (or at the line's end). The caller's `pos` is past the
// opener, so that "/*/" stays open.
inline constexpr TSynByteSet CommentCloserStops = ByteSet("*\r\n");

inline bool ScanPastCommentCloser(std::string_view line, size_t& pos) {
    while ((pos = FindFirstOf(line, pos, CommentCloserStops)) < line.size() && line[pos] == '*') {
        if (pos + 1 < line.size() && line[pos + 1] == '/') {
            pos += 2;
            return true;
        }
        ++pos;
    }
    return false;
}

// The identifier bytes most languages share: ASCII digits, letters and '_'.
inline constexpr TSynIdentCharTable AsciiIdentCharTable =
    ByteSetOf([](unsigned char c) { return IsDigit(c) || IsLetter(c) || c == '_'; });

// The hash values most languages share: letters 1..26 in either case, '_' 31, all else 0.
inline constexpr TSynCharHashTable LetterCharHashTable = [] {
    TSynCharHashTable table{};
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<int16_t>(c - 'A' + 1);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<int16_t>(c - 'a' + 1);
    table['_'] = 31;
    return table;
}();

// A language's identifier characters and their hash values in one table, so that the word loop
// reads one entry per byte: the hash value, or WordEnd for a byte that cannot continue a word.
inline constexpr int16_t WordEnd = INT16_MIN;

constexpr TSynCharHashTable WordHashes(const TSynIdentCharTable& identChars,
                                       const TSynCharHashTable& charHash) {
    TSynCharHashTable table{};
    for (int c = 0; c < 256; ++c)
        table[c] = identChars[c] ? charHash[c] : WordEnd;
    return table;
}

// The end of the word that runs from `pos`; adds the hash values of its bytes to `hash`.
inline size_t ScanWord(std::string_view line, size_t pos, const TSynCharHashTable& wordHashes,
                       int& hash) {
    for (int value; pos < line.size() &&
                    (value = wordHashes[static_cast<unsigned char>(line[pos])]) != WordEnd;
         ++pos)
        hash += value;
    return pos;
}

// The word table of the shared identifier bytes and hash values.
inline constexpr TSynCharHashTable AsciiWordHashes = WordHashes(AsciiIdentCharTable, LetterCharHashTable);

} // namespace tavlo
