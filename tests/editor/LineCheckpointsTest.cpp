// Resume points of long lines: an edit is rescanned only until the scan agrees again with the
// one before, the range at the line's end stays what a full scan gives, and the points follow
// the lines they belong to.
#include "editor/SynEditLineCheckpoints.h"
#include "highlighters/SynHighlighterPas.h"

#include <gtest/gtest.h>

#include <string>

namespace tavlo::test {
namespace {

// Pascal counting the bytes of the tokens it scans.
class TCountingPascal : public TSynPasSyn {
public:
    void NextToken() override {
        TSynPasSyn::NextToken();
        Bytes += TokenView().size();
    }
    size_t Bytes = 0;
};

// Pascal as a language that cannot say its state mid-line.
class TPascalWithoutResume : public TSynPasSyn {
public:
    bool CaptureScanState(TSynScanState&) const override { return false; }
};

int32_t fullScanEnd(std::string_view text) {
    TSynPasSyn scanner;
    scanner.ClearRange();
    scanner.StartLine(text, 0);
    scanner.SkipToLineEnd();
    return int32_t(scanner.CurrentRange());
}

std::string codeLine(size_t bytes) {
    std::string line;
    while (line.size() < bytes)
        line += "x := y + 1; ";
    return line;
}

class LineCheckpointsTest : public ::testing::Test {
protected:
    // The end range through the resume points, checked against a full scan; answers the
    // bytes it scanned.
    size_t endRangeScan() {
        pascal.Bytes = 0;
        int32_t end = -2;
        EXPECT_TRUE(points.EndRange(pascal, line, 3, -1, end));
        EXPECT_EQ(end, fullScanEnd(line));
        return pascal.Bytes;
    }
    void insert(size_t at, std::string_view text) {
        line.insert(at, text);
        points.LineSpliced(3, at, 0, text.size());
    }

    TCountingPascal pascal;
    TSynEditLineCheckpoints points;
    std::string line = codeLine(400'000);
};

TEST_F(LineCheckpointsTest, AnEditIsRescannedOnlyUntilTheScanAgreesAgain) {
    EXPECT_EQ(endRangeScan(), line.size());
    EXPECT_GT(points.PointCount(3), line.size() / TSynEditLineCheckpoints::Spacing - 2);
    EXPECT_EQ(endRangeScan(), 0u) << "a settled line is not scanned again";

    constexpr size_t Near = 3 * TSynEditLineCheckpoints::Spacing;
    insert(200'000, "abc");
    EXPECT_LT(endRangeScan(), Near)
        << "only from the last point before the edit to the next after it";

    // A comment opened without a close changes the state to the end: the rest is scanned.
    insert(200'000, "{");
    EXPECT_GT(endRangeScan(), 200'000u);
    // Closed again, the rest is scanned again (the comment left no points in it) and has
    // points again for the next edit.
    insert(200'001, "}");
    EXPECT_GT(endRangeScan(), 200'000u);
    insert(300'000, "abc");
    EXPECT_LT(endRangeScan(), Near);

    // Two edits before the line is settled: the harmless one before the opener must not
    // make the scan stop at a point between the two.
    insert(300'000, "(*");
    insert(100'000, "abc");
    EXPECT_GT(endRangeScan(), 200'000u);

    // Starting at a byte resumes at the last point before it, with the tokens a full scan
    // gives; also after text was typed right at a point, which lengthens the token before it.
    size_t point = 0;
    for (size_t byte = 250'000; byte < 350'000; byte += TSynEditLineCheckpoints::Spacing) {
        points.StartLine(pascal, line, 3, -1, byte);
        point = size_t(pascal.TokenStart());
        EXPECT_LE(point, byte);
        EXPECT_GT(point, byte - 2 * TSynEditLineCheckpoints::Spacing);
        if (line[point - 1] == ' ' || line[point - 1] == 'y') break;
    }
    insert(point, line.substr(point - 1, 1));
    endRangeScan();
    points.StartLine(pascal, line, 3, -1, point);
    TSynPasSyn scanner;
    scanner.ClearRange();
    for (scanner.StartLine(line, 3); scanner.TokenStart() < pascal.TokenStart();)
        scanner.NextToken();
    for (int i = 0; i < 1000; ++i, pascal.NextToken(), scanner.NextToken()) {
        ASSERT_EQ(pascal.TokenStart(), scanner.TokenStart());
        ASSERT_EQ(pascal.TokenKindOrdinal(), scanner.TokenKindOrdinal());
    }
}

TEST_F(LineCheckpointsTest, ANewStartRangeIsRescannedUntilTheStatesAgree) {
    line = "x := 1; *) " + line;
    int32_t end = -2;
    ASSERT_TRUE(points.EndRange(pascal, line, 3, -1, end));
    pascal.Bytes = 0;
    ASSERT_TRUE(points.EndRange(pascal, line, 3, TSynPasSyn::rgParenComment, end));
    EXPECT_EQ(end, fullScanEnd(line));
    EXPECT_LT(pascal.Bytes, 2 * TSynEditLineCheckpoints::Spacing)
        << "the comment ends before the first point";
}

TEST_F(LineCheckpointsTest, PointsFollowTheirLinesAndGoWithThem) {
    int32_t end = 0;
    EXPECT_FALSE(points.EndRange(pascal, codeLine(1000), 0, -1, end))
        << "short lines are scanned by the caller";
    TPascalWithoutResume withoutResume;
    EXPECT_FALSE(points.EndRange(withoutResume, line, 0, -1, end));
    ASSERT_TRUE(points.EndRange(pascal, line, 3, -1, end));
    ASSERT_TRUE(points.EndRange(pascal, line, 7, -1, end));
    points.LinesAdded(5, 2);
    EXPECT_GT(points.PointCount(3), 0u);
    EXPECT_EQ(points.PointCount(7), 0u);
    EXPECT_GT(points.PointCount(9), 0u);
    points.LinesRemoved(2, 3);
    EXPECT_EQ(points.PointCount(3), 0u);
    EXPECT_GT(points.PointCount(6), 0u);
    points.LineReplaced(6);
    EXPECT_EQ(points.LineCount(), 0u);
    // A line cut below the length of long lines loses its points.
    ASSERT_TRUE(points.EndRange(pascal, line, 1, -1, end));
    EXPECT_FALSE(points.EndRange(pascal, line.substr(0, 1000), 1, -1, end));
    EXPECT_EQ(points.LineCount(), 0u);
}

} // namespace
} // namespace tavlo::test
