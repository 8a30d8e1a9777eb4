// XML highlighter: a state machine over the range, without keywords. Element and attribute
// names, values (namespace declarations in colours of their own), entity references, text,
// comments, processing instructions, CDATA sections and DOCTYPE declarations with an internal
// subset; everything but text and entity references may continue over line ends.
#pragma once

#include "highlighters/SynHighlighterMarkup.h"

namespace tavlo {

class TSynXMLSyn : public TSynMarkupHighlighter<TSynXMLSyn> {
public:
    enum TtKind : uint8_t {
        ttAposValue,
        ttAposEntityRef,
        ttAttrName,
        ttCData,
        ttComment,
        ttElementName,
        ttEntityRef,
        ttEqual,
        ttNull,
        ttProcessing,
        ttQuotValue,
        ttQuotEntityRef,
        ttSpace,
        ttSymbol,
        ttText,
        ttNsAposValue,
        ttNsAposEntityRef,
        ttNsAttrName,
        ttNsEqual,
        ttNsQuotValue,
        ttNsQuotEntityRef,
        ttDocType,
    };
    enum TRangeState : uint8_t {
        rgAposValue,
        rgAposEntityRef,
        rgAttribute, // inside a tag, expecting an attribute name
        rgCData,
        rgComment,
        rgElement, // after "<" or "</", expecting the element name
        rgEntityRef,
        rgEqual,
        rgProcessing,
        rgQuotValue,
        rgQuotEntityRef,
        rgText, // the start of a document
        rgNsAposValue,
        rgNsAposEntityRef,
        rgNsEqual,
        rgNsQuotValue,
        rgNsQuotEntityRef,
        rgDocType,
        rgDocTypeSubset, // inside the brackets of a DOCTYPE
    };
    static constexpr int RangeCount = rgDocTypeSubset + 1;

    static constexpr std::string_view BuiltinFilter =
        "XML Document (*.xml,*.xsd,*.xsl,*.xslt,*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd";
    static const TSynHighlighterClass ClassInfo;

    TSynXMLSyn();

    TSynHighlighterAttributes* ElementAttri;
    TSynHighlighterAttributes* TextAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* EntityRefAttri;
    TSynHighlighterAttributes* ProcessingInstructionAttri;
    TSynHighlighterAttributes* CDATAAttri;
    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* DocTypeAttri;
    TSynHighlighterAttributes* AttributeAttri;
    TSynHighlighterAttributes* NamespaceAttributeAttri;
    TSynHighlighterAttributes* AttributeValueAttri;
    TSynHighlighterAttributes* NamespaceAttributeValueAttri;
    TSynHighlighterAttributes* SymbolAttri;

    // Kept so that stored form data naming it loads; scanning does not depend on it.
    bool WantBracesParsed() const { return m_wantBracesParsed; }
    void SetWantBracesParsed(bool value) { m_wantBracesParsed = value; }

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    std::string LanguageTitle() const override;
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

private:
    friend class TSynMarkupHighlighter<TSynXMLSyn>;

    void BuildCharDispatch();
    void ScanToken();
    void TagOpenProc();
    // Characters without a handler of their own: the scanner of the range inside a tag.
    void RangeProc();
    void ElementProc();
    void AttributeProc();
    void EqualProc();
    void ValueProc(TtKind kind, char quote, TRangeState reference);
    void ReferenceProc(TtKind kind, TRangeState after);
    void TextProc();
    void CommentProc();
    // A processing instruction or CDATA section: up to the first ">" that `closer` precedes
    // in the line, or up to the end of the line.
    void BlockProc(TtKind kind, char closer);
    void DocTypeProc();
    void DocTypeSubsetBody();

    bool m_wantBracesParsed = true;
};

} // namespace tavlo
