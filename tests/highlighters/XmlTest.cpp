#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterXML.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tavlo {
namespace {

using namespace std::literals;
using X = TSynXMLSyn;
using test::Tokens;
using TTokens = std::vector<test::TToken>;

TTokens TokensFromText(std::string_view line) {
    TSynXMLSyn xml;
    return Tokens(xml, line);
}

TEST(XmlHighlighter, DefaultsAndAnswers) {
    TSynXMLSyn xml;
    EXPECT_EQ(xml.LanguageTitle(), "XML document");
    EXPECT_EQ(xml.DefaultFilter(),
              "XML Document (*.xml,*.xsd,*.xsl,*.xslt,*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd");
    EXPECT_TRUE(xml.StoresFilter());
    EXPECT_EQ(xml.WordChars(), IdentifierWordChars() | MakeCharSet("-."));
    EXPECT_FALSE(xml.WordChars()[':']);
    EXPECT_EQ(xml.CurrentRange(), X::rgText);
    EXPECT_TRUE(xml.WantBracesParsed());

    std::vector<std::string> names;
    for (int i = 0; i < xml.AttributeCount(); ++i)
        names.push_back(xml.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Attribute Name", "Attribute Value", "CDATA Section", "Comment",
                         "DOCTYPE Section", "Element Name", "Entity Reference",
                         "Namespace Attribute Name", "Namespace Attribute Value",
                         "Processing Instruction", "Symbol", "Text", "Whitespace"}));
    struct TDefault {
        TSynHighlighterAttributes* Attribute;
        TColor Foreground;
        TColor Background;
        TFontStyles Style;
    };
    for (const TDefault& want : {
             TDefault{xml.ElementAttri, clMaroon, clNone, fsBold},
             TDefault{xml.TextAttri, clBlack, clNone, fsBold},
             TDefault{xml.SpaceAttri, clNone, clNone, 0},
             TDefault{xml.EntityRefAttri, clBlue, clNone, fsBold},
             TDefault{xml.ProcessingInstructionAttri, clBlue, clNone, 0},
             TDefault{xml.CDATAAttri, clOlive, clNone, fsItalic},
             TDefault{xml.CommentAttri, clGray, clSilver, fsBold | fsItalic},
             TDefault{xml.DocTypeAttri, clBlue, clNone, fsItalic},
             TDefault{xml.AttributeAttri, clMaroon, clNone, 0},
             TDefault{xml.NamespaceAttributeAttri, clRed, clNone, 0},
             TDefault{xml.AttributeValueAttri, clNavy, clNone, fsBold},
             TDefault{xml.NamespaceAttributeValueAttri, clRed, clNone, fsBold},
             TDefault{xml.SymbolAttri, clBlue, clNone, 0},
         }) {
        EXPECT_EQ(want.Attribute->Foreground(), want.Foreground) << want.Attribute->Name();
        EXPECT_EQ(want.Attribute->Background(), want.Background) << want.Attribute->Name();
        EXPECT_EQ(want.Attribute->Style(), want.Style) << want.Attribute->Name();
    }

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        xml.CommentAttri, xml.AttributeAttri, xml.ElementAttri,
        nullptr,          xml.SpaceAttri,     xml.SymbolAttri};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(xml.CategoryAttribute(i), byCategory[i]) << i;
    EXPECT_EQ(xml.CategoryAttribute(6), nullptr);

    const std::string sample = xml.SampleText();
    EXPECT_EQ(std::count(sample.begin(), sample.end(), '\n'), 6);
    EXPECT_EQ(std::count(sample.begin(), sample.end(), '\r'), 6);
    std::set<int> kinds;
    xml.ClearRange();
    for (const std::string& line : test::SplitLines(sample))
        for (const auto& [text, kind] : Tokens(xml, line))
            kinds.insert(kind);
    EXPECT_EQ(kinds, (std::set<int>{X::ttAttrName, X::ttCData, X::ttComment, X::ttDocType,
                                    X::ttElementName, X::ttEqual, X::ttProcessing,
                                    X::ttQuotEntityRef, X::ttSpace, X::ttSymbol}));
    EXPECT_EQ(xml.CurrentRange(), X::rgText);
}

