// Word boundaries around the caret and at a position.
#include "editor/SynEdit.h"

namespace tavlo {

namespace {

// First 1-based index >= start whose character is in the set; 0 when none.
int32_t scanForward(const TSynCharSet& set, std::string_view line, int32_t start) {
    for (int32_t i = std::max(start, 1); i <= int32_t(line.size()); ++i)
        if (set.test(uint8_t(line[size_t(i - 1)]))) return i;
    return 0;
}

// Last 1-based index <= start whose character is in the set; 0 when none.
int32_t scanBackward(const TSynCharSet& set, std::string_view line, int32_t start) {
    for (int32_t i = std::min(start, int32_t(line.size())); i >= 1; --i)
        if (set.test(uint8_t(line[size_t(i - 1)]))) return i;
    return 0;
}

bool charIn(const TSynCharSet& set, std::string_view line, int32_t index) {
    return index >= 1 && index <= int32_t(line.size()) && set.test(uint8_t(line[size_t(index - 1)]));
}

TSynCharSet gapSet(const TSynCharSet& wordChars) {
    TSynCharSet gap = ~wordChars;
    gap.reset(0);
    return gap;
}

// Extends over set characters right from x and left from x - 1; 1-based [start, end).
std::pair<int32_t, int32_t> wordAround(const TSynCharSet& set, std::string_view line, int32_t x) {
    int32_t end = x, start = x;
    while (charIn(set, line, end)) ++end;
    while (charIn(set, line, start - 1)) --start;
    return {start, end};
}

} // namespace

TSynCharSet TCustomSynEdit::wordCharSet() const {
    if (m_highlighter) return m_highlighter->WordChars() & ~m_highlighter->BreakChars();
    return CharRange(33, 255) & ~MakeCharSet("!\"'()*+,-./:;=?[\\]^{|}");
}

TSynCharSet TCustomSynEdit::selectWordCharSet() const {
    if (m_highlighter) return m_highlighter->WordChars();
    TSynCharSet set;
    for (int c = 1; c < 256; ++c)
        if (IsAlphaNumeric1250(uint8_t(c))) set.set(size_t(c));
    return set;
}

TSynCharSet TCustomSynEdit::identifierCharSet() const {
    if (m_highlighter) return m_highlighter->WordChars();
    return CharRange('A', 'Z') | CharRange('a', 'z');
}

TBufferCoord TCustomSynEdit::WordStartAtCaret() const {
    std::string_view line = lineText(m_caretLine);
    TSynCharSet gap = gapSet(wordCharSet());
    int32_t x = std::min(m_caretChar, int32_t(line.size()) + 1);
    if (x > 1 && !charIn(gap, line, x - 1)) x = scanBackward(gap, line, x - 1) + 1;
    return {x, m_caretLine};
}

TBufferCoord TCustomSynEdit::WordEndAtCaret() const {
    std::string_view line = lineText(m_caretLine);
    int32_t x = scanForward(gapSet(wordCharSet()), line, m_caretChar);
    if (x == 0) x = int32_t(line.size()) + 1;
    return {x, m_caretLine};
}

TBufferCoord TCustomSynEdit::NextWordStart() const {
    std::string_view line = lineText(m_caretLine);
    TSynCharSet word = wordCharSet();
    int32_t n = int32_t(line.size());
    if (m_caretChar < n) {
        int32_t x = m_caretChar;
        if (charIn(word, line, x)) x = scanForward(gapSet(word), line, x);
        if (x > 0) x = scanForward(word, line, x);
        if (x == 0) x = n + 1;
        return {x, m_caretLine};
    }
    if (m_caretLine < m_lines->Count()) {
        int32_t x = scanForward(word, lineText(m_caretLine + 1), 1);
        return {std::max(x, 1), m_caretLine + 1};
    }
    return CaretPos();
}

TBufferCoord TCustomSynEdit::PrevWordStart() const {
    std::string_view line = lineText(m_caretLine);
    TSynCharSet word = wordCharSet();
    TSynCharSet gap = gapSet(word);
    int32_t x = std::min(m_caretChar, int32_t(line.size()) + 1);
    auto previousLineEnd = [this]() -> TBufferCoord { return {lineLength(m_caretLine - 1) + 1, m_caretLine - 1}; };
    if (x <= 1) return m_caretLine > 1 ? previousLineEnd() : CaretPos();
    if (charIn(gap, line, x - 1)) x = scanBackward(word, line, x - 1);
    if (x > 0) x = scanBackward(gap, line, x - 1) + 1;
    if (x == 0) return m_caretLine > 1 ? previousLineEnd() : TBufferCoord{1, m_caretLine};
    return {x, m_caretLine};
}

void TCustomSynEdit::SelectWordAt(TBufferCoord p) {
    p.Line = std::max(1, std::min(p.Line, m_lines->Count()));
    std::string_view line = lineText(p.Line);
    p.Char = clampInt(p.Char, 1, std::max(m_maxLeftChar, int32_t(line.size()) + 1));
    PaintLock lock(*this);
    if (p.Char >= int32_t(line.size()) + 1) {
        TBufferCoord end{int32_t(line.size()) + 1, p.Line};
        SetCaretPos(end);
        PlaceAnchor(end);
        return;
    }
    auto [start, end] = wordAround(selectWordCharSet(), line, p.Char);
    SetCaretPos({end, p.Line});
    PlaceAnchor({start, p.Line});
    ExtendSelection({end, p.Line});
    invalidateLines(p.Line, p.Line);
    statusChanged(stSelection);
}

std::string TCustomSynEdit::WordTextAt(TBufferCoord p) const {
    if (p.Line < 1 || p.Line > m_lines->Count()) return {};
    std::string_view line = lineText(p.Line);
    if (p.Char <= 0 || p.Char > int32_t(line.size()) + 1) return {};
    auto [start, end] = wordAround(identifierCharSet(), line, p.Char);
    return std::string(line.substr(size_t(start - 1), size_t(end - start)));
}

std::string TCustomSynEdit::WordAtCaret() {
    TBufferCoord start = WordStartAtCaret(), end = WordEndAtCaret();
    std::string_view line = lineText(m_caretLine);
    size_t from = std::min(line.size(), size_t(start.Char - 1));
    size_t to = std::min(line.size(), size_t(std::max(end.Char, start.Char) - 1));
    return std::string(line.substr(from, to - from));
}

} // namespace tavlo
