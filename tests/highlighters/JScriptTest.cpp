#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterJScript.h"

#include <gtest/gtest.h>

#include <set>

namespace tavlo {
namespace {

using namespace std::literals;
using test::TToken;
using test::Tokens;
using JS = TSynJScriptSyn;

TEST(JScriptHighlighter, DefaultsAndAnswers) {
    JS js;
    EXPECT_EQ(js.LanguageTitle(), "Javascript");
    EXPECT_EQ(js.DefaultFilter(), "Javascript Files (*.js)|*.js");
    EXPECT_TRUE(js.StoresFilter());
    EXPECT_EQ(js.Features(), hcRegistry);
    EXPECT_EQ(js.WordChars(), IdentifierWordChars());
    EXPECT_EQ(js.CurrentRange(), JS::rgNone);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        js.CommentAttri, js.IdentifierAttri, js.KeyAttri, js.StringAttri, js.SpaceAttri, js.SymbolAttri};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(js.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(js.CategoryAttribute(6), nullptr);
    EXPECT_EQ(js.CategoryAttribute(-1), nullptr);

    std::vector<std::string> names;
    for (int i = 0; i < js.AttributeCount(); ++i) names.push_back(js.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Comment", "Event", "Identifier", "Non-reserved keyword",
                                               "Number", "Reserved word", "Space", "String", "Symbol"}));
    for (int i = 0; i < js.AttributeCount(); ++i) {
        const TSynHighlighterAttributes& attribute = *js.AttributeAt(i);
        const TFontStyles style = attribute.Name() == "Comment"         ? fsItalic
                                  : attribute.Name() == "Reserved word" ? fsBold
                                                                        : 0;
        EXPECT_EQ(attribute.Style(), style) << attribute.Name();
        EXPECT_EQ(attribute.Foreground(), clNone) << attribute.Name();
        EXPECT_EQ(attribute.Background(), clNone) << attribute.Name();
    }

    // The sample shows every kind the language draws with an attribute of its own.
    const auto lines = test::SplitLines(js.SampleText());
    std::set<int> kinds;
    js.ClearRange();
    for (const auto& line : lines)
        for (const auto& token : Tokens(js, line)) kinds.insert(token.second);
    EXPECT_EQ(kinds, (std::set<int>{JS::ttComment, JS::ttIdentifier, JS::ttKey, JS::ttNumber, JS::ttSpace,
                                    JS::ttString, JS::ttSymbol, JS::ttUnknown, JS::ttNonReservedKey,
                                    JS::ttEvent}));
}

TEST(JScriptHighlighter, MainWindowColours) {
    JS js;
    ConfigureMainWindowJScript(js);
    EXPECT_EQ(js.DefaultFilter(), JS::BuiltinFilter);
    test::ExpectWindowColours(
        js, {{"Comment", clNavy}, {"Number", clNavy}, {"String", clNavy}, {"Symbol", clMaroon}});
}

TEST(JScriptHighlighter, TokenBoundaries) {
    JS js;
    // Golden files show kinds; here the cuts between tokens of one kind.
    EXPECT_EQ(Tokens(js, "a==b"), (std::vector<TToken>{{"a", JS::ttIdentifier}, {"=", JS::ttSymbol},
                                                        {"=", JS::ttSymbol}, {"b", JS::ttIdentifier}}));
    EXPECT_EQ(Tokens(js, "1..2...3"),
              (std::vector<TToken>{{"1", JS::ttNumber}, {".", JS::ttSymbol}, {".", JS::ttSymbol},
                                   {"2", JS::ttNumber}, {"...", JS::ttSymbol}, {"3", JS::ttNumber}}));
    EXPECT_EQ(Tokens(js, "+++=--->&&&|||=%=*=/=!="),
              (std::vector<TToken>{{"++", JS::ttSymbol},
                                   {"+=", JS::ttSymbol},
                                   {"--", JS::ttSymbol},
                                   {"->", JS::ttSymbol},
                                   {"&&", JS::ttSymbol},
                                   {"&", JS::ttSymbol},
                                   {"||", JS::ttSymbol},
                                   {"|=", JS::ttSymbol},
                                   {"%=", JS::ttSymbol},
                                   {"*=", JS::ttSymbol},
                                   {"/=", JS::ttSymbol},
                                   {"!", JS::ttSymbol},
                                   {"=", JS::ttSymbol}}));
    EXPECT_EQ(Tokens(js, "0x 0x1F 1e5"),
              (std::vector<TToken>{{"0", JS::ttNumber}, {"x", JS::ttIdentifier}, {" ", JS::ttSpace},
                                   {"0x1F", JS::ttNumber}, {" ", JS::ttSpace}, {"1", JS::ttNumber},
                                   {"e5", JS::ttIdentifier}}));
    // A tripled delimiter opens a string; the empty string after it is a token of its own.
    EXPECT_EQ(Tokens(js, R"('''a''')"), (std::vector<TToken>{{"'''a'", JS::ttString}, {"''", JS::ttString}}));
    EXPECT_EQ(Tokens(js, R"("a\"b" 'c\\' x)"),
              (std::vector<TToken>{{R"("a\"b")", JS::ttString}, {" ", JS::ttSpace},
                                   {R"('c\\')", JS::ttString}, {" ", JS::ttSpace}, {"x", JS::ttIdentifier}}));
    EXPECT_EQ(Tokens(js, "@#\xE9"), (std::vector<TToken>{{"@", JS::ttUnknown}, {"#", JS::ttUnknown},
                                                          {"\xE9", JS::ttUnknown}}));
    js.StartLine("@", 0);
    EXPECT_EQ(js.TokenAttribute(), nullptr);
    js.StartLine("onLoad", 0);
    EXPECT_EQ(js.TokenAttribute(), js.EventAttri);
    js.StartLine("write", 0);
    EXPECT_EQ(js.TokenAttribute(), js.NonReservedKeyAttri);
}

