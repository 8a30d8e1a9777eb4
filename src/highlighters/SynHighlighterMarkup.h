// Scanning steps the markup highlighters (HTML and XML) share. Each takes the line and a
// position inside it and never reads past the line.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavlo::markup {

// Where a construct that runs to the end of the line stops early: a zero byte, CR or LF each
// become a blank token of their own, and the construct goes on after them.
constexpr bool BreaksConstruct(unsigned char c) {
    return c == 0 || c == '\n' || c == '\r';
}

// Past the blank token starting at `pos` (a control character or blank): a line break (CR with
// the LF after it, or a lone CR or LF) alone; otherwise its first byte and the following
// blanks, where a tab, zero byte, CR or LF starts a token of its own.
inline size_t BlankTokenEnd(std::string_view line, size_t pos) {
    if (line[pos] == '\r' || line[pos] == '\n')
        return line[pos] == '\r' && pos + 1 < line.size() && line[pos + 1] == '\n' ? pos + 2
                                                                                   : pos + 1;
    for (++pos; pos < line.size(); ++pos) {
        const auto c = static_cast<unsigned char>(line[pos]);
        if (c > 32 || c == '\t' || BreaksConstruct(c)) break;
    }
    return pos;
}

// Whether the `count` bytes before `pos` in the line are all `c`.
inline bool PrecededBy(std::string_view line, size_t pos, char c, size_t count) {
    if (pos < count) return false;
    for (size_t i = 1; i <= count; ++i)
        if (line[pos - i] != c) return false;
    return true;
}

} // namespace tavlo::markup
