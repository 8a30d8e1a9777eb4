#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterDfm.h"
#include "highlighters/SynHighlighterIni.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using test::Tokens;
using test::TToken;

std::vector<std::string> AttributeNames(const TSynCustomHighlighter& highlighter) {
    std::vector<std::string> names;
    for (int i = 0; i < highlighter.AttributeCount(); ++i)
        names.push_back(highlighter.AttributeAt(i)->Name());
    return names;
}

TEST(IniHighlighter, DefaultsAnswersAndWindowColours) {
    TSynIniSyn ini;
    EXPECT_EQ(ini.LanguageTitle(), "INI file");
    EXPECT_EQ(ini.DefaultFilter(), "INI Files (*.ini)|*.ini");
    EXPECT_EQ(ini.Features(), hcRegistry);
    EXPECT_EQ(ini.WordChars(), IdentifierWordChars());
    EXPECT_EQ(AttributeNames(ini), (std::vector<std::string>{"Comment", "Key", "Number", "Section",
                                                             "Space", "String", "Symbol", "Text"}));
    EXPECT_EQ(ini.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(ini.CommentAttri->Foreground(), clGreen);
    EXPECT_EQ(ini.CommentAttri->ForegroundDefault(), clGreen);
    EXPECT_EQ(ini.SectionAttri->Style(), fsBold);
    const std::vector<TSynHighlighterAttributes*> byCategory = {
        ini.CommentAttri, nullptr,         ini.KeyAttri, ini.StringAttri,
        ini.SpaceAttri,   ini.SymbolAttri, nullptr};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ini.CategoryAttribute(i), byCategory[i]) << i;
    EXPECT_EQ(test::SplitLines(ini.SampleText()).size(), 5u);

    // No state between lines: whatever was stored, every line starts alike.
    ini.RestoreRange(7);
    EXPECT_EQ(ini.CurrentRange(), 0);
    EXPECT_EQ(Tokens(ini, "[Main]")[0].second, TSynIniSyn::ttSection);
    EXPECT_EQ(ini.CurrentRange(), 0);

    ConfigureMainWindowIni(ini);
    EXPECT_EQ(ini.SectionAttri->Foreground(), clMaroon);
    EXPECT_EQ(ini.NumberAttri->Foreground(), clNavy);
    EXPECT_EQ(ini.StringAttri->Foreground(), clNavy);
    EXPECT_EQ(ini.KeyAttri->Foreground(), clNone);
}

TEST(IniHighlighter, ValuesAreCutIntoCharacters) {
    TSynIniSyn ini;
    using K = TSynIniSyn::TtKind;
    EXPECT_EQ(Tokens(ini, "Name=Value"), (std::vector<TToken>{{"Name", K::ttKey},
                                                              {"=", K::ttSymbol},
                                                              {"V", K::ttText},
                                                              {"a", K::ttText},
                                                              {"l", K::ttText},
                                                              {"u", K::ttText},
                                                              {"e", K::ttText}}));
    EXPECT_EQ(Tokens(ini, "Count=12"),
              (std::vector<TToken>{{"Count", K::ttKey}, {"=", K::ttSymbol}, {"12", K::ttNumber}}));
    EXPECT_EQ(Tokens(ini, "12=x"),
              (std::vector<TToken>{{"12", K::ttKey}, {"=", K::ttSymbol}, {"x", K::ttText}}));
    EXPECT_EQ(Tokens(ini, " [a]"),
              (std::vector<TToken>{
                  {" ", K::ttSpace}, {"[", K::ttText}, {"a", K::ttText}, {"]", K::ttText}}));
    EXPECT_EQ(
        Tokens(ini, "x=\"\"\"\""),
        (std::vector<TToken>{{"x", K::ttKey}, {"=", K::ttSymbol}, {"\"\"\"\"", K::ttString}}));
}

