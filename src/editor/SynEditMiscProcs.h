// Small helpers of the editor engine: 8-bit character classes and case mapping of the
// Windows-1250 code page (used on every machine, independent of the C locale), tab
// arithmetic and line splitting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "highlighters/SynEditHighlighter.h"

namespace tavlo {

uint8_t UpperCase1250(uint8_t c);
uint8_t LowerCase1250(uint8_t c);
bool IsAlpha1250(uint8_t c);
bool IsAlphaNumeric1250(uint8_t c);
std::string UpperCase1250(std::string_view text);
std::string LowerCase1250(std::string_view text);

// The display column (0-based) reached from `column` over bytes, each tab going on to the
// next stop (one column when tabs are a column wide); from tab to tab, so a long run without
// tabs costs one memchr.
int64_t ColumnAfter(int64_t column, std::string_view bytes, int tabWidth);
// A byte offset of a line and the display column (0-based) at which that byte starts: a
// place on the line from which columns can be counted on.
struct TColumnPoint {
    size_t Byte = 0;
    int64_t Column = 0;
};

// Display column (1-based) of the character index x on a line, tabs expanded; positions
// past the end count one column each. Counting starts at `from`, which lies at or before x.
int32_t CharToColumnOf(std::string_view line, int32_t x, int tabWidth, TColumnPoint from = {});
// Character index whose cell covers the display column; every column of a tab maps to it.
// Counting starts at `from`, whose column is at most the one asked for.
int32_t ColumnToCharOf(std::string_view line, int32_t column, int tabWidth, TColumnPoint from = {});

// Count of leading characters up to and including the space (tabs count one each).
int32_t LeadingWhiteCount(std::string_view line);
// Display width of the leading white space, tabs expanded.
int32_t LeadingWhiteWidth(std::string_view line, int tabWidth);
// White space reaching the given display width: tabs then spaces, or spaces only.
std::string IndentText(int32_t width, int tabWidth, bool spacesOnly);

std::string_view TrimRight(std::string_view text);
// Count of spaces a text ends with.
size_t TrailingBlanks(std::string_view text);
// Trailing spaces of a line once `removed` characters at `at` are replaced by text, found
// without building the edited line.
size_t SplicedTrailingBlanks(std::string_view line, size_t at, size_t removed, std::string_view text);
// Length a line of `length` characters ending in `blanks` spaces keeps when trimmed: the
// `keptBlanks` spaces it ended with before the edit stay, so trimming never removes bytes
// that were already there, and it never gets shorter than `keep`.
size_t TrimmedLength(size_t length, size_t blanks, size_t keptBlanks, size_t keep);
// Where text inserted so that it ends at `head` of a line of `length` characters ends once
// the line is stored with `stored` characters: the spaces trimming removed count as the
// inserted text's own (blanks are alike), so the line's old text keeps its place.
size_t InsertionEnd(std::string_view inserted, size_t head, size_t length, size_t stored);

// Pieces of a text between line breaks (CR LF, lone CR or lone LF); always at least one.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace tavlo
