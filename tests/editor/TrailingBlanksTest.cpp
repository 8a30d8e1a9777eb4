// Trailing blanks of an edited line, worked out from its parts without building it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor/SynEditMiscProcs.h"

namespace tavlo::test {
namespace {

TEST(TrailingBlanks, OfASpliceAreThoseOfTheSplicedLine) {
    std::mt19937 gen(13);
    auto piece = [&] {
        std::string s(gen() % 5, ' ');
        for (char& c : s)
            if (gen() % 3 == 0) c = 'x';
        return s;
    };
    for (int i = 0; i < 20'000; ++i) {
        const std::string line = piece() + piece(), text = piece();
        // Offsets and counts past the end are cut at the end.
        const size_t at = gen() % (line.size() + 3), removed = gen() % (line.size() + 3);
        std::string spliced = line;
        const size_t from = std::min(at, line.size());
        spliced.replace(from, std::min(removed, line.size() - from), text);
        ASSERT_EQ(SplicedTrailingBlanks(line, at, removed, text), TrailingBlanks(spliced))
            << '"' << line << "\" at " << at << " removing " << removed << " for \"" << text << '"';
    }
    EXPECT_EQ(SplicedTrailingBlanks("   ", 1, 1, ""), 2u) << "a line of blanks alone";
    EXPECT_EQ(SplicedTrailingBlanks("ab ", 3, 0, "  "), 3u);
    EXPECT_EQ(SplicedTrailingBlanks("ab  cd", 2, 4, " "), 1u);
}

} // namespace
} // namespace tavlo::test