TEST(XmlHighlighter, MainWindowColours) {
    TSynXMLSyn xml;
    ConfigureMainWindowXml(xml);
    EXPECT_EQ(xml.ElementAttri->Style(), 0);
    EXPECT_EQ(xml.AttributeValueAttri->Foreground(), clBlack);
    EXPECT_EQ(xml.CommentAttri->Background(), clNone);
    EXPECT_EQ(xml.CommentAttri->Style(), 0);
    EXPECT_EQ(xml.CommentAttri->Foreground(), clGray);
    EXPECT_EQ(xml.DocTypeAttri->Foreground(), clNone);
    EXPECT_EQ(xml.DocTypeAttri->Style(), 0);
    EXPECT_FALSE(xml.WantBracesParsed());
    int stored = 0;
    for (int i = 0; i < xml.AttributeCount(); ++i) {
        const TSynHighlighterAttributes& attribute = *xml.AttributeAt(i);
        stored += attribute.IsForegroundStored() + attribute.IsBackgroundStored() +
                  attribute.IsStyleStored();
    }
    EXPECT_EQ(stored, 6);
}

TEST(XmlHighlighter, ElementsAttributesAndValues) {
    // The empty value tokens before and after the reference are not reported.
    EXPECT_EQ(TokensFromText("<root version=\"&test;\">"), (TTokens{{"<", X::ttSymbol},
                                                                    {"root", X::ttElementName},
                                                                    {" ", X::ttSpace},
                                                                    {"version", X::ttAttrName},
                                                                    {"=\"", X::ttEqual},
                                                                    {"&test;", X::ttQuotEntityRef},
                                                                    {"\"", X::ttSymbol},
                                                                    {">", X::ttSymbol}}));
    EXPECT_EQ(TokensFromText("<a xmlns:x=\"u\">"), (TTokens{{"<", X::ttSymbol},
                                                            {"a", X::ttElementName},
                                                            {" ", X::ttSpace},
                                                            {"xmlns:x", X::ttNsAttrName},
                                                            {"=\"", X::ttNsEqual},
                                                            {"u", X::ttNsQuotValue},
                                                            {"\"", X::ttSymbol},
                                                            {">", X::ttSymbol}}));
    EXPECT_EQ(TokensFromText("<n:b x='a&amp;b'/>"), (TTokens{{"<", X::ttSymbol},
                                                             {"n:b", X::ttElementName},
                                                             {" ", X::ttSpace},
                                                             {"x", X::ttAttrName},
                                                             {"='", X::ttEqual},
                                                             {"a", X::ttAposValue},
                                                             {"&amp;", X::ttAposEntityRef},
                                                             {"b", X::ttAposValue},
                                                             {"'", X::ttSymbol},
                                                             {"/", X::ttSymbol},
                                                             {">", X::ttSymbol}}));
    EXPECT_EQ(TokensFromText("<d xmlns='&u;'>"), (TTokens{{"<", X::ttSymbol},
                                                          {"d", X::ttElementName},
                                                          {" ", X::ttSpace},
                                                          {"xmlns", X::ttNsAttrName},
                                                          {"='", X::ttNsEqual},
                                                          {"&u;", X::ttNsAposEntityRef},
                                                          {"'", X::ttSymbol},
                                                          {">", X::ttSymbol}}));
    EXPECT_EQ(TokensFromText("</end>a&lt;b & c"), (TTokens{{"</", X::ttSymbol},
                                                           {"end", X::ttElementName},
                                                           {">", X::ttSymbol},
                                                           {"a", X::ttText},
                                                           {"&lt;", X::ttEntityRef},
                                                           {"b ", X::ttText},
                                                           {"&", X::ttEntityRef},
                                                           {" c", X::ttText}}));
}

