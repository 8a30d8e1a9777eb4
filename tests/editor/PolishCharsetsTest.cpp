#include "editor/PolishCharsets.h"

#include <gtest/gtest.h>

using namespace tavlo;

namespace {
std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}
} // namespace

TEST(PolishCharsets, EveryByteRoundTripsThroughItsCharacter) {
    for (int standard = 0; standard < PolishStandardCount; ++standard) {
        const auto& table = CodePageCharacters(standard);
        for (int b = 0; b < 256; ++b) {
            auto back = CodePageByte(standard, table[size_t(b)]);
            ASSERT_TRUE(back.has_value()) << standard << " " << b;
            EXPECT_EQ(*back, b) << standard << " " << b;
        }
    }
    // The Polish letters read as themselves in every standard that has them.
    const std::u16string letters = u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    for (int standard = 0; standard < 4; ++standard)
        for (int column = 0; column < PolishLetterCount; ++column)
            EXPECT_EQ(CodePageCharacters(standard)[PolishLetterBytes[standard][column]], letters[size_t(column)]);
    EXPECT_FALSE(CodePageByte(psCp852, u'€').has_value());
    EXPECT_EQ(CodePageCharacters(99), CodePageCharacters(psCp1250));
}

TEST(PolishCharsets, ConversionFollowsTheFirstMatch) {
    // Zażółć: CP1250 to plain letters and back.
    std::string text = bytes({'Z', 'a', 0xBF, 0xF3, 0xB3, 0xE6});
    ConvertPolishChars(text, psCp1250, psNoPolish);
    EXPECT_EQ(text, "Zazolc");
    ConvertPolishChars(text, psNoPolish, psCp1250);
    EXPECT_EQ(text, bytes({0x8F, 0xB9, 0x9F, 0xF3, 0xB3, 0xE6})); // Źąźółć

    std::string unchanged = "tab\there\r\n";
    ConvertPolishChars(unchanged, psCp1250, psMazovia);
    EXPECT_EQ(unchanged, "tab\there\r\n");
    std::string same = bytes({0xB9, 'x'});
    ConvertPolishChars(same, psCp852, psCp852);
    EXPECT_EQ(same, bytes({0xB9, 'x'}));
    std::string latin2 = bytes({0xA5, 0xBD});
    ConvertPolishChars(latin2, psCp852, psIso8859_2);
    EXPECT_EQ(latin2, bytes({0xB1, 0xAF}));
}
