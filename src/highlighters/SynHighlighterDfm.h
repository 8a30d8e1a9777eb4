// Form-file highlighter: the text form of stored form definitions, with the structure words
// object, inherited and end, and brace blocks (comments and binary data) that span lines.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynDfmSyn final : public TSynCustomHighlighter {
public:
    enum TtKind : uint8_t {
        ttComment,
        ttIdentifier,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttString,
        ttSymbol,
        ttUnknown,
    };
    enum TRangeState : uint8_t { rgUnused, rgBraceComment, rgNone };

    static const TSynHighlighterClass ClassInfo;

    TSynDfmSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* StringAttri;

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    std::string LanguageTitle() const override;

    void NextToken() override;
    void SkipToLineEnd() override {
        while (CurrentKind != ttNull)
            NextToken();
    }
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override { return CurrentKind; }
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

private:
    using THandler = void (TSynDfmSyn::*)();

    void BuildCharDispatch();
    void SpaceProc();
    void BraceOpenProc();
    void BraceCloseProc();
    void StringProc();
    void CharCodeProc();
    void HexProc();
    void NumberProc();
    void SymbolProc();
    void EndProc();
    void InheritedProc();
    void ObjectProc();
    void IdentProc();
    void UnknownProc();
    void BraceCommentProc();
    void ScanBraceCommentBody();
    // A structure word, when the letters at ScanPos spell it and no identifier goes on.
    void KeyOrIdent(std::string_view word);

    std::array<THandler, 256> CharDispatch;
    // Drawn for symbols without being a published property of its own.
    TSynHighlighterAttributes* SymbolAttri;
    std::array<TSynHighlighterAttributes*, ttUnknown + 1> KindAttributes{};
    int CurrentKind = ttNull;
    TRangeState RangeState = rgNone;
};

} // namespace tavlo
