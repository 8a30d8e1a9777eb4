#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterCss.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using namespace std::literals;
using S = TSynCssSyn;
using test::Tokens;
using test::TToken;

TEST(CssHighlighter, DefaultsAndAnswers) {
    TSynCssSyn css;
    EXPECT_EQ(css.LanguageTitle(), "Cascading style sheets");
    EXPECT_EQ(css.DefaultFilter(), "Cascading Stylesheets (*.css)|*.css");
    EXPECT_TRUE(css.StoresFilter());
    EXPECT_EQ(css.Features(), hcRegistry);
    EXPECT_EQ(css.WordChars(), IdentifierWordChars());
    EXPECT_EQ(css.CurrentRange(), S::rgNone);
    EXPECT_EQ(test::SplitLines(css.SampleText()).size(), 6u);
    EXPECT_NE(css.SampleText().find("\r\n"), std::string::npos);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        css.CommentAttri, css.IdentifierAttri, css.KeyAttri,
        css.StringAttri,  css.SpaceAttri,      css.SymbolAttri};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(css.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(css.CategoryAttribute(6), nullptr);

    std::vector<std::string> names;
    for (int i = 0; i < css.AttributeCount(); ++i)
        names.push_back(css.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Comment", "Identifier", "Key", "Number", "Space",
                                               "String", "Symbol"}));
    EXPECT_EQ(css.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(css.KeyAttri->Style(), fsBold);

    ConfigureMainWindowCss(css);
    test::ExpectWindowColours(css, {{"Comment", clGray}, {"Number", clNavy}, {"String", clNavy}});
}

TEST(CssHighlighter, UnknownCharactersAreDrawnAsIdentifiers) {
    TSynCssSyn css;
    css.ClearRange();
    EXPECT_EQ(Tokens(css, "font-size: 12pt;"), (std::vector<TToken>{{"font-size", S::ttKey},
                                                                    {":", S::ttUnknown},
                                                                    {" ", S::ttSpace},
                                                                    {"12", S::ttNumber},
                                                                    {"pt", S::ttKey},
                                                                    {";", S::ttUnknown}}));
    css.StartLine(";", 0);
    EXPECT_EQ(css.TokenAttribute(), css.IdentifierAttri);
    css.StartLine("(", 0);
    EXPECT_EQ(css.TokenAttribute(), css.SymbolAttri);
    css.NextToken();
    EXPECT_EQ(css.TokenAttribute(), nullptr);
}

TEST(CssHighlighter, CommentRangeAndStoredValuesNoScanProduces) {
    const std::vector<std::string> lines = {"a { } /*", "", "b */ x", "/* c */ d", "/* e", "f"};
    TSynCssSyn css;
    EXPECT_EQ(test::ComputeRanges(css, lines),
              (std::vector<int32_t>{S::rgNone, S::rgComment, S::rgComment, S::rgNone, S::rgNone,
                                    S::rgComment}));
    css.RestoreRange(S::rgComment);
    EXPECT_EQ(
        Tokens(css, "b */ x"),
        (std::vector<TToken>{{"b */", S::ttComment}, {" ", S::ttSpace}, {"x", S::ttIdentifier}}));
    for (int32_t foreign : {2, -1, 255, INT32_MIN}) {
        css.RestoreRange(foreign);
        EXPECT_EQ(css.CurrentRange(), S::rgNone) << foreign;
        EXPECT_EQ(Tokens(css, "b */").front(), TToken("b", S::ttIdentifier)) << foreign;
    }
}

TEST(CssHighlighter, LineBreaksInsideALineAreSpaceTokens) {
    TSynCssSyn css;
    css.ClearRange();
    // A comment that goes on after a CR or LF inside the line gives them their own tokens.
    EXPECT_EQ(Tokens(css, "/* a\r\n\rb */\nc"), (std::vector<TToken>{{"/* a", S::ttComment},
                                                                     {"\r\n", S::ttSpace},
                                                                     {"\r", S::ttSpace},
                                                                     {"b */", S::ttComment},
                                                                     {"\n", S::ttSpace},
                                                                     {"c", S::ttIdentifier}}));
    EXPECT_EQ(
        Tokens(css, "'a\nb'"),
        (std::vector<TToken>{
            {"'a", S::ttString}, {"\n", S::ttSpace}, {"b", S::ttIdentifier}, {"'", S::ttString}}));
}

TEST(CssHighlighter, ZeroBytesHighBytesAndTheEndOfTheView) {
    TSynCssSyn css;
    css.ClearRange();
    EXPECT_EQ(Tokens(css, "a\0b '\0' /*\0*/ \xb1"sv),
              (std::vector<TToken>{{"a", S::ttIdentifier},
                                   {"\0"s, S::ttSpace},
                                   {"b", S::ttIdentifier},
                                   {" ", S::ttSpace},
                                   {"'\0'"s, S::ttString},
                                   {" ", S::ttSpace},
                                   {"/*\0*/"s, S::ttComment},
                                   {" ", S::ttSpace},
                                   {"\xb1", S::ttUnknown}}));
    for (const std::string text : {"a -.5", "x /*y*/", "'''", "2em", "1..2", "#fff"}) {
        test::ExpectPrefixesEndAtTheirEnd(css, text);
    }
}

} // namespace
} // namespace tavlo
