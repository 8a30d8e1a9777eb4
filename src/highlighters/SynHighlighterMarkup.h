// What the markup highlighters (HTML and XML) share: scanning steps that take the line and a
// position inside it and never read past the line, and the token loop over their ranges.
#pragma once

#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterScanning.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavlo {
namespace markup {

// Where a construct that runs to the end of the line stops early: a zero byte, CR or LF each
// become a blank token of their own, and the construct goes on after them.
constexpr bool BreaksConstruct(unsigned char c) {
    return c == 0 || c == '\n' || c == '\r';
}

// The blanks that continue a blank token: a tab, zero byte, CR or LF starts a token of its own.
inline constexpr TSynByteSet BlankRunBytes =
    ByteSetOf([](unsigned char c) { return c <= 32 && c != '\t' && !BreaksConstruct(c); });

// Past the blank token starting at `pos` (a control character or blank): a line break (CR with
// the LF after it, or a lone CR or LF) alone; otherwise its first byte and the following blanks.
inline size_t BlankTokenEnd(std::string_view line, size_t pos) {
    if (const size_t lineBreak = LineBreakLength(line, pos)) return pos + lineBreak;
    return SkipOver(line, pos + 1, BlankRunBytes);
}

// Bytes that end a run of text: control characters, "<" and the "&" of a possible reference.
inline constexpr TSynByteSet TextStops = ByteSetOf([](unsigned char c) { return c < 32 || c == '<' || c == '&'; });

// Whether the `count` bytes before `pos` in the line are all `c`.
inline bool PrecededBy(std::string_view line, size_t pos, char c, size_t count) {
    if (pos < count) return false;
    for (size_t i = 1; i <= count; ++i)
        if (line[pos - i] != c) return false;
    return true;
}

} // namespace markup

// The token loop of a markup scanner TScanner derived from this class. TScanner supplies the
// kinds ttNull, ttSpace and ttSymbol, the ranges rgText (the start of a document) and
// RangeCount (one past the last), and ScanToken: one step in the current range, which takes
// the characters of a token or, while it hands over to another range, none.
template <class TScanner> class TSynMarkupHighlighter : public TSynCustomHighlighter {
public:
    TSynMarkupHighlighter() : CurrentKind(TScanner::ttNull), RangeState(TScanner::rgText) {}

    // A step that takes no character changes the range and the scan goes on, so that no
    // token is empty.
    void NextToken() override {
        do {
            TokenStartPos = ScanPos;
            if (AtEnd(ScanPos)) {
                CurrentKind = TScanner::ttNull;
                return;
            }
            static_cast<TScanner&>(*this).ScanToken();
        } while (ScanPos == TokenStartPos);
    }
    // Without a virtual call per token, for the range upkeep of whole documents.
    void SkipToLineEnd() override {
        while (CurrentKind != TScanner::ttNull)
            TSynMarkupHighlighter::NextToken();
    }
    bool AtLineEnd() const override { return CurrentKind == TScanner::ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override {
        return KindAttributes[CurrentKind];
    }
    int TokenKindOrdinal() const override { return CurrentKind; }
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override {
        // A value no scan produced (a line without a stored range) starts as text.
        const bool known = range >= 0 && range < TScanner::RangeCount;
        RangeState = static_cast<uint8_t>(known ? range : TScanner::rgText);
    }
    void ClearRange() override { RangeState = TScanner::rgText; }

protected:
    using THandler = void (TScanner::*)();

    void Dispatch() { (static_cast<TScanner&>(*this).*CharDispatch[CharAt(ScanPos)])(); }
    void SpaceProc() {
        CurrentKind = TScanner::ttSpace;
        ScanPos = markup::BlankTokenEnd(Line, ScanPos);
    }
    void GreaterProc() {
        CurrentKind = TScanner::ttSymbol;
        ++ScanPos;
        RangeState = TScanner::rgText;
    }

    std::array<THandler, 256> CharDispatch{};
    std::vector<TSynHighlighterAttributes*> KindAttributes; // by kind ordinal
    uint8_t CurrentKind;
    uint8_t RangeState;
};

} // namespace tavlo
