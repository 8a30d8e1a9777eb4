// What the scanners of languages with C-style operators share: the token state, the first-byte
// dispatch with its common entries, and the handlers for blanks, line breaks, unknown bytes and
// operators of one to three characters. Each language adds its own kinds and handlers.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynCStyleScanner : public TSynCustomHighlighter {
public:
    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    bool AtLineEnd() const override { return CurrentKind == m_kinds.Null; }
    TSynHighlighterAttributes* TokenAttribute() const override { return KindAttributes[CurrentKind]; }
    int TokenKindOrdinal() const override { return CurrentKind; }

protected:
    // The language's ordinals of the kinds the shared handlers produce.
    struct TSharedKinds {
        uint8_t Null;
        uint8_t Space;
        uint8_t Symbol;
        uint8_t Unknown;
    };
    using THandler = void (TSynCStyleScanner::*)();

    explicit TSynCStyleScanner(TSharedKinds kinds);

    // Blanks, line breaks, bytes from 127 (unknown) and one-character symbols; digits and
    // identifier starts go to the language's handlers.
    void BuildSharedDispatch(THandler number, THandler identifier);
    // Starts a token at ScanPos; at the end of the line makes it the end-of-line token and
    // answers false.
    bool StartToken() {
        TokenStartPos = ScanPos;
        if (!AtEnd(ScanPos)) return true;
        CurrentKind = m_kinds.Null;
        return false;
    }
    void Dispatch() { (this->*CharDispatch[CharAt(ScanPos)])(); }

    void SpaceProc();
    void LineBreakProc();
    void UnknownProc();
    void SymbolProc();
    // "%=", "*=", "!=", "^=".
    void SymbolOrAssignProc();
    // "&&", "&=", "++", "+=", "||", "|=", ">>", ">=".
    void DoubledOrAssignProc();
    // "--", "-=", "->".
    void MinusProc();
    void SymbolOfLength(size_t length);

    std::array<THandler, 256> CharDispatch{};
    std::array<TSynHighlighterAttributes*, 16> KindAttributes{}; // by kind ordinal
    TSynCategoryAttributes Categories{};
    int CurrentKind;

private:
    TSharedKinds m_kinds;
};

} // namespace tavlo