TEST(XmlHighlighter, ConstructsCarryTheirRangeOverLineEnds) {
    TSynXMLSyn xml;
    const std::vector<std::string> lines = {
        "<!-- one",              // 0
        "two > -- three",        // 1
        "four -->x<?pi",         // 2
        "a > b ?><![CDATA[ c",   // 3
        "d ]] > e ]]><a b=\"v",  // 4
        "w\" c='&x;",            // 5
        "'",                     // 6
        "xmlns:q",               // 7
        "= 'q&z;'/>",            // 8
        "<!DOCTYPE root [",      // 9
        "<!ENTITY e 'x'>",       // 10
        "]>text",                // 11
        "<!DOCTYPE r",           // 12
        "[ <!ENTITY f 'y'> ] >", // 13
    };
    EXPECT_EQ(test::ComputeRanges(xml, lines),
              (std::vector<int32_t>{X::rgText, X::rgComment, X::rgComment, X::rgProcessing,
                                    X::rgCData, X::rgQuotValue, X::rgAposValue, X::rgAttribute,
                                    X::rgNsEqual, X::rgText, X::rgDocTypeSubset, X::rgDocTypeSubset,
                                    X::rgText, X::rgDocType}));
    EXPECT_EQ(xml.CurrentRange(), X::rgText);

    xml.RestoreRange(X::rgComment);
    EXPECT_EQ(Tokens(xml, "a --> b"),
              (TTokens{{"a ", X::ttComment}, {"-->", X::ttSymbol}, {" b", X::ttText}}));
    xml.RestoreRange(X::rgDocTypeSubset);
    EXPECT_EQ(Tokens(xml, "]>x"),
              (TTokens{{"]", X::ttDocType}, {">", X::ttDocType}, {"x", X::ttText}}));
    // The opening tokens stop one character short; the construct's scanner takes the rest.
    EXPECT_EQ(TokensFromText("<!DOCTYPE r>"),
              (TTokens{{"<!DOCTYP", X::ttDocType}, {"E r>", X::ttDocType}}));
    EXPECT_EQ(TokensFromText("<![CDATA[x]]>"),
              (TTokens{{"<![CDATA", X::ttCData}, {"[x]]>", X::ttCData}}));
    EXPECT_EQ(TokensFromText("<?>"), (TTokens{{"<?", X::ttProcessing}, {">", X::ttProcessing}}));

    // Opening a CDATA section rescans down to the line that closes it; removing it restores.
    std::vector<std::string> document = {"<a>", "b", "c ]]>", "d", "e"};
    std::vector<int32_t> ranges = test::ComputeRanges(xml, document);
    const std::vector<int32_t> before = ranges;
    document[0] = "<a><![CDATA[";
    EXPECT_EQ(test::RescanFrom(xml, document, ranges, 0), 2u);
    EXPECT_EQ(ranges,
              (std::vector<int32_t>{X::rgText, X::rgCData, X::rgCData, X::rgText, X::rgText}));
    document[0] = "<a>";
    EXPECT_EQ(test::RescanFrom(xml, document, ranges, 0), 2u);
    EXPECT_EQ(ranges, before);
}

TEST(XmlHighlighter, RangesRoundTripAndForeignValuesActAsText) {
    TSynXMLSyn xml;
    for (int32_t range = X::rgAposValue; range <= X::rgDocTypeSubset; ++range) {
        xml.RestoreRange(range);
        EXPECT_EQ(xml.CurrentRange(), range);
    }
    for (int32_t foreign : {-1, 19, 255, INT32_MIN, INT32_MAX}) {
        xml.RestoreRange(foreign);
        EXPECT_EQ(xml.CurrentRange(), X::rgText);
        EXPECT_EQ(Tokens(xml, "a=b"), (TTokens{{"a=b", X::ttText}}));
    }
    xml.RestoreRange(X::rgCData);
    xml.StartLine("", 0);
    EXPECT_TRUE(xml.AtLineEnd());
    EXPECT_EQ(xml.CurrentRange(), X::rgCData);
}

TEST(XmlHighlighter, ZeroBytesAreBlanksAndNothingPastTheLineIsRead) {
    TSynXMLSyn xml;
    xml.ClearRange();
    EXPECT_EQ(Tokens(xml, "a\0b<!--c\0d-->"sv), (TTokens{{"a", X::ttText},
                                                         {"\0"s, X::ttSpace},
                                                         {"b", X::ttText},
                                                         {"<!--", X::ttSymbol},
                                                         {"c", X::ttComment},
                                                         {"\0"s, X::ttSpace},
                                                         {"d", X::ttComment},
                                                         {"-->", X::ttSymbol}}));
    EXPECT_EQ(Tokens(xml, "<a b=\"x\0y\">"sv), (TTokens{{"<", X::ttSymbol},
                                                        {"a", X::ttElementName},
                                                        {" ", X::ttSpace},
                                                        {"b", X::ttAttrName},
                                                        {"=\"", X::ttEqual},
                                                        {"x", X::ttQuotValue},
                                                        {"\0"s, X::ttSpace},
                                                        {"y", X::ttQuotValue},
                                                        {"\"", X::ttSymbol},
                                                        {">", X::ttSymbol}}));
    const std::string text =
        "<a b='c&d;' xmlns=\"e\">&f;<!--g--><?h?><![CDATA[i]]><!DOCTYPE j [k]>";
    test::ExpectPrefixesEndAtTheirEnd(xml, text);
}

} // namespace
} // namespace tavlo
