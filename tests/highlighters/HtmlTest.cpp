#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterHtml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tavlo {
namespace {

using namespace std::literals;
using H = TSynHTMLSyn;
using test::Tokens;
using TTokens = std::vector<test::TToken>;

TTokens TokensFromText(std::string_view line) {
    TSynHTMLSyn html;
    return Tokens(html, line);
}

int KindOfTagName(std::string_view name) {
    TSynHTMLSyn html;
    const std::string line = "<" + std::string(name) + ">";
    html.StartLine(line, 0);
    html.NextToken();
    EXPECT_EQ(html.TokenText(), name);
    return html.TokenKindOrdinal();
}

TEST(HtmlHighlighter, DefaultsAndAnswers) {
    TSynHTMLSyn html;
    EXPECT_EQ(html.LanguageTitle(), "HTML document");
    EXPECT_EQ(html.DefaultFilter(), "HTML Document (*.htm,*.html)|*.htm;*.html");
    EXPECT_TRUE(html.StoresFilter());
    EXPECT_EQ(html.WordChars(), IdentifierWordChars());
    EXPECT_EQ(html.CurrentRange(), H::rgText);

    std::vector<std::string> names;
    for (int i = 0; i < html.AttributeCount(); ++i)
        names.push_back(html.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Asp", "Comment", "Escape ampersand", "Identifier",
                                               "Reserved word", "Space", "Symbol", "Text",
                                               "Unknown word", "Value"}));
    EXPECT_EQ(html.ASPAttri->Foreground(), clBlack);
    EXPECT_EQ(html.ASPAttri->Background(), clYellow);
    EXPECT_EQ(html.KeyAttri->Foreground(), 0xFF0080);
    EXPECT_EQ(html.KeyAttri->Style(), fsBold);
    EXPECT_EQ(html.UndefKeyAttri->Foreground(), clRed);
    EXPECT_EQ(html.ValueAttri->Foreground(), 0xFF8000);
    EXPECT_EQ(html.AndAttri->Foreground(), clLime);
    EXPECT_EQ(html.IdentifierAttri->Style(), fsBold);
    EXPECT_EQ(html.SymbolAttri->Style(), fsBold);
    EXPECT_EQ(html.CommentAttri->Foreground(), clNone);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        html.CommentAttri, html.IdentifierAttri, html.KeyAttri,
        nullptr,           html.SpaceAttri,      html.SymbolAttri};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(html.CategoryAttribute(i), byCategory[i]) << i;
    EXPECT_EQ(html.CategoryAttribute(6), nullptr);

    // The sample shows every kind a document has outside broken markup.
    const std::string sample = html.SampleText();
    EXPECT_EQ(std::count(sample.begin(), sample.end(), '\n'), 7);
    EXPECT_EQ(sample.find("\n"), sample.find("\r\n") + 1);
    std::set<int> kinds;
    html.ClearRange();
    for (const std::string& line : test::SplitLines(sample))
        for (const auto& [text, kind] : Tokens(html, line))
            kinds.insert(kind);
    EXPECT_EQ(kinds,
              (std::set<int>{H::ttAmpersand, H::ttAsp, H::ttComment, H::ttIdentifier, H::ttKey,
                             H::ttSpace, H::ttSymbol, H::ttText, H::ttUndefKey, H::ttValue}));
}

TEST(HtmlHighlighter, MainWindowColours) {
    TSynHTMLSyn html;
    ConfigureMainWindowHtml(html);
    EXPECT_EQ(html.AndAttri->Foreground(), clGreen);
    EXPECT_EQ(html.CommentAttri->Foreground(), clGray);
    EXPECT_EQ(html.IdentifierAttri->Style(), 0);
    EXPECT_EQ(html.KeyAttri->Foreground(), clMaroon);
    EXPECT_EQ(html.ValueAttri->Foreground(), clNavy);
    int stored = 0;
    for (int i = 0; i < html.AttributeCount(); ++i) {
        const TSynHighlighterAttributes& attribute = *html.AttributeAt(i);
        stored += attribute.IsForegroundStored() + attribute.IsBackgroundStored() +
                  attribute.IsStyleStored();
    }
    EXPECT_EQ(stored, 5);
}

TEST(HtmlHighlighter, TagNamesAndTheirClosingForms) {
    for (std::string_view name : {"A", "a", "BlockQuote", "h1", "H6", "MULTICOL", "noscript", "xmp",
                                  "!DOCTYPE", "!doctype", "/Table", "/blockquote", "/H1", "/xmp"})
        EXPECT_EQ(KindOfTagName(name), H::ttKey) << name;
    // Tags that never close have no closing keyword.
    for (std::string_view name : {"/br", "/AREA", "/img", "/input", "/meta", "/wbr", "/plaintext",
                                  "/spacer", "/nextid", "/keygen", "/col", "/frame"})
        EXPECT_EQ(KindOfTagName(name), H::ttUndefKey) << name;
    // Names sharing a keyword's hash and length, or off the list.
    for (std::string_view name : {"H7", "H0", "BQ", "ABBQ", "DOCTYPE", "!", "/", "BR/", "Q1"})
        EXPECT_EQ(KindOfTagName(name), H::ttUndefKey) << name;
    // Past the end of the keyword table a name is an ordinary identifier.
    EXPECT_EQ(KindOfTagName("/!DOCTYPE"), H::ttIdentifier);
    EXPECT_EQ(KindOfTagName(std::string(1000000, 'z')), H::ttIdentifier);
}

