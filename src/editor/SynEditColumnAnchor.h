// A remembered column inside one long line. Finding the column of a byte deep in a long line
// with tabs means counting every tab before it; the caret asks for its column several times
// a key, each time a byte or two from where it asked before. The anchor keeps the column of
// a byte a little behind the last one asked for, so that the next count starts there. The
// line list tells it of every change, and a change before the byte it keeps, or one
// that moves the line, makes it forget.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/SynEditMiscProcs.h"

namespace tavlo {

class TSynEditColumnAnchor {
public:
    // Shorter lines are counted from their start: it costs less than keeping the anchor.
    static constexpr size_t LongLine = 64 * 1024;
    // How far behind the byte asked for the anchor stays, so that a caret going back a few
    // keys (Backspace, Left) still counts from it.
    static constexpr size_t Trail = 4 * 1024;

    // A point at or before byte `at` of line `index` (whose bytes are `text`) from which to
    // count on; the line start when nothing nearer is known.
    TColumnPoint PointBefore(int32_t index, std::string_view text, size_t at, int tabWidth);
    // A point whose column is at most `column`, for counting columns on to a byte.
    TColumnPoint PointBeforeColumn(int32_t index, std::string_view text, int64_t column, int tabWidth) const;

    // Bytes from `from` on changed in line `index`.
    void LineEdited(int32_t index, size_t from);
    // Lines were inserted, removed or exchanged from line `index` on.
    void LinesMoved(int32_t index);
    void Forget() { m_index = -1; }

private:
    bool holds(int32_t index, int tabWidth) const { return index == m_index && tabWidth == m_tabWidth; }

    int32_t m_index = -1;
    int m_tabWidth = 0;
    TColumnPoint m_point;
};

} // namespace tavlo
