// The editor's rescan after an edit, run on a highlighter alone: opening a comment changes the
// ranges of the following lines down to where it closes and no further; closing it restores them.
#include "HighlighterTestSupport.h"
#include "highlighters/SynHighlighterPas.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(RangePropagation, OpeningAndClosingACommentRescansExactlyTheSpan) {
    std::vector<std::string> lines = {
        "unit Ranges;",        // 0
        "interface",           // 1
        "procedure Go;",       // 2
        "implementation",      // 3
        "procedure Go;",       // 4
        "begin",               // 5
        "  Run;",              // 6
        "  Stop; } Done;",     // 7: a stray brace closes what line 3 will open
        "end;",                // 8
        "end.",                // 9
    };
    TSynPasSyn pascal;
    const std::vector<int32_t> before = test::ComputeRanges(pascal, lines);
    for (int32_t range : before) EXPECT_EQ(range, TSynPasSyn::rgNone);

    std::vector<int32_t> ranges = before;
    lines[3] = "implementation {";
    EXPECT_EQ(test::RescanFrom(pascal, lines, ranges, 3), 7u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool inComment = i >= 4 && i <= 7;
        EXPECT_EQ(ranges[i], inComment ? TSynPasSyn::rgBraceComment : TSynPasSyn::rgNone) << i;
    }
    EXPECT_EQ(ranges, test::ComputeRanges(pascal, lines));

    lines[3] = "implementation";
    EXPECT_EQ(test::RescanFrom(pascal, lines, ranges, 3), 7u);
    EXPECT_EQ(ranges, before);

    // An edit that changes nothing for the next line scans only its own line.
    lines[6] = "  Run; Run;";
    EXPECT_EQ(test::RescanFrom(pascal, lines, ranges, 6), 6u);
    EXPECT_EQ(ranges, before);
    EXPECT_EQ(test::RescanFrom(pascal, lines, ranges, 9), 9u);
}

TEST(RangePropagation, AsmAndPropertyStatesCarryAcrossLines) {
    const std::vector<std::string> lines = {
        "asm", "  mov eax, 1 (*", "  *) nop {", "  } end;", "property X: Integer", "  read FX;", "x"};
    TSynPasSyn pascal;
    EXPECT_EQ(test::ComputeRanges(pascal, lines),
              (std::vector<int32_t>{TSynPasSyn::rgNone, TSynPasSyn::rgAsm, TSynPasSyn::rgParenCommentAsm,
                                    TSynPasSyn::rgBraceCommentAsm, TSynPasSyn::rgNone,
                                    TSynPasSyn::rgPropertyDecl, TSynPasSyn::rgNone}));
}

} // namespace
} // namespace tavlo
