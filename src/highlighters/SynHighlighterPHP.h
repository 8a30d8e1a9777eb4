// PHP highlighter: reserved words in any letter case, $-variables, quoted strings that run over
// lines, block comments and "#" and "//" line comments. The surrounding HTML and the script
// delimiters are not its business: "<" and "?" are plain symbols.
#pragma once

#include "highlighters/SynHighlighterCStyle.h"

namespace tavlo {

class TSynPHPSyn : public TSynCStyleScanner {
public:
    enum TtKind : uint8_t {
        ttComment,
        ttIdentifier,
        ttInvalidSymbol,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttString,
        ttSymbol,
        ttUnknown,
        ttVariable,
    };
    enum TRangeState : uint8_t { rgNone, rgSingleQuoted, rgDoubleQuoted, rgBlockComment };

    static constexpr std::string_view BuiltinFilter =
        "PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc";
    static const TSynHighlighterClass ClassInfo;

    TSynPHPSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* InvalidSymbolAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* StringAttri;
    TSynHighlighterAttributes* SymbolAttri;
    TSynHighlighterAttributes* VariableAttri;

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
    void LineCommentProc();
    void SlashProc();
    void VariableProc();
    void InvalidSymbolProc();
    void NumberProc();
    void IdentProc();
    void EqualProc();
    void LowerProc();
    void StringContinueProc();
    void BlockCommentContinueProc();
    void ScanStringBody();

    TRangeState RangeState = rgNone;
};

} // namespace tavlo