TEST(DfmHighlighter, DefaultsAnswersAndWindowColours) {
    TSynDfmSyn dfm;
    EXPECT_EQ(dfm.LanguageTitle(), "Borland Form definition");
    EXPECT_EQ(dfm.DefaultFilter(), "Borland Form Files (*.dfm;*.xfm)|*.dfm;*.xfm");
    EXPECT_EQ(dfm.Features(), hcRegistry);
    EXPECT_EQ(dfm.WordChars(), IdentifierWordChars());
    EXPECT_EQ(dfm.CurrentRange(), TSynDfmSyn::rgNone);
    EXPECT_EQ(AttributeNames(dfm),
              (std::vector<std::string>{"Comment", "Identifier", "Key", "Number", "Space", "String",
                                        "Symbol"}));
    EXPECT_EQ(dfm.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(dfm.KeyAttri->Style(), fsBold);
    const std::vector<TSynHighlighterAttributes*> byCategory = {
        dfm.CommentAttri, dfm.IdentifierAttri, dfm.KeyAttri,
        dfm.StringAttri,  dfm.SpaceAttri,      dfm.AttributeAt(6)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(dfm.CategoryAttribute(i), byCategory[i]) << i;
    EXPECT_EQ(dfm.CategoryAttribute(6), nullptr);
    dfm.StartLine("(", 0);
    EXPECT_EQ(dfm.TokenKindOrdinal(), TSynDfmSyn::ttSymbol);
    EXPECT_EQ(dfm.TokenAttribute(), dfm.CategoryAttribute(catSymbol));
    EXPECT_TRUE(dfm.SampleText().starts_with("{"));

    ConfigureMainWindowDfm(dfm);
    for (auto* navy : {dfm.CommentAttri, dfm.NumberAttri, dfm.StringAttri})
        EXPECT_EQ(navy->Foreground(), clNavy);
    EXPECT_EQ(dfm.KeyAttri->Foreground(), clNone);
}

TEST(DfmHighlighter, StructureWordsNumbersAndBraces) {
    TSynDfmSyn dfm;
    using K = TSynDfmSyn::TtKind;
    EXPECT_EQ(Tokens(dfm, "object Form1: TForm1"),
              (std::vector<TToken>{{"object", K::ttKey},
                                   {" ", K::ttSpace},
                                   {"Form1", K::ttIdentifier},
                                   {":", K::ttUnknown},
                                   {" ", K::ttSpace},
                                   {"TForm1", K::ttIdentifier}}));
    EXPECT_EQ(dfm.TokenAttribute(), nullptr);
    EXPECT_EQ(Tokens(dfm, "1.5 1..2"), (std::vector<TToken>{{"1.", K::ttNumber},
                                                            {"5", K::ttNumber},
                                                            {" ", K::ttSpace},
                                                            {"1", K::ttNumber},
                                                            {".", K::ttSymbol},
                                                            {".", K::ttSymbol},
                                                            {"2", K::ttNumber}}));
    EXPECT_EQ(Tokens(dfm, "end_ Inherited o"), (std::vector<TToken>{{"end_", K::ttIdentifier},
                                                                    {" ", K::ttSpace},
                                                                    {"Inherited", K::ttKey},
                                                                    {" ", K::ttSpace},
                                                                    {"o", K::ttIdentifier}}));

    const std::vector<std::string> lines = {"a = {", "  00FF", "", "} b", "c } d", "{x} {"};
    EXPECT_EQ(test::ComputeRanges(dfm, lines),
              (std::vector<int32_t>{TSynDfmSyn::rgNone, TSynDfmSyn::rgBraceComment,
                                    TSynDfmSyn::rgBraceComment, TSynDfmSyn::rgBraceComment,
                                    TSynDfmSyn::rgNone, TSynDfmSyn::rgNone}));
    EXPECT_EQ(dfm.CurrentRange(), TSynDfmSyn::rgBraceComment);
    dfm.RestoreRange(TSynDfmSyn::rgBraceComment);
    EXPECT_EQ(
        Tokens(dfm, "} b"),
        (std::vector<TToken>{{"}", K::ttComment}, {" ", K::ttSpace}, {"b", K::ttIdentifier}}));
    // Values no scan produces (0 among them) start as ordinary text.
    for (int32_t unknown : {-1, 0, 3, 99}) {
        dfm.RestoreRange(unknown);
        EXPECT_EQ(dfm.CurrentRange(), TSynDfmSyn::rgNone) << unknown;
    }
}

TEST(IniAndDfmHighlighters, BadInputStaysLinear) {
    TSynIniSyn ini;
    TSynDfmSyn dfm;
    const std::string longKey(10'000'000, 'k');
    EXPECT_EQ(Tokens(ini, longKey).size(), 1u);
    EXPECT_EQ(Tokens(ini, "[" + longKey).size(), 1u);
    EXPECT_EQ(Tokens(ini, "x=\"" + longKey).size(), 3u);
    EXPECT_EQ(Tokens(ini, "x=" + std::string(100'000, '[')).size(), 100'002u);
    EXPECT_EQ(Tokens(dfm, longKey).size(), 1u);
    EXPECT_EQ(Tokens(dfm, "{" + longKey).size(), 1u);
    EXPECT_EQ(dfm.CurrentRange(), TSynDfmSyn::rgBraceComment);
    dfm.ClearRange();
    EXPECT_EQ(Tokens(dfm, std::string(100'000, '\'')).size(), 1u);
    EXPECT_EQ(Tokens(dfm, std::string(100'000, '{')).size(), 1u);
    dfm.ClearRange();
    EXPECT_EQ(Tokens(dfm, std::string(100'000, '}')).size(), 100'000u);
    EXPECT_EQ(Tokens(dfm, std::string("'a\0b'", 5)).size(), 4u);
}

} // namespace
} // namespace tavlo