TEST(HtmlHighlighter, TagsAttributesAndValues) {
    EXPECT_EQ(TokensFromText("<invalid>"),
              (TTokens{{"<", H::ttSymbol}, {"invalid", H::ttUndefKey}, {">", H::ttSymbol}}));
    EXPECT_EQ(TokensFromText("<BODY bgcolor=\"red\">"), (TTokens{{"<", H::ttSymbol},
                                                                 {"BODY", H::ttKey},
                                                                 {" ", H::ttSpace},
                                                                 {"bgcolor", H::ttIdentifier},
                                                                 {"=", H::ttSymbol},
                                                                 {"\"red\"", H::ttValue},
                                                                 {">", H::ttSymbol}}));
    // A quote where no value is expected is a string; an unquoted value runs to a blank or ">".
    EXPECT_EQ(TokensFromText("<p \"s\" x=a\"b>t"), (TTokens{{"<", H::ttSymbol},
                                                            {"p", H::ttKey},
                                                            {" ", H::ttSpace},
                                                            {"\"s\"", H::ttString},
                                                            {" ", H::ttSpace},
                                                            {"x", H::ttIdentifier},
                                                            {"=", H::ttSymbol},
                                                            {"a\"b", H::ttValue},
                                                            {">", H::ttSymbol},
                                                            {"t", H::ttText}}));
    // A name missing after "<" leaves the rest to the tag body.
    EXPECT_EQ(TokensFromText("<?php"), (TTokens{{"<", H::ttSymbol}, {"?php", H::ttIdentifier}}));
    // A tab starts a blank token of its own.
    EXPECT_EQ(TokensFromText("<b  \t\tx>"), (TTokens{{"<", H::ttSymbol},
                                                     {"b", H::ttKey},
                                                     {"  ", H::ttSpace},
                                                     {"\t", H::ttSpace},
                                                     {"\t", H::ttSpace},
                                                     {"x", H::ttIdentifier},
                                                     {">", H::ttSymbol}}));
}

TEST(HtmlHighlighter, CharacterReferences) {
    EXPECT_EQ(TokensFromText("Sample &copy; 2001"),
              (TTokens{{"Sample ", H::ttText}, {"&copy;", H::ttAmpersand}, {" 2001", H::ttText}}));
    EXPECT_EQ(TokensFromText("&#169;"), (TTokens{{"&#169;", H::ttAmpersand}}));
    EXPECT_EQ(TokensFromText("&#169"), (TTokens{{"&#169", H::ttText}}));
    EXPECT_EQ(TokensFromText("&foo;"), (TTokens{{"&foo;", H::ttText}}));
    EXPECT_EQ(TokensFromText("&AMP;&Alpha;&alpha;&THETASYM;"),
              (TTokens{{"&AMP;", H::ttAmpersand},
                       {"&Alpha;", H::ttAmpersand},
                       {"&alpha;", H::ttAmpersand},
                       {"&THETASYM;", H::ttAmpersand}}));
    EXPECT_EQ(TokensFromText("x&#12y"), (TTokens{{"x&#12", H::ttText}, {"y", H::ttText}}));
    // The text looks at no more than 13 digits: a longer run is scanned by a token of its own,
    // a reference with its ";" and text without one.
    EXPECT_EQ(TokensFromText("x&#1234567890123;"),
              (TTokens{{"x", H::ttText}, {"&#1234567890123;", H::ttAmpersand}}));
    EXPECT_EQ(TokensFromText("x&#1234567890123y"),
              (TTokens{{"x&#1234567890123", H::ttText}, {"y", H::ttText}}));
    EXPECT_EQ(TokensFromText("x&#12345678901234;"),
              (TTokens{{"x", H::ttText}, {"&#12345678901234;", H::ttAmpersand}}));
    EXPECT_EQ(TokensFromText("x&#12345678901234y"),
              (TTokens{{"x", H::ttText}, {"&#12345678901234", H::ttText}, {"y", H::ttText}}));
    // A reference cut off by the end of the line is text.
    EXPECT_EQ(TokensFromText("&copy"), (TTokens{{"&copy", H::ttText}}));
    // Inside a tag a numeric reference is taken at once; anything else turns the rest into text.
    EXPECT_EQ(TokensFromText("<a &#1;>"), (TTokens{{"<", H::ttSymbol},
                                                   {"a", H::ttKey},
                                                   {" ", H::ttSpace},
                                                   {"&#1;", H::ttAmpersand},
                                                   {">", H::ttText}}));
    EXPECT_EQ(TokensFromText("<a &lt;>"), (TTokens{{"<", H::ttSymbol},
                                                   {"a", H::ttKey},
                                                   {" ", H::ttSpace},
                                                   {"&lt;", H::ttAmpersand},
                                                   {">", H::ttText}}));
}

