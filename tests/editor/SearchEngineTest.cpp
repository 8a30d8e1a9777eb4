// The search engine: its defined cases, and agreement with the plain reference matcher.
#include <gtest/gtest.h>

#include "ReferenceMatcher.h"
#include "editor/SynEditSearch.h"

#include <random>

namespace tavlo {
namespace {

std::vector<int32_t> engineMatches(TSynEditSearch& engine, std::string_view text) {
    engine.FindAllIn(text);
    std::vector<int32_t> found;
    for (int32_t i = 0; i < engine.MatchCount(); ++i)
        found.push_back(engine.MatchAt(i));
    return found;
}

std::vector<int32_t> find(std::string_view text, std::string_view pattern, bool caseMatters = false,
                          bool wholeWords = false) {
    TSynEditSearch engine;
    engine.SetSearchPattern(pattern);
    engine.SetCaseMatters(caseMatters);
    engine.WholeWordsOnly = wholeWords;
    return engineMatches(engine, text);
}

using Positions = std::vector<int32_t>;

TEST(SearchEngine, DefinedCases) {
    EXPECT_EQ(find("xABab", "ab"), (Positions{2, 4}));
    EXPECT_EQ(find("xABab", "ab", true), (Positions{4}));
    EXPECT_EQ(find("aaaa", "aa"), (Positions{1, 3}));
    EXPECT_EQ(find("cat concat cat_1 (cat)", "cat", false, true), (Positions{1, 19}));
    // Polish capitals fold to their small letters; Polish letters join words.
    EXPECT_EQ(find("\xA5\x8C\xAF \xB9\x9C\xBF", "\xB9\x9C\xBF"), (Positions{1, 5}));
    EXPECT_EQ(find("\xB9x x\xB9 x", "x", false, true), (Positions{7}));
    // A zero byte is an ordinary byte in the text and the pattern, and breaks words.
    EXPECT_EQ(find(std::string_view("a\0b a\0b", 7), std::string_view("a\0b", 3), false, true),
              (Positions{1, 5}));
    EXPECT_EQ(find("abc", "abcd"), Positions{});
    const std::string longPattern = std::string(200, 'x') + std::string(100, 'y');
    EXPECT_EQ(find("--" + longPattern + "-" + longPattern, longPattern), (Positions{3, 304}));
}

TEST(SearchEngine, MatchListAndShifts) {
    TSynEditSearch engine;
    engine.SetSearchPattern("ab");
    EXPECT_EQ(engine.FindAllIn("ab ab ab"), 3);
    EXPECT_EQ(engine.MatchAt(-1), 0);
    EXPECT_EQ(engine.MatchAt(3), 0);
    engine.SetSearchPattern("x");
    engine.FindAllIn("x...x...x..x");
    engine.ShiftMatchesAfter(5, 2);
    EXPECT_EQ(
        (Positions{engine.MatchAt(0), engine.MatchAt(1), engine.MatchAt(2), engine.MatchAt(3)}),
        (Positions{1, 5, 7, 10}));
    engine.ShiftMatchesAfter(1, 0);
    EXPECT_EQ(engine.MatchAt(2), 7);
    // FirstMatch and NextMatch walk the same positions one by one.
    EXPECT_EQ(engine.FirstMatch("axbx"), 2);
    EXPECT_EQ(engine.NextMatch(), 4);
    EXPECT_EQ(engine.NextMatch(), 0);
    engine.SetSearchPattern("");
    EXPECT_THROW(engine.FindAllIn("text"), ESynSearchError);
    try {
        engine.FirstMatch("text");
    } catch (const ESynSearchError& error) {
        EXPECT_STREQ(error.what(), "Pattern is empty");
    }
}

// Random texts of few distinct bytes (so that patterns recur), Polish letters in both cases,
// digits, underscores, zero bytes and long lines, against patterns partly cut out of them.
TEST(SearchEngine, AgreesWithReferenceMatcher) {
    std::mt19937 random(20261208);
    const std::string alphabet =
        std::string("aAbB_0 \t.") + '\0' + "\xB9\xA5\x9C\x8C\xB3\xA3\xF3\xD3zZ";
    TSynEditSearch engine;
    for (int round = 0; round < 3000; ++round) {
        const size_t length = round % 50 == 0 ? 20000 + random() % 5000 : random() % 400;
        const size_t distinct = 2 + random() % alphabet.size();
        std::string text(length, ' ');
        for (char& c : text)
            c = alphabet[random() % distinct];
        std::string pattern;
        const size_t patternLength = 1 + (round % 10 == 0 ? random() % 300 : random() % 8);
        if (random() % 3 != 0 && text.size() >= patternLength) {
            pattern = text.substr(random() % (text.size() - patternLength + 1), patternLength);
            // Flip the case of some letters so that folding is exercised.
            for (char& c : pattern)
                if (random() % 4 == 0) c = char(UpperCase1250(uint8_t(c)));
        } else {
            pattern.resize(patternLength);
            for (char& c : pattern)
                c = alphabet[random() % distinct];
        }
        for (bool caseMatters : {false, true}) {
            for (bool wholeWords : {false, true}) {
                engine.SetSearchPattern(pattern);
                engine.SetCaseMatters(caseMatters);
                engine.WholeWordsOnly = wholeWords;
                ASSERT_EQ(engineMatches(engine, text),
                          test::ReferenceMatches(text, pattern, caseMatters, wholeWords))
                    << "round " << round << " case " << caseMatters << " words " << wholeWords;
            }
        }
    }
}

} // namespace
} // namespace tavlo
