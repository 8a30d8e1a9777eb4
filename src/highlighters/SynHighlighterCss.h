// Cascading style sheet highlighter: property names and units from a fixed list (matched
// ignoring case), numbers and colour codes, single-quoted strings, block comments that may
// span lines, and punctuation.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynCssSyn : public TSynCustomHighlighter {
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
    enum TRangeState : uint8_t { rgNone, rgComment };

    static constexpr std::string_view BuiltinFilter = "Cascading Stylesheets (*.css)|*.css";
    static const TSynHighlighterClass ClassInfo;

    TSynCssSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* StringAttri;
    TSynHighlighterAttributes* SymbolAttri;

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    std::string LanguageTitle() const override;

    void NextToken() override;
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override { return CurrentKind; }
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

private:
    using THandler = void (TSynCssSyn::*)();

    void BuildCharDispatch();
    void SpaceProc();
    void LineBreakProc();
    void HexColourProc();
    void StringProc();
    void SymbolProc();
    void MinusProc();
    void SlashProc();
    void NumberProc();
    void WordProc();
    void BraceProc();
    void UnknownProc();
    void CommentProc();
    void ScanCommentBody();

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, ttUnknown + 1> KindAttributes{};
    TtKind CurrentKind = ttNull;
    TRangeState RangeState = rgNone;
};

} // namespace tavlo
