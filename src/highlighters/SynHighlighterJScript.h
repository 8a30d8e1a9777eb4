// JavaScript highlighter: reserved words, the browser's object, property and method names,
// event-handler names, block and line comments, quoted strings, decimal and hexadecimal
// numbers and operators.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynJScriptSyn : public TSynCustomHighlighter {
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
        ttNonReservedKey,
        ttEvent,
    };
    enum TRangeState : uint8_t { rgNone, rgBlockComment };

    static constexpr std::string_view BuiltinFilter = "Javascript Files (*.js)|*.js";
    static const TSynHighlighterClass ClassInfo;

    TSynJScriptSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NonReservedKeyAttri;
    TSynHighlighterAttributes* EventAttri;
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

private:
    using THandler = void (TSynJScriptSyn::*)();

    void BuildCharDispatch();
    void SpaceProc();
    void LineBreakProc();
    void StringProc();
    void UnknownProc();
    void SymbolProc();
    void SymbolOrAssignProc();
    void DoubledOrAssignProc();
    void MinusProc();
    void PointProc();
    void SlashProc();
    void NumberProc();
    void IdentProc();
    void BlockCommentProc();
    void ScanBlockCommentBody();
    void SymbolOfLength(size_t length);

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, ttEvent + 1> KindAttributes{};
    TtKind CurrentKind = ttNull;
    TRangeState RangeState = rgNone;
};

} // namespace tavlo
