// HTML highlighter: text, tags looked up in a fixed list of tag names, attribute names and
// values, comments, server-script blocks opened by "<%" and character references.
#pragma once

#include "highlighters/SynHighlighterMarkup.h"

namespace tavlo {

class TSynHTMLSyn : public TSynMarkupHighlighter<TSynHTMLSyn> {
public:
    enum TtKind : uint8_t {
        ttAmpersand,
        ttAsp,
        ttComment,
        ttIdentifier,
        ttKey,
        ttNull,
        ttSpace,
        ttString,
        ttSymbol,
        ttText,
        ttUndefKey,
        ttValue,
    };
    enum TRangeState : uint8_t {
        rgEntity,       // a character reference starts at the scan position
        rgServerScript, // inside "<% ... %>"
        rgComment,      // inside "<!-- ... -->"
        rgTagName,      // just after "<"
        rgTagBody,      // inside a tag after its name
        rgText,         // between tags; the start of a document
        rgUnused,       // never produced; scans as rgTagBody
        rgAttrValue,    // after "=" inside a tag
    };
    static constexpr int RangeCount = rgAttrValue + 1;

    static constexpr std::string_view BuiltinFilter = "HTML Document (*.htm,*.html)|*.htm;*.html";
    static const TSynHighlighterClass ClassInfo;

    TSynHTMLSyn();

    TSynHighlighterAttributes* ASPAttri;
    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* SymbolAttri;
    TSynHighlighterAttributes* TextAttri;
    TSynHighlighterAttributes* UndefKeyAttri;
    TSynHighlighterAttributes* ValueAttri;
    TSynHighlighterAttributes* AndAttri;

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    std::string LanguageTitle() const override;

    void StartLine(std::string_view lineText, int lineIndex) override;
    // Between tokens the state is the range and the character reference the text before it
    // found.
    bool ResumesMidLine() const override { return true; }
    TSynScanState CaptureScanState() const override;
    void ResumeLine(std::string_view lineText, int lineIndex, size_t offset,
                    const TSynScanState& state) override;

private:
    friend class TSynMarkupHighlighter<TSynHTMLSyn>;

    void BuildCharDispatch();
    void ScanToken();
    void QuoteProc();
    void AmpersandProc();
    void TagOpenProc();
    void EqualProc();
    void WordProc();
    void TagNameProc();
    void TextProc();
    // A comment or server-script block: up to the first ">" that `closerCount` characters
    // `closer` precede in the line, or up to the end of the line.
    void BlockProc(TtKind kind, char closer, size_t closerCount);

    // The character reference the text scanner stopped before (position in the list), or -1.
    int EntityIndex = -1;
};

} // namespace tavlo
