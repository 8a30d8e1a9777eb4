#include "editor/PolishCharsets.h"
#include "editor/PolishStandardGuess.h"

#include <gtest/gtest.h>

#include <string>

namespace tavlo {
namespace {

// A few sentences of Polish prose in Windows-1250, written for this test: every letter
// occurs, capitals too, at the frequencies of ordinary text.
std::string ProseInCp1250() {
    // "Żółta łódź płynęła wolno po jeziorze. Ćma usiadła na gałęzi, a źrebię pasło się nad
    // brzegiem. Ósmego dnia Łukasz i Ńena (imię z bajki) śpiewali pieśni o Ślązakach i
    // Ąbrowskich. Źle się dzieje, gdy ktoś ęka. Wieczorem zjedliśmy żurek, pierogi i
    // kiełbasę, a potem długo rozmawialiśmy o tym, dokąd pójdziemy jutro."
    return "\xAF\xF3\xB3ta \xB3\xF3" "d\x9F p\xB3yn\xEA\xB3" "a wolno po jeziorze. \xC6ma usiad\xB3" "a na ga\xB3\xEAzi, "
           "a \x9Fr" "ebi\xEA pas\xB3o si\xEA nad brzegiem. \xD3smego dnia \xA3ukasz i \xD1" "ena (imi\xEA z bajki) "
           "\x9Cpiewali pie\x9Cni o \x8Cl\xB9zakach i \xA5" "browskich. \x8Fle si\xEA dzieje, gdy kto\x9C \xEAka. "
           "Wieczorem zjedli\x9Cmy \xBFurek, pierogi i kie\xB3" "bas\xEA, a potem d\xB3ugo rozmawiali\x9Cmy o tym, "
           "dok\xB9" "d p\xF3jdziemy jutro.\r\n";
}

TEST(PolishStandardGuess, ProseIsRecognisedInEveryStandardThatHasPolishLetters) {
    const std::string prose = ProseInCp1250();
    ASSERT_GE(prose.size(), 200u);
    for (int standard : {psCp1250, psCp852, psMazovia, psIso8859_2}) {
        std::string text = prose;
        ConvertPolishChars(text, psCp1250, standard);
        const auto guess = GuessPolishStandard(text);
        ASSERT_TRUE(guess.has_value()) << standard;
        EXPECT_EQ(*guess, (TStandardGuess{false, standard})) << standard;
    }
}

TEST(PolishStandardGuess, Utf8AndPlainTextAreToldApart) {
    // The same prose's opening in UTF-8.
    const std::string utf8 = "\xC5\xBB\xC3\xB3\xC5\x82ta \xC5\x82\xC3\xB3" "d\xC5\xBA p\xC5\x82yn\xC4\x99\xC5\x82" "a";
    EXPECT_EQ(GuessPolishStandard(utf8), (TStandardGuess{true, -1}));

    std::string plain = ProseInCp1250();
    ConvertPolishChars(plain, psCp1250, psNoPolish);
    EXPECT_FALSE(GuessPolishStandard(plain).has_value());
    EXPECT_FALSE(GuessPolishStandard("").has_value());

    // A truncated UTF-8 sequence is no UTF-8; bytes that are letters nowhere give no guess.
    EXPECT_NE(GuessPolishStandard("ab\xC5"), (std::optional<TStandardGuess>{TStandardGuess{true, -1}}));
    EXPECT_FALSE(GuessPolishStandard("\xFF\xFE\xFD\xFC").has_value());
}

} // namespace
} // namespace tavlo
