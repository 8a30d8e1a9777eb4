// The five Polish character standards: how their bytes read as characters, and the
// 18-letter table that converts text from one to another.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace tavlo {

enum TPolishStandard : int {
    psCp1250 = 0,
    psCp852 = 1,
    psMazovia = 2,
    psIso8859_2 = 3,
    psNoPolish = 4, // shown and typed as Windows-1250
};
constexpr int PolishStandardCount = 5;

// The characters of the 256 bytes in a standard; bytes a code page leaves undefined read
// as the control character of the same number, so every byte survives a round trip.
const std::array<char16_t, 256>& CodePageCharacters(int standard);

// The byte that stands for a character in a standard, if it has one.
std::optional<unsigned char> CodePageByte(int standard, char16_t character);

// Decodes bytes into UTF-16 through a standard's table.
std::u16string DecodeCodePage(int standard, const std::string& bytes);

// The Polish letters in table order: ą ć ę ł ń ó ś ź ż Ą Ć Ę Ł Ń Ó Ś Ź Ż.
constexpr int PolishLetterCount = 18;
extern const unsigned char PolishLetterBytes[PolishStandardCount][PolishLetterCount];

// Converts in place, byte by byte: a byte found in the `from` row (first match) becomes the
// byte of the same letter in the `to` row; every other byte is left alone.
void ConvertPolishChars(std::string& text, int from, int to);

} // namespace tavlo
