#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterPHP.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using namespace std::literals;
using test::TToken;
using test::Tokens;
using PHP = TSynPHPSyn;

TEST(PHPHighlighter, DefaultsAndAnswers) {
    PHP php;
    EXPECT_EQ(php.LanguageTitle(), "PHP");
    EXPECT_EQ(php.DefaultFilter(), "PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc");
    EXPECT_EQ(php.Features(), hcRegistry);
    EXPECT_EQ(php.WordChars(), IdentifierWordChars());
    EXPECT_EQ(php.CurrentRange(), PHP::rgNone);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        php.CommentAttri, php.IdentifierAttri, php.KeyAttri, php.StringAttri, php.SpaceAttri, php.SymbolAttri};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(php.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(php.CategoryAttribute(6), nullptr);

    std::vector<std::string> names;
    for (int i = 0; i < php.AttributeCount(); ++i) names.push_back(php.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Comment", "Identifier", "Invalid symbol", "Number",
                                               "Reserved word", "Space", "String", "Symbol", "Variable"}));
    EXPECT_EQ(php.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(php.KeyAttri->Style(), fsBold);
    EXPECT_EQ(php.VariableAttri->Style(), 0);
    EXPECT_EQ(php.StringAttri->Foreground(), clNone);

    // Every kind but the end of the line has an attribute; unknown characters look like identifiers.
    const std::vector<std::pair<std::string_view, TSynHighlighterAttributes*>> samples = {
        {"#c", php.CommentAttri},  {"x", php.IdentifierAttri}, {"@", php.InvalidSymbolAttri},
        {"if", php.KeyAttri},      {"1", php.NumberAttri},     {" ", php.SpaceAttri},
        {"'s'", php.StringAttri},  {";", php.SymbolAttri},     {"`", php.IdentifierAttri},
        {"$v", php.VariableAttri}};
    for (const auto& [text, attribute] : samples) {
        php.ClearRange();
        php.StartLine(text, 0);
        EXPECT_EQ(php.TokenAttribute(), attribute) << text;
    }
    php.StartLine("", 0);
    EXPECT_EQ(php.TokenAttribute(), nullptr);
}

TEST(PHPHighlighter, MainWindowColours) {
    PHP php;
    ConfigureMainWindowPHP(php);
    EXPECT_EQ(php.DefaultFilter(), PHP::BuiltinFilter);
    test::ExpectWindowColours(
        php, {{"Comment", clGray}, {"Number", clNavy}, {"String", clNavy}, {"Symbol", clMaroon}});
}

TEST(PHPHighlighter, TokenBoundaries) {
    PHP php;
    EXPECT_EQ(Tokens(php, "<<<<=<=<"), (std::vector<TToken>{{"<<", PHP::ttSymbol},
                                                              {"<<=", PHP::ttSymbol},
                                                              {"<=", PHP::ttSymbol},
                                                              {"<", PHP::ttSymbol}}));
    EXPECT_EQ(Tokens(php, "===>>>>=->--"),
              (std::vector<TToken>{{"==", PHP::ttSymbol}, {"=>", PHP::ttSymbol}, {">>", PHP::ttSymbol},
                                   {">=", PHP::ttSymbol}, {"->", PHP::ttSymbol}, {"--", PHP::ttSymbol}}));
    EXPECT_EQ(Tokens(php, "$a->b"), (std::vector<TToken>{{"$a", PHP::ttVariable}, {"->", PHP::ttSymbol},
                                                          {"b", PHP::ttIdentifier}}));
    EXPECT_EQ(Tokens(php, "$ $$x $1"), (std::vector<TToken>{{"$", PHP::ttVariable},
                                                             {" ", PHP::ttSpace},
                                                             {"$", PHP::ttVariable},
                                                             {"$x", PHP::ttVariable},
                                                             {" ", PHP::ttSpace},
                                                             {"$1", PHP::ttVariable}}));
    EXPECT_EQ(Tokens(php, "1-2 1..2"), (std::vector<TToken>{{"1-2", PHP::ttNumber},
                                                             {" ", PHP::ttSpace},
                                                             {"1", PHP::ttNumber},
                                                             {".", PHP::ttSymbol},
                                                             {".", PHP::ttSymbol},
                                                             {"2", PHP::ttNumber}}));
    // "<?" and "?>" are plain symbols; a "#" after code starts a comment.
    EXPECT_EQ(Tokens(php, "?>x#y"), (std::vector<TToken>{{"?", PHP::ttSymbol}, {">", PHP::ttSymbol},
                                                          {"x", PHP::ttIdentifier}, {"#y", PHP::ttComment}}));
}

