// INI highlighter: section headers, keys, values, comments; every line is scanned on its own.
#pragma once

#include "highlighters/SynEditHighlighter.h"

#include <array>

namespace tavlo {

class TSynIniSyn final : public TSynCustomHighlighter {
public:
    enum TtKind : uint8_t {
        ttComment,
        ttText,
        ttSection,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttString,
        ttSymbol,
        ttUnknown,
    };

    static const TSynHighlighterClass ClassInfo;

    TSynIniSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* TextAttri;
    TSynHighlighterAttributes* SectionAttri;
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
    void SkipToLineEnd() override {
        while (CurrentKind != ttNull)
            NextToken();
    }
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override { return CurrentKind; }
    // No state is kept between tokens: only whether a token starts the line decides how it
    // scans, and the offset a scan resumes at says that.
    bool ResumesMidLine() const override { return true; }

private:
    using THandler = void (TSynIniSyn::*)();

    void BuildCharDispatch();
    bool AtLineStart() const { return TokenStartPos == 0; }
    void SpaceProc();
    void SectionOpenProc();
    void SemicolonProc();
    void EqualProc();
    void StringProc();
    void NumberProc();
    void TextProc();
    void KeyProc();

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, ttUnknown + 1> KindAttributes{};
    int CurrentKind = ttNull;
};

} // namespace tavlo