TEST(HtmlHighlighter, CommentsAndScriptsSpanLinesOtherConstructsDoNot) {
    TSynHTMLSyn html;
    const std::vector<std::string> lines = {
        "<p><!-- open",   // 0
        "> not closed",   // 1
        "still -->after", // 2
        "<% x",           // 3
        "%> <a href=\"x", // 4: a quoted value never continues
        "y title=",       // 5
        "\"v\"><",        // 6
        "b>",             // 7
    };
    EXPECT_EQ(
        test::ComputeRanges(html, lines),
        (std::vector<int32_t>{H::rgText, H::rgComment, H::rgComment, H::rgText, H::rgServerScript,
                              H::rgTagBody, H::rgAttrValue, H::rgTagName}));
    EXPECT_EQ(html.CurrentRange(), H::rgText);

    html.RestoreRange(H::rgComment);
    EXPECT_EQ(Tokens(html, "a->b-->c"), (TTokens{{"a->b-->", H::ttComment}, {"c", H::ttText}}));
    html.RestoreRange(H::rgServerScript);
    EXPECT_EQ(Tokens(html, "a>%%>"), (TTokens{{"a>%%>", H::ttAsp}}));
    EXPECT_EQ(TokensFromText("<!-->x"),
              (TTokens{{"<!--", H::ttComment}, {">", H::ttComment}, {"x", H::ttText}}));

    // Opening a comment rescans down to the line that closes it, closing it restores the ranges.
    std::vector<std::string> document = {"<p>", "a", "b", "c -->", "d", "e"};
    std::vector<int32_t> ranges = test::ComputeRanges(html, document);
    const std::vector<int32_t> before = ranges;
    document[0] = "<p><!--";
    EXPECT_EQ(test::RescanFrom(html, document, ranges, 0), 3u);
    EXPECT_EQ(ranges, (std::vector<int32_t>{H::rgText, H::rgComment, H::rgComment, H::rgComment,
                                            H::rgText, H::rgText}));
    document[0] = "<p>";
    EXPECT_EQ(test::RescanFrom(html, document, ranges, 0), 3u);
    EXPECT_EQ(ranges, before);
}

TEST(HtmlHighlighter, RangesRoundTripAndForeignValuesActAsText) {
    TSynHTMLSyn html;
    for (int32_t range = H::rgEntity; range <= H::rgAttrValue; ++range) {
        html.RestoreRange(range);
        EXPECT_EQ(html.CurrentRange(), range);
    }
    for (int32_t foreign : {-1, 8, 255, INT32_MIN, INT32_MAX}) {
        html.RestoreRange(foreign);
        EXPECT_EQ(html.CurrentRange(), H::rgText);
        EXPECT_EQ(Tokens(html, "a=b"), (TTokens{{"a=b", H::ttText}}));
    }
    // The value no scan leaves behind reads as the inside of a tag.
    html.RestoreRange(H::rgUnused);
    EXPECT_EQ(Tokens(html, "a=b"),
              (TTokens{{"a", H::ttIdentifier}, {"=", H::ttSymbol}, {"b", H::ttValue}}));

    html.RestoreRange(H::rgComment);
    html.StartLine("", 0);
    EXPECT_TRUE(html.AtLineEnd());
    EXPECT_EQ(html.CurrentRange(), H::rgComment);
}

TEST(HtmlHighlighter, ZeroBytesAreBlanksAndNothingPastTheLineIsRead) {
    TSynHTMLSyn html;
    html.ClearRange();
    EXPECT_EQ(Tokens(html, "a\0b<!--c\0d-->"sv), (TTokens{{"a", H::ttText},
                                                          {"\0"s, H::ttSpace},
                                                          {"b", H::ttText},
                                                          {"<!--", H::ttComment},
                                                          {"c", H::ttComment},
                                                          {"\0"s, H::ttSpace},
                                                          {"d-->", H::ttComment}}));
    EXPECT_EQ(Tokens(html, "<a\0 =\0\"x\0\">"sv), (TTokens{{"<", H::ttSymbol},
                                                           {"a", H::ttKey},
                                                           {"\0 "s, H::ttSpace},
                                                           {"=", H::ttSymbol},
                                                           {"\0"s, H::ttSpace},
                                                           {"\"x\0\""s, H::ttValue},
                                                           {">", H::ttSymbol}}));
    // A line cut anywhere inside a construct ends where the view ends.
    const std::string text = "<a b=\"c\">&copy;&#1;<!--d-->";
    test::ExpectPrefixesEndAtTheirEnd(html, text);
}

} // namespace
} // namespace tavlo
