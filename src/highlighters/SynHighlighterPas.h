// Object Pascal highlighter: version- and context-dependent reserved words, three comment forms,
// directives, asm blocks, strings, character codes and numbers.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

enum TDelphiVersion : uint8_t { dvDelphi1, dvDelphi2, dvDelphi3, dvDelphi4, dvDelphi5, dvDelphi6 };

class TSynPasSyn : public TSynCustomHighlighter {
public:
    enum TtKind : uint8_t {
        ttAsm,
        ttComment,
        ttIdentifier,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttString,
        ttSymbol,
        ttUnknown,
        ttFloat,
        ttHex,
        ttDirective,
        ttChar,
    };
    enum TRangeState : uint8_t {
        rgUnused,
        rgParenComment,
        rgParenCommentAsm,
        rgAsm,
        rgBraceComment,
        rgBraceCommentAsm,
        rgPropertyDecl,
        rgExportsClause,
        rgNone,
    };

    static constexpr std::string_view BuiltinFilter =
        "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc";
    static const TSynHighlighterClass ClassInfo;

    TSynPasSyn();

    TSynHighlighterAttributes* AsmAttri;
    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* DirectiveAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* FloatAttri;
    TSynHighlighterAttributes* HexAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* StringAttri;
    TSynHighlighterAttributes* CharAttri;
    TSynHighlighterAttributes* SymbolAttri;

    TDelphiVersion DelphiVersion() const { return m_delphiVersion; }
    void SetDelphiVersion(TDelphiVersion version);
    bool PackageSource() const { return m_packageSource; }
    void SetPackageSource(bool value);
    bool D4syntax() const { return m_delphiVersion >= dvDelphi4; }

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    bool StoresFilter() const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    TSynHighlighterCapabilities Features() const override;
    std::string LanguageTitle() const override;

    void NextToken() override;
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override;
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

protected:
    using THandler = void (TSynPasSyn::*)();
    bool SharesSampleWith(const TSynCustomHighlighter& source) const override;
    // Kind names by ordinal, one more than Pascal has: the section of the Schema highlighter.
    static const std::array<std::string_view, 15> KindNames;

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, 16> KindAttributes{}; // by TokenKindOrdinal
    int CurrentKind = ttNull;
    TRangeState RangeState = rgNone;
    bool AsmStarting = false;

private:
    void BuildCharDispatch();
    void SpaceProc();
    void LineBreakProc();
    void CharCodeProc();
    void HexProc();
    void StringProc();
    void RoundOpenProc();
    void PointProc();
    void SlashProc();
    void NumberProc();
    void ColonOrGreaterProc();
    void SemicolonProc();
    void LowerProc();
    void AddressOpProc();
    void IdentProc();
    void BraceOpenProc();
    void UnknownProc();
    void SymbolProc();
    void ParenCommentProc();
    void BraceCommentProc();
    void ScanParenCommentBody();
    void SymbolOfLength(size_t length);
    bool KeywordApplies(int keywordIndex) const;

    TDelphiVersion m_delphiVersion = dvDelphi6;
    bool m_packageSource = true;
};

} // namespace tavlo
