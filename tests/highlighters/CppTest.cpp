#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterCpp.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using namespace std::literals;
using C = TSynCppSyn;
using test::Tokens;
using test::TToken;

TEST(CppHighlighter, DefaultsAndAnswers) {
    TSynCppSyn cpp;
    EXPECT_EQ(cpp.LanguageTitle(), "C++");
    EXPECT_EQ(cpp.DefaultFilter(), "C++ Files (*.c,*.cpp,*.h,*.hpp)|*.c;*.cpp;*.h;*.hpp");
    EXPECT_TRUE(cpp.StoresFilter());
    EXPECT_EQ(cpp.Features(), hcUserSettings | hcRegistry);
    EXPECT_EQ(cpp.WordChars(), IdentifierWordChars());
    EXPECT_EQ(cpp.CurrentRange(), C::rgNone);
    EXPECT_FALSE(cpp.SampleText().empty());

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        cpp.CommentAttri, cpp.IdentifierAttri, cpp.KeyAttri,
        cpp.StringAttri,  cpp.SpaceAttri,      cpp.SymbolAttri};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cpp.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(cpp.CategoryAttribute(-1), nullptr);
    EXPECT_EQ(cpp.CategoryAttribute(6), nullptr);

    std::vector<std::string> names;
    for (int i = 0; i < cpp.AttributeCount(); ++i)
        names.push_back(cpp.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Assembler", "Character", "Comment", "Float",
                                               "Hexadecimal", "Identifier", "Illegal char",
                                               "Number", "Octal", "Preprocessor", "Reserved word",
                                               "Space", "String", "Symbol"}));
    EXPECT_EQ(cpp.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(cpp.KeyAttri->Style(), fsBold);
    EXPECT_EQ(cpp.SpaceAttri->Foreground(), clWindow);
    EXPECT_FALSE(cpp.SpaceAttri->IsForegroundStored());
    EXPECT_EQ(cpp.DirecAttri->Foreground(), clNone);
}

TEST(CppHighlighter, MainWindowColours) {
    TSynCppSyn cpp;
    ConfigureMainWindowCpp(cpp);
    EXPECT_EQ(cpp.DefaultFilter(), TSynCppSyn::BuiltinFilter);
    test::ExpectWindowColours(cpp,
                              {{"Comment", clNavy},
                               {"Number", clNavy},
                               {"Float", clNavy},
                               {"Hexadecimal", clNavy},
                               {"Octal", clNavy},
                               {"String", clNavy},
                               {"Preprocessor", clMaroon},
                               {"Symbol", clMaroon}},
                              {{"Space", clWindow}});
}

TEST(CppHighlighter, TokensAnswerTheirAttributes) {
    TSynCppSyn cpp;
    cpp.StartLine("#x\n/*c*/ 'a' \"s\" 1 1. 0x1 01 08 k int ; @", 0);
    std::vector<TSynHighlighterAttributes*> attributes;
    for (; !cpp.AtLineEnd(); cpp.NextToken())
        if (cpp.TokenKindOrdinal() != C::ttSpace) attributes.push_back(cpp.TokenAttribute());
    EXPECT_EQ(attributes,
              (std::vector<TSynHighlighterAttributes*>{
                  cpp.DirecAttri, cpp.CommentAttri, cpp.CharAttri, cpp.StringAttri, cpp.NumberAttri,
                  cpp.FloatAttri, cpp.HexAttri, cpp.OctalAttri, cpp.InvalidAttri,
                  cpp.IdentifierAttri, cpp.KeyAttri, cpp.SymbolAttri, cpp.InvalidAttri}));
    EXPECT_EQ(cpp.TokenAttribute(), nullptr);
    EXPECT_EQ(cpp.TokenKindOrdinal(), C::ttNull);
}

