// C and C++ highlighter: case-sensitive reserved words (with the vendor calling-convention
// words), preprocessor lines with continuation and embedded comments, block and line comments,
// strings and character literals with escapes, and a number grammar that marks malformed
// numbers.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynCppSyn : public TSynCustomHighlighter {
public:
    enum TtKind : uint8_t {
        ttAsm, // never produced; kept so that the ordinals stay as stored
        ttComment,
        ttDirective,
        ttIdentifier,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttString,
        ttSymbol,
        ttUnknown,
        ttChar,
        ttFloat,
        ttHex,
        ttOctal,
    };
    // Stored per line; the gaps are ordinals no scan produces (see RestoreRange).
    enum TRangeState : uint8_t {
        rgNone = 0,
        rgBlockComment = 1,
        rgAsm = 4,
        rgDirectiveComment = 7,
        rgStringCont = 10,
        rgDirectiveCont = 11,
    };

    static constexpr std::string_view BuiltinFilter =
        "C++ Files (*.c,*.cpp,*.h,*.hpp)|*.c;*.cpp;*.h;*.hpp";
    static const TSynHighlighterClass ClassInfo;

    TSynCppSyn();

    TSynHighlighterAttributes* AsmAttri;
    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* InvalidAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* CharAttri;
    TSynHighlighterAttributes* FloatAttri;
    TSynHighlighterAttributes* HexAttri;
    TSynHighlighterAttributes* OctalAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* StringAttri;
    TSynHighlighterAttributes* SymbolAttri;
    TSynHighlighterAttributes* DirecAttri;

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    TSynHighlighterCapabilities Features() const override;
    std::string LanguageTitle() const override;

    void NextToken() override;
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override { return CurrentKind; }
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    bool ResumesMidLine() const override { return true; }
    // The range, and whether only blanks come before: a "#" is a directive only then.
    TSynScanState CaptureScanState() const override;

private:
    using THandler = void (TSynCppSyn::*)();

    void BuildCharDispatch();
    void SpaceProc();
    void LineBreakProc();
    void StringProc();
    void CharProc();
    void DirectiveProc();
    void NumberProc();
    void PointProc();
    void SlashProc();
    void IdentProc();
    void UnknownProc();
    void SymbolProc();
    void SymbolWithEqualsProc();
    void AndProc();
    void PlusProc();
    void MinusProc();
    void ColonProc();
    void LowerProc();
    void GreaterProc();
    void OrProc();
    void BlockCommentProc();
    void StringContProc();
    void DirectiveContProc();

    void SymbolOfLength(size_t length);
    void ScanBlockCommentBody();
    void ScanStringBody();
    void ScanDirectiveBody();
    void ScanLineComment();
    bool TokenHasLetter(char lower) const;
    bool OnlyBlanksBefore(size_t pos) const;

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, ttOctal + 1> KindAttributes{};
    TtKind CurrentKind = ttNull;
    TRangeState RangeState = rgNone;
};

} // namespace tavlo
