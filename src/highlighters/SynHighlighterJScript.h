// JavaScript highlighter: reserved words, the browser's object, property and method names,
// event-handler names, block and line comments, quoted strings, decimal and hexadecimal
// numbers and operators.
#pragma once

#include "highlighters/SynHighlighterCStyle.h"

namespace tavlo {

class TSynJScriptSyn : public TSynCStyleScanner {
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

    std::string SampleText() const override;
    std::string LanguageTitle() const override;

    void NextToken() override;
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

private:
    void StringProc();
    void PointProc();
    void SlashProc();
    void NumberProc();
    void IdentProc();
    void BlockCommentProc();

    TRangeState RangeState = rgNone;
};

} // namespace tavlo