TEST(CppHighlighter, RangesCarryCommentsStringsDirectivesAndAsm) {
    const std::vector<std::string> lines = {"int a; /* open",  // 0
                                            "",                // 1: an empty line keeps the range
                                            "still */ b;",     // 2
                                            "#define X /* in", // 3
                                            "  directive */ 1 \\", // 4
                                            "  + 2",               // 5
                                            "s = \"a\\",           // 6
                                            "b\";",                // 7
                                            "asm",                 // 8
                                            "",                    // 9
                                            "mov",                 // 10
                                            "__asm x",             // 11
                                            "_asm",                // 12
                                            "#if A /* c */",       // 13
                                            "x"};                  // 14
    TSynCppSyn cpp;
    EXPECT_EQ(test::ComputeRanges(cpp, lines),
              (std::vector<int32_t>{C::rgNone, C::rgBlockComment, C::rgBlockComment, C::rgNone,
                                    C::rgDirectiveComment, C::rgDirectiveCont, C::rgNone,
                                    C::rgStringCont, C::rgNone, C::rgAsm, C::rgAsm, C::rgNone,
                                    C::rgNone, C::rgAsm, C::rgNone}));
    // The directive goes on after the comment closes on the next line.
    cpp.RestoreRange(C::rgDirectiveComment);
    EXPECT_EQ(Tokens(cpp, "  directive */ 1 \\"),
              (std::vector<TToken>{{"  directive */", C::ttComment}, {" 1 \\", C::ttDirective}}));
    cpp.RestoreRange(C::rgAsm);
    EXPECT_EQ(Tokens(cpp, "mov"), (std::vector<TToken>{{"mov", C::ttIdentifier}}));
    EXPECT_EQ(cpp.CurrentRange(), C::rgNone);
}

TEST(CppHighlighter, EditsRescanExactlyTheLinesWhoseRangeChanges) {
    std::vector<std::string> lines = {"int a;",     "int b;",  "#define X 1", "  + 2",
                                      "s = \"x\";", "c */ d;", "e;"};
    TSynCppSyn cpp;
    const std::vector<int32_t> before = test::ComputeRanges(cpp, lines);
    EXPECT_EQ(before, std::vector<int32_t>(lines.size(), C::rgNone));

    // Opening a comment on line 1 runs on to the "*/" of line 5.
    std::vector<int32_t> ranges = before;
    lines[1] = "int b; /*";
    EXPECT_EQ(test::RescanFrom(cpp, lines, ranges, 1), 5u);
    EXPECT_EQ(ranges,
              (std::vector<int32_t>{C::rgNone, C::rgNone, C::rgBlockComment, C::rgBlockComment,
                                    C::rgBlockComment, C::rgBlockComment, C::rgNone}));
    lines[1] = "int b;";
    EXPECT_EQ(test::RescanFrom(cpp, lines, ranges, 1), 5u);
    EXPECT_EQ(ranges, before);

    // A backslash typed at the end of a directive carries it to the next line only.
    lines[2] = "#define X 1 \\";
    EXPECT_EQ(test::RescanFrom(cpp, lines, ranges, 2), 3u);
    EXPECT_EQ(ranges[3], C::rgDirectiveCont);
    EXPECT_EQ(ranges[4], C::rgNone);
    EXPECT_EQ(ranges, test::ComputeRanges(cpp, lines));
}

TEST(CppHighlighter, StoredRangesNoScanProducesActAsTheirNearestState) {
    TSynCppSyn cpp;
    for (int32_t range : {C::rgNone, C::rgBlockComment, C::rgAsm, C::rgDirectiveComment,
                          C::rgStringCont, C::rgDirectiveCont}) {
        cpp.RestoreRange(range);
        EXPECT_EQ(cpp.CurrentRange(), range);
    }
    // 2 and 3 are comment states of an older scanner; the rest is ordinary code.
    for (int32_t older : {2, 3}) {
        cpp.RestoreRange(older);
        EXPECT_EQ(Tokens(cpp, "x */ y").front(), TToken("x */", C::ttComment));
    }
    for (int32_t foreign : {5, 6, 8, 9, 12, -1, 1000, INT32_MIN}) {
        cpp.RestoreRange(foreign);
        EXPECT_EQ(cpp.CurrentRange(), C::rgNone) << foreign;
        EXPECT_EQ(Tokens(cpp, "x */").front(), TToken("x", C::ttIdentifier)) << foreign;
    }
}