TEST(JScriptHighlighter, BlockCommentsCarryTheRange) {
    JS js;
    js.ClearRange();
    EXPECT_EQ(Tokens(js, "a /* b"), (std::vector<TToken>{{"a", JS::ttIdentifier}, {" ", JS::ttSpace},
                                                          {"/* b", JS::ttComment}}));
    EXPECT_EQ(js.CurrentRange(), JS::rgBlockComment);
    EXPECT_EQ(Tokens(js, "c */d"), (std::vector<TToken>{{"c */", JS::ttComment}, {"d", JS::ttIdentifier}}));
    EXPECT_EQ(js.CurrentRange(), JS::rgNone);
    // A line break inside a line does not end the comment; "/*/" does not close it.
    EXPECT_EQ(Tokens(js, "/*/ x\r\n*/"),
              (std::vector<TToken>{{"/*/ x", JS::ttComment}, {"\r", JS::ttComment}, {"\n*/", JS::ttComment}}));
    EXPECT_EQ(js.CurrentRange(), JS::rgNone);
    // Strings and line comments never continue.
    Tokens(js, "'open");
    EXPECT_EQ(js.CurrentRange(), JS::rgNone);

    // An empty line keeps the range; values no scan produced start as code.
    js.RestoreRange(JS::rgBlockComment);
    js.StartLine("", 0);
    EXPECT_TRUE(js.AtLineEnd());
    EXPECT_EQ(js.CurrentRange(), JS::rgBlockComment);
    for (int32_t foreign : {-1, 2, 8, INT32_MIN, INT32_MAX}) {
        js.RestoreRange(foreign);
        EXPECT_EQ(js.CurrentRange(), JS::rgNone) << foreign;
        EXPECT_EQ(Tokens(js, "x").front().second, JS::ttIdentifier);
    }
}

TEST(JScriptHighlighter, EditsRescanExactlyTheCommentSpan) {
    std::vector<std::string> lines = {"var a;", "var b;", "var c; */ d;", "var e;"};
    JS js;
    const std::vector<int32_t> before = test::ComputeRanges(js, lines);
    std::vector<int32_t> ranges = before;
    lines[0] = "var a; /*";
    EXPECT_EQ(test::RescanFrom(js, lines, ranges, 0), 2u);
    EXPECT_EQ(ranges, (std::vector<int32_t>{JS::rgNone, JS::rgBlockComment, JS::rgBlockComment, JS::rgNone}));
    lines[0] = "var a;";
    EXPECT_EQ(test::RescanFrom(js, lines, ranges, 0), 2u);
    EXPECT_EQ(ranges, before);
}

TEST(JScriptHighlighter, HostileLinesScanWithoutReadingPastThem) {
    JS js;
    EXPECT_EQ(Tokens(js, "a\0b '\0' /*\0*/"sv),
              (std::vector<TToken>{{"a", JS::ttIdentifier},
                                   {"\0"s, JS::ttSpace},
                                   {"b", JS::ttIdentifier},
                                   {" ", JS::ttSpace},
                                   {"'\0'"s, JS::ttString},
                                   {" ", JS::ttSpace},
                                   {"/*\0*/"s, JS::ttComment}}));
    test::ExpectPrefixesEndAtTheirEnd(js, "0x1 ... '''\\ /* */ //");
    // Long runs of the characters that open constructs cover the whole line.
    for (char c : {'\\', '\'', '"', '/', '*', '.', '0'}) {
        const std::string line(100'000, c);
        js.ClearRange();
        EXPECT_EQ(test::CoveredBytes(js, line), line.size()) << c;
    }
    const std::string huge = "var s = '" + std::string(10'000'000, 'x');
    js.ClearRange();
    const auto tokens = Tokens(js, huge);
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens.back().first.size(), 10'000'001u);
    EXPECT_EQ(tokens.back().second, JS::ttString);
}

} // namespace
} // namespace tavlo
