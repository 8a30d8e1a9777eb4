#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace tavlo {
namespace {

using namespace std::literals;

using test::TToken;
using test::Tokens;

TEST(PascalHighlighter, AnIdentifierOfAnyLengthIsOneToken) {
    TSynPasSyn pascal;
    // Its letters' hash values add up past the range of int.
    const std::string huge(90'000'000, 'z');
    pascal.StartLine(huge, 0);
    EXPECT_EQ(pascal.TokenView().size(), huge.size());
    EXPECT_EQ(pascal.TokenKindOrdinal(), TSynPasSyn::ttIdentifier);
    TSynCharHashTable heavy;
    heavy.fill(1000);
    EXPECT_EQ(TSynKeywordTable::HashOf(heavy, huge), INT_MAX) << "the sum saturates";
}

TEST(PascalHighlighter, DefaultsAndAnswers) {
    TSynPasSyn pascal;
    EXPECT_EQ(pascal.LanguageTitle(), "ObjectPascal");
    EXPECT_EQ(pascal.DefaultFilter(), "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc");
    EXPECT_FALSE(pascal.StoresFilter());
    EXPECT_EQ(pascal.Features(), hcUserSettings | hcRegistry);
    EXPECT_EQ(pascal.WordChars(), IdentifierWordChars());
    EXPECT_FALSE(pascal.WordChars()[215] || pascal.WordChars()[247] || pascal.WordChars()[191]);
    EXPECT_EQ(pascal.DelphiVersion(), dvDelphi6);
    EXPECT_TRUE(pascal.PackageSource());
    EXPECT_TRUE(pascal.D4syntax());
    EXPECT_EQ(pascal.CurrentRange(), TSynPasSyn::rgNone);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        pascal.CommentAttri, pascal.IdentifierAttri, pascal.KeyAttri,
        pascal.StringAttri,  pascal.SpaceAttri,      pascal.SymbolAttri};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pascal.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(pascal.CategoryAttribute(6), nullptr);

    std::vector<std::string> names;
    for (int i = 0; i < pascal.AttributeCount(); ++i) names.push_back(pascal.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Assembler", "Character", "Comment", "Float",
                                               "Hexadecimal", "Identifier", "Number", "Preprocessor",
                                               "Reserved word", "Space", "String", "Symbol"}));
    EXPECT_EQ(pascal.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(pascal.DirectiveAttri->Style(), fsItalic);
    EXPECT_EQ(pascal.KeyAttri->Style(), fsBold);
    EXPECT_EQ(pascal.NumberAttri->Foreground(), clNone);

    TSynSchSyn schema;
    EXPECT_EQ(schema.AttributeCount(), 13);
    EXPECT_EQ(schema.SectionAttri->Name(), "Section");
    EXPECT_EQ(schema.SectionAttri->Style(), fsBold);
    EXPECT_EQ(schema.LanguageTitle(), "ObjectPascal");
    EXPECT_EQ(schema.DefaultFilter(), pascal.DefaultFilter());
    EXPECT_EQ(schema.SampleText(), "[Section]\n" + pascal.SampleText());
}

TEST(PascalHighlighter, VersionAndPackageOptions) {
    TSynPasSyn pascal;
    int notifications = 0;
    pascal.AddChangeHook(&notifications, [&](TSynCustomHighlighter&) { ++notifications; });

    pascal.SetDelphiVersion(dvDelphi3);
    EXPECT_FALSE(pascal.D4syntax());
    EXPECT_TRUE(pascal.PackageSource());
    pascal.SetDelphiVersion(dvDelphi2);
    EXPECT_FALSE(pascal.PackageSource());
    pascal.SetPackageSource(true); // packages need Delphi 3
    EXPECT_EQ(pascal.DelphiVersion(), dvDelphi3);
    EXPECT_TRUE(pascal.PackageSource());
    pascal.SetDelphiVersion(dvDelphi4);
    EXPECT_TRUE(pascal.D4syntax());
    EXPECT_EQ(notifications, 4);
    pascal.SetDelphiVersion(dvDelphi4);
    EXPECT_EQ(notifications, 4);

    // The options decide at once what the next scan sees.
    EXPECT_EQ(Tokens(pascal, "package").front().second, TSynPasSyn::ttKey);
    pascal.SetPackageSource(false);
    EXPECT_EQ(Tokens(pascal, "package").front().second, TSynPasSyn::ttIdentifier);
    EXPECT_EQ(Tokens(pascal, "overload").front().second, TSynPasSyn::ttKey);
    EXPECT_EQ(Tokens(pascal, "platform").front().second, TSynPasSyn::ttIdentifier);
}