TEST(CppHighlighter, LineBreaksInsideALineAreSpaceTokensAndKeepTheRange) {
    TSynCppSyn cpp;
    cpp.ClearRange();
    EXPECT_EQ(Tokens(cpp, "/* a\r\nb */\rx\n#"), (std::vector<TToken>{{"/* a", C::ttComment},
                                                                      {"\r\n", C::ttSpace},
                                                                      {"b */", C::ttComment},
                                                                      {"\r", C::ttSpace},
                                                                      {"x", C::ttIdentifier},
                                                                      {"\n", C::ttSpace},
                                                                      {"#", C::ttUnknown}}));
    EXPECT_EQ(Tokens(cpp, "\n#d\\\r\ne"), (std::vector<TToken>{{"\n", C::ttSpace},
                                                               {"#d\\", C::ttDirective},
                                                               {"\r\n", C::ttSpace},
                                                               {"e", C::ttDirective}}));
    EXPECT_EQ(cpp.CurrentRange(), C::rgNone);
    EXPECT_EQ(Tokens(cpp, "\"a\\\r\nb\"\r\n'c"), (std::vector<TToken>{{"\"a\\", C::ttString},
                                                                      {"\r\n", C::ttSpace},
                                                                      {"b\"", C::ttString},
                                                                      {"\r\n", C::ttSpace},
                                                                      {"'c", C::ttChar}}));
}

TEST(CppHighlighter, ZeroBytesAndHighBytesNeverEndTheLine) {
    TSynCppSyn cpp;
    cpp.ClearRange();
    EXPECT_EQ(Tokens(cpp, "a\0b \"x\0y\" /*\0*/ \xb9\xff"sv),
              (std::vector<TToken>{{"a", C::ttIdentifier},
                                   {"\0"s, C::ttSpace},
                                   {"b", C::ttIdentifier},
                                   {" ", C::ttSpace},
                                   {"\"x\0y\""s, C::ttString},
                                   {" ", C::ttSpace},
                                   {"/*\0*/"s, C::ttComment},
                                   {" ", C::ttSpace},
                                   {"\xb9", C::ttUnknown},
                                   {"\xff", C::ttUnknown}}));
    // Nothing past the view is read, even where a construct looks one or two characters ahead.
    for (const std::string text :
         {"x<<=y", "1e+5", "0x1", "/*a*/", "#a\\", "\"a\\", "...", "a->b", "'\\'"}) {
        test::ExpectPrefixesEndAtTheirEnd(cpp, text);
    }
}

TEST(CppHighlighter, PathologicalLinesScanWhole) {
    TSynCppSyn cpp;
    for (char repeated : {'\\', '"', '\'', '#', '/', '*', '.', '0', 'x', 'e', '<', '@', '\0'}) {
        SCOPED_TRACE(int(repeated));
        const std::string line(100000, repeated);
        cpp.ClearRange();
        cpp.StartLine(line, 0);
        size_t tokens = 0;
        for (; !cpp.AtLineEnd(); cpp.NextToken())
            ++tokens;
        EXPECT_EQ(cpp.TokenStart(), 100000);
        EXPECT_GE(tokens, 1u);
    }
    // A 10 MB line: an unterminated string, then the same as a comment opened at its start.
    std::string huge(10'000'000, 'a');
    huge[0] = '"';
    cpp.ClearRange();
    EXPECT_EQ(Tokens(cpp, huge).size(), 1u);
    huge[0] = '/';
    huge[1] = '*';
    EXPECT_EQ(Tokens(cpp, huge).size(), 1u);
    EXPECT_EQ(cpp.CurrentRange(), C::rgBlockComment);
}

} // namespace
} // namespace tavlo