TEST(PHPHighlighter, StringsAndCommentsCarryTheRange) {
    PHP php;
    php.ClearRange();
    EXPECT_EQ(Tokens(php, "$s = 'a"), (std::vector<TToken>{{"$s", PHP::ttVariable},
                                                            {" ", PHP::ttSpace},
                                                            {"=", PHP::ttSymbol},
                                                            {" ", PHP::ttSpace},
                                                            {"'a", PHP::ttString}}));
    EXPECT_EQ(php.CurrentRange(), PHP::rgSingleQuoted);
    EXPECT_EQ(Tokens(php, "b\\'c' d"), (std::vector<TToken>{{"b\\'c'", PHP::ttString},
                                                              {" ", PHP::ttSpace},
                                                              {"d", PHP::ttIdentifier}}));
    EXPECT_EQ(php.CurrentRange(), PHP::rgNone);

    // A double-quoted continuation closes at a quote after an escaped backslash.
    EXPECT_EQ(Tokens(php, "\"x"), (std::vector<TToken>{{"\"x", PHP::ttString}}));
    EXPECT_EQ(php.CurrentRange(), PHP::rgDoubleQuoted);
    EXPECT_EQ(Tokens(php, "a\\\"b\\\\\";"), (std::vector<TToken>{{"a\\\"b\\\\\"", PHP::ttString},
                                                                  {";", PHP::ttSymbol}}));
    EXPECT_EQ(php.CurrentRange(), PHP::rgNone);

    // The line break inside a line gives its own token and keeps the construct open.
    EXPECT_EQ(Tokens(php, "'a\r\nb' /* c\r\nd */"), (std::vector<TToken>{{"'a\r", PHP::ttString},
                                                                          {"\n", PHP::ttSpace},
                                                                          {"b'", PHP::ttString},
                                                                          {" ", PHP::ttSpace},
                                                                          {"/* c", PHP::ttComment},
                                                                          {"\r\n", PHP::ttSpace},
                                                                          {"d */", PHP::ttComment}}));
    EXPECT_EQ(php.CurrentRange(), PHP::rgNone);
    Tokens(php, "/*/");
    EXPECT_EQ(php.CurrentRange(), PHP::rgBlockComment);
    EXPECT_EQ(Tokens(php, "*/"), (std::vector<TToken>{{"*/", PHP::ttComment}}));

    // An empty line keeps the range; values no scan produced start as code.
    php.RestoreRange(PHP::rgDoubleQuoted);
    php.StartLine("", 0);
    EXPECT_TRUE(php.AtLineEnd());
    EXPECT_EQ(php.CurrentRange(), PHP::rgDoubleQuoted);
    for (int32_t range = PHP::rgNone; range <= PHP::rgBlockComment; ++range) {
        php.RestoreRange(range);
        EXPECT_EQ(php.CurrentRange(), range);
    }
    for (int32_t foreign : {-1, 4, 255, INT32_MIN, INT32_MAX}) {
        php.RestoreRange(foreign);
        EXPECT_EQ(php.CurrentRange(), PHP::rgNone) << foreign;
        EXPECT_EQ(Tokens(php, "x'").front().second, PHP::ttIdentifier);
    }
}

TEST(PHPHighlighter, EditsRescanExactlyTheStringSpan) {
    std::vector<std::string> lines = {"$a = 1;", "$b = 2;", "$c = 3; ' $d;", "$e = 4;"};
    PHP php;
    const std::vector<int32_t> before = test::ComputeRanges(php, lines);
    EXPECT_EQ(before.back(), PHP::rgSingleQuoted);
    std::vector<int32_t> ranges = before;
    // Opening a string on line 0 turns lines 1 and 2 into string until the quote on line 2,
    // which now closes instead of opening, so line 3 becomes code again.
    lines[0] = "$a = '1;";
    EXPECT_EQ(test::RescanFrom(php, lines, ranges, 0), 3u);
    EXPECT_EQ(ranges, (std::vector<int32_t>{PHP::rgNone, PHP::rgSingleQuoted, PHP::rgSingleQuoted, PHP::rgNone}));
    EXPECT_EQ(ranges, test::ComputeRanges(php, lines));
    lines[0] = "$a = 1;";
    EXPECT_EQ(test::RescanFrom(php, lines, ranges, 0), 3u);
    EXPECT_EQ(ranges, before);
}

TEST(PHPHighlighter, HostileLinesScanWithoutReadingPastThem) {
    PHP php;
    php.ClearRange();
    EXPECT_EQ(Tokens(php, "$a\0b '\0' /*\0*/"sv),
              (std::vector<TToken>{{"$a", PHP::ttVariable},
                                   {"\0"s, PHP::ttSpace},
                                   {"b", PHP::ttIdentifier},
                                   {" ", PHP::ttSpace},
                                   {"'\0'"s, PHP::ttString},
                                   {" ", PHP::ttSpace},
                                   {"/*\0*/"s, PHP::ttComment}}));
    test::ExpectPrefixesEndAtTheirEnd(php, "<<= 1..2 '\\' \"\\\\\" /**/ $x");
    for (char c : {'\\', '\'', '"', '/', '*', '$', '<', '#', '1'}) {
        const std::string line(100'000, c);
        for (int32_t range = PHP::rgNone; range <= PHP::rgBlockComment; ++range) {
            php.RestoreRange(range);
            EXPECT_EQ(test::CoveredBytes(php, line), line.size()) << c << " from range " << range;
        }
    }
    const std::string huge = "$s = \"" + std::string(10'000'000, '\\');
    php.ClearRange();
    const auto tokens = Tokens(php, huge);
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens.back().first.size(), 10'000'001u);
    EXPECT_EQ(php.CurrentRange(), PHP::rgDoubleQuoted);
}

} // namespace
} // namespace tavlo