TEST(PascalHighlighter, MainWindowColours) {
    TSynPasSyn pascal;
    ConfigureMainWindowPascal(pascal);
    TSynSchSyn schema;
    ConfigureMainWindowSchema(schema);
    std::map<std::string, TColor> navy;
    for (const char* name : {"Comment", "Preprocessor", "Number", "Float", "Hexadecimal", "String"})
        navy[name] = clNavy;
    test::ExpectWindowColours(pascal, navy);
    navy["Section"] = clMaroon;
    test::ExpectWindowColours(schema, navy);
}

TEST(PascalHighlighter, RangesRoundTripAndForeignValuesActAsCode) {
    TSynPasSyn pascal;
    for (int32_t range = TSynPasSyn::rgUnused; range <= TSynPasSyn::rgNone; ++range) {
        pascal.RestoreRange(range);
        EXPECT_EQ(pascal.CurrentRange(), range);
    }
    for (int32_t foreign : {-1, 9, 1000, INT32_MIN}) {
        pascal.RestoreRange(foreign);
        EXPECT_EQ(pascal.CurrentRange(), TSynPasSyn::rgNone);
    }
    pascal.RestoreRange(TSynPasSyn::rgUnused);
    EXPECT_EQ(Tokens(pascal, "x := 1; { c }"),
              (std::vector<TToken>{{"x", TSynPasSyn::ttIdentifier}, {" ", TSynPasSyn::ttSpace},
                                   {":=", TSynPasSyn::ttSymbol},    {" ", TSynPasSyn::ttSpace},
                                   {"1", TSynPasSyn::ttNumber},     {";", TSynPasSyn::ttSymbol},
                                   {" ", TSynPasSyn::ttSpace},      {"{ c }", TSynPasSyn::ttComment}}));
    EXPECT_EQ(pascal.CurrentRange(), TSynPasSyn::rgNone);

    // An empty line yields no token and leaves the range as it was.
    pascal.RestoreRange(TSynPasSyn::rgBraceCommentAsm);
    pascal.StartLine("", 3);
    EXPECT_TRUE(pascal.AtLineEnd());
    EXPECT_EQ(pascal.CurrentRange(), TSynPasSyn::rgBraceCommentAsm);
}

TEST(PascalHighlighter, AttributesFollowTheReportedKind) {
    TSynSchSyn schema;
    schema.ClearRange();
    schema.StartLine("[S] asm mov | {c} end", 0);
    std::vector<TSynHighlighterAttributes*> attributes;
    for (; !schema.AtLineEnd(); schema.NextToken()) attributes.push_back(schema.TokenAttribute());
    EXPECT_EQ(attributes, (std::vector<TSynHighlighterAttributes*>{
                              schema.SectionAttri, schema.SpaceAttri, schema.KeyAttri,
                              schema.SpaceAttri, schema.AsmAttri, schema.SpaceAttri, schema.AsmAttri,
                              schema.SpaceAttri, schema.CommentAttri, schema.SpaceAttri, schema.KeyAttri}));
    EXPECT_EQ(schema.TokenAttribute(), nullptr);

    TSynPasSyn pascal;
    EXPECT_EQ(Tokens(pascal, "|").front().second, TSynPasSyn::ttUnknown);
    pascal.StartLine("|", 0);
    EXPECT_EQ(pascal.TokenAttribute(), pascal.SymbolAttri);
}

TEST(PascalHighlighter, ZeroBytesAreOrdinaryCharacters) {
    TSynPasSyn pascal;
    pascal.ClearRange();
    EXPECT_EQ(Tokens(pascal, "a\0b 'x\0y' {\0}"sv),
              (std::vector<TToken>{{"a", TSynPasSyn::ttIdentifier},
                                   {"\0"s, TSynPasSyn::ttSpace},
                                   {"b", TSynPasSyn::ttIdentifier},
                                   {" ", TSynPasSyn::ttSpace},
                                   {"'x\0y'"s, TSynPasSyn::ttString},
                                   {" ", TSynPasSyn::ttSpace},
                                   {"{\0}"s, TSynPasSyn::ttComment}}));
    test::ExpectPrefixesEndAtTheirEnd(pascal, "x(*y");
}

} // namespace
} // namespace tavlo
