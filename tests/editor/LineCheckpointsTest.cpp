// Resume points of long lines: an edit is rescanned only until the scan agrees again with the
// one before, the range at the line's end stays what a full scan gives, and the points follow
// the lines they belong to.
#include "editor/SynEditLineCheckpoints.h"
#include "highlighters/SynHighlighterCpp.h"
#include "highlighters/SynHighlighterHtml.h"
#include "highlighters/SynHighlighterIni.h"
#include "highlighters/SynHighlighterPas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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
    bool ResumesMidLine() const override { return false; }
};

template <class TLanguage = TSynPasSyn> int32_t fullScanEnd(std::string_view text) {
    TLanguage scanner;
    scanner.ClearRange();
    scanner.StartLine(text, 0);
    scanner.SkipToLineEnd();
    return int32_t(scanner.CurrentRange());
}

// The highlighter, started somewhere in the line, gives the tokens that a scan from the
// line start gives from there on.
template <class TLanguage>
void expectTokensOfAFullScan(TSynCustomHighlighter& resumed, std::string_view line, size_t byte) {
    TLanguage scanner;
    scanner.ClearRange();
    scanner.StartLine(line, 3);
    while (!scanner.AtLineEnd() && scanner.TokenStart() < resumed.TokenStart())
        scanner.NextToken();
    ASSERT_EQ(scanner.AtLineEnd(), resumed.AtLineEnd()) << "from byte " << byte;
    for (int i = 0; i < 300 && !scanner.AtLineEnd(); ++i) {
        ASSERT_EQ(resumed.TokenStart(), scanner.TokenStart()) << "from byte " << byte;
        ASSERT_EQ(resumed.TokenKindOrdinal(), scanner.TokenKindOrdinal()) << "from byte " << byte;
        resumed.NextToken();
        scanner.NextToken();
    }
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
        EXPECT_EQ(points.EndRange(pascal, line, 3, -1), fullScanEnd(line));
        return pascal.Bytes;
    }
    void insert(size_t at, std::string_view text) { splice(at, 0, text); }
    void splice(size_t at, size_t removed, std::string_view text) {
        line.replace(at, removed, text);
        points.LineSpliced(3, at, removed, text.size());
    }
    // Starting at `byte` resumes at a token start before it, with the tokens a full scan
    // gives from there. In code (not in a long comment, which is one token) that start is at
    // most a few resume points before the byte.
    void expectResumesExactly(size_t byte, bool inCode = true) {
        points.StartLine(pascal, line, 3, -1, byte);
        const size_t from = size_t(pascal.TokenStart());
        ASSERT_LE(from, byte);
        if (inCode) {
            EXPECT_LT(byte - from, 2 * TSynEditLineCheckpoints::Spacing) << "from byte " << byte;
        }
        expectTokensOfAFullScan<TSynPasSyn>(pascal, line, byte);
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
    expectResumesExactly(point);
}

// Bytes removed, alone or replaced by others: points inside the removed bytes go, those
// behind move back, and a deletion that ends a comment or a string is found as surely as an
// insertion that starts one.
TEST_F(LineCheckpointsTest, RemovedBytesDropAndMoveThePoints) {
    endRangeScan();
    const size_t before = points.PointCount(3);
    constexpr size_t Near = 3 * TSynEditLineCheckpoints::Spacing;

    splice(100'000, 50'000, "");
    EXPECT_LT(endRangeScan(), Near);
    EXPECT_LE(points.PointCount(3), before - 50'000 / TSynEditLineCheckpoints::Spacing + 1);
    for (size_t byte : {99'000u, 100'000u, 100'020u, 110'000u, 300'000u})
        expectResumesExactly(byte);

    splice(200'000, 0, "{");
    EXPECT_GT(endRangeScan(), 100'000u);
    splice(200'000, 1, "x"); // the opener replaced: the rest is code again
    EXPECT_GT(endRangeScan(), 100'000u);
    splice(250'000, 0, "'");
    endRangeScan();
    splice(250'000, 1, ""); // the string's quote deleted
    endRangeScan();
    expectResumesExactly(260'000);
    splice(250'000, 3, "abc");
    EXPECT_LT(endRangeScan(), Near) << "the points behind the rescanned stretch hold again";

    // A comment that swallowed the rest is closed by deleting the bytes up to a closer.
    line += " } y := 2; ";
    points.LineReplaced(3);
    splice(150'000, 0, "{");
    endRangeScan();
    splice(150'001, 1000, "");
    endRangeScan();
    splice(150'000, line.size() - 150'000 - 12, "");
    endRangeScan();
    expectResumesExactly(150'000);

    // The tail removed and then the whole line but a few bytes.
    splice(120'000, line.size() - 120'000, "");
    endRangeScan();
    expectResumesExactly(119'000);
    line.erase(100);
    points.LineSpliced(3, 100, 119'900, 0);
    endRangeScan();
    EXPECT_EQ(points.LineCount(), 0u) << "a short line has no points";
}

// However a long line is edited, its points stay about as many as its length allows: a
// 10 MB line holds some 2500 of them, and inserting and deleting all along a line does not
// make them crowd.
TEST_F(LineCheckpointsTest, PointsStayBoundedByTheLineLength) {
    line = codeLine(10'000'000);
    endRangeScan();
    EXPECT_GE(points.PointCount(3), 2300u);
    EXPECT_LE(points.PointCount(3), line.size() / TSynEditLineCheckpoints::Spacing + 1);

    // Random edits, with scans from random bytes (as paints do, verifying points only as far
    // as they need) and for the end range in between.
    line = codeLine(600'000);
    points.LineReplaced(3);
    endRangeScan();
    std::mt19937 random(11);
    const char* const pieces[] = {"abc", "{", "}", "(*", "*)", "'", "x := 1; ", "  "};
    for (int edit = 0; edit < 300; ++edit) {
        const size_t at = random() % line.size();
        if (random() % 3 == 0)
            insert(at, pieces[random() % std::size(pieces)]);
        else
            splice(at, std::min<size_t>(line.size() - at, random() % 3000), "");
        if (line.size() < TSynEditLineCheckpoints::LongLine) break;
        if (edit % 3 == 0) expectResumesExactly(random() % line.size(), false);
        if (edit % 5 == 0) endRangeScan();
    }
    endRangeScan();
    EXPECT_LE(points.PointCount(3), line.size() / TSynEditLineCheckpoints::MinimumSpacing + 1);
    for (size_t byte = 0; byte < line.size(); byte += line.size() / 7)
        expectResumesExactly(byte, false);

    // Deleting nearly all of every gap between two points, from the back and settling after
    // each, leaves each point standing, close to the next; settling thins them out.
    line = codeLine(4'000'000);
    points.LineReplaced(3);
    endRangeScan();
    std::vector<size_t> offsets;
    for (size_t byte = 0; byte < line.size(); byte += TSynEditLineCheckpoints::Spacing / 4) {
        points.StartLine(pascal, line, 3, -1, byte);
        if (offsets.empty() || size_t(pascal.TokenStart()) != offsets.back())
            offsets.push_back(size_t(pascal.TokenStart()));
    }
    ASSERT_GT(offsets.size(), 900u);
    for (size_t k = offsets.size() - 1; k > 1; --k) {
        splice(offsets[k - 1] + 50, offsets[k] - offsets[k - 1] - 100, "");
        points.EndRange(pascal, line, 3, -1);
    }
    ASSERT_GE(line.size(), TSynEditLineCheckpoints::LongLine);
    endRangeScan();
    EXPECT_LE(points.PointCount(3), line.size() / TSynEditLineCheckpoints::MinimumSpacing + 1);
    for (size_t byte = 0; byte < line.size(); byte += line.size() / 7)
        expectResumesExactly(byte, false);
}

// A scan from a byte deep in a long line verifies points only up to that byte; the end
// range later scans on from there, and an edit before the byte leaves the points before it.
TEST_F(LineCheckpointsTest, AScanFromAByteGoesOnlyAsFarAsThatByte) {
    constexpr size_t Spacing = TSynEditLineCheckpoints::Spacing;
    pascal.Bytes = 0;
    expectResumesExactly(150'000);
    EXPECT_LT(pascal.Bytes, 150'000u + 2 * Spacing) << "to the byte, not to the line's end";
    pascal.Bytes = 0;
    expectResumesExactly(100'000);
    EXPECT_LT(pascal.Bytes, 2 * Spacing) << "before verified points: from the nearest";
    const size_t rest = endRangeScan();
    EXPECT_GT(rest, line.size() - 150'000 - Spacing);
    EXPECT_LT(rest, line.size() - 150'000 + 2 * Spacing);

    insert(120'000, "(*");
    pascal.Bytes = 0;
    expectResumesExactly(110'000);
    EXPECT_LT(pascal.Bytes, 2 * Spacing);
    // Just behind the opener, within a spacing of the last verified point, the old points
    // (found in code, now inside the comment) must not be resumed from.
    for (size_t byte = 120'020; byte < 120'000 + Spacing; byte += 200)
        expectResumesExactly(byte, false);
    pascal.Bytes = 0;
    expectResumesExactly(200'000, false);
    // The comment runs to the line's end: old points behind the opener are not resumed from.
    EXPECT_GT(pascal.Bytes, 80'000u);
    insert(120'001, "x*)");
    expectResumesExactly(300'000);
    EXPECT_LT(endRangeScan(), line.size() - 300'000 + 2 * Spacing);

    // A deletion that takes out an assembler block's start brings the old points behind it,
    // found inside the block, near a verified point: they must not be resumed from.
    points.StartLine(pascal, line, 3, -1, 200'000);
    const size_t point = size_t(pascal.TokenStart());
    insert(point + 200, " asm ");
    endRangeScan();
    splice(point + 150, 3000, "");
    for (size_t byte = point + 150; byte < point + Spacing; byte += 100)
        expectResumesExactly(byte, false);
}

// In C++ a "#" after nothing but blanks starts a directive, however far back the line
// starts: deleting what stood before the blanks makes one of a "#" that was not, even though
// the scan meets the point after the blanks in the same range.
TEST(LineCheckpointsCpp, AHashAfterBlanksAloneIsADirectiveHoweverFarTheLineStartIs) {
    TSynCppSyn cpp;
    TSynEditLineCheckpoints points;
    // The blanks reach past the first resume point, which comes right after them.
    std::string line =
        "x" + std::string(TSynEditLineCheckpoints::Spacing + 100, ' ') + "#define A ";
    while (line.size() < 200'000)
        line += "a = b + 1; ";
    EXPECT_EQ(points.EndRange(cpp, line, 3, -1), fullScanEnd<TSynCppSyn>(line));
    line.erase(0, 1);
    points.LineSpliced(3, 0, 1, 0);
    EXPECT_EQ(points.EndRange(cpp, line, 3, -1), fullScanEnd<TSynCppSyn>(line));
    for (size_t byte = 10'000; byte < line.size(); byte += 50'000) {
        points.StartLine(cpp, line, 3, -1, byte);
        expectTokensOfAFullScan<TSynCppSyn>(cpp, line, byte);
    }
}

// In HTML a text ends before the "&" of a numeric reference when a ";" closes its digits. A
// long run of digits must not make the text look further ahead than a resumed scan may: a
// ";" deleted far behind the point after such a text would leave the point standing, and a
// scan from it would split what a full scan takes as one text.
TEST(LineCheckpointsHtml, TextBeforeALongNumericReferenceEndsAsAFullScanWhenItsSemicolonGoes) {
    TSynHTMLSyn html;
    TSynEditLineCheckpoints points;
    // Texts of varied lengths, so that resume points come both before and after references.
    std::mt19937 random(3);
    std::string line;
    while (line.size() < 200'000)
        line += std::string(1 + random() % 40, 'y') + "&#12345678901234567890;";
    EXPECT_EQ(points.EndRange(html, line, 3, -1), fullScanEnd<TSynHTMLSyn>(line));
    int pointsBeforeAReference = 0;
    for (size_t byte = 10'000; byte < 190'000; byte += 9'000) {
        points.StartLine(html, line, 3, -1, byte);
        const size_t point = size_t(html.TokenStart());
        pointsBeforeAReference += line[point] == '&';
        const size_t semicolon = line.find(';', point);
        line.erase(semicolon, 1);
        points.LineSpliced(3, semicolon, 1, 0);
        points.StartLine(html, line, 3, -1, byte);
        expectTokensOfAFullScan<TSynHTMLSyn>(html, line, byte);
    }
    EXPECT_GT(pointsBeforeAReference, 0);
    EXPECT_EQ(points.EndRange(html, line, 3, -1), fullScanEnd<TSynHTMLSyn>(line));
}

// An INI line starts with a key that runs to the first "=", however far that is; the rest is
// scanned byte by byte. An "=" typed near the start ends the key before resume points that lay
// inside it, and deleting it makes them part of the key again.
TEST(LineCheckpointsIni, AKeyEndsAtTheFirstEqualsSignHoweverFarResumePointsLie) {
    TSynIniSyn ini;
    TSynEditLineCheckpoints points;
    std::string line = std::string(70'000, 'k');
    while (line.size() < 150'000)
        line += " [a] ;b 1.5 'c' x=y";
    auto expectFullScanTokens = [&] {
        for (size_t byte = 5'000; byte < line.size(); byte += 11'000) {
            points.StartLine(ini, line, 3, -1, byte);
            expectTokensOfAFullScan<TSynIniSyn>(ini, line, byte);
        }
        EXPECT_EQ(points.EndRange(ini, line, 3, -1), fullScanEnd<TSynIniSyn>(line));
    };
    expectFullScanTokens();
    line.insert(10, "=");
    points.LineSpliced(3, 10, 0, 1);
    expectFullScanTokens();
    EXPECT_GT(points.PointCount(3), 30u);
    line.erase(10, 1);
    points.LineSpliced(3, 10, 1, 0);
    expectFullScanTokens();
}

TEST_F(LineCheckpointsTest, ANewStartRangeIsRescannedUntilTheStatesAgree) {
    line = "x := 1; *) " + line;
    points.EndRange(pascal, line, 3, -1);
    pascal.Bytes = 0;
    EXPECT_EQ(points.EndRange(pascal, line, 3, TSynPasSyn::rgParenComment), fullScanEnd(line));
    EXPECT_LT(pascal.Bytes, 2 * TSynEditLineCheckpoints::Spacing)
        << "the comment ends before the first point";
}

TEST_F(LineCheckpointsTest, PointsFollowTheirLinesAndGoWithThem) {
    // Short lines, and lines of a language that cannot resume, are scanned whole.
    const std::string shortLine = codeLine(1000) + "{";
    EXPECT_EQ(points.EndRange(pascal, shortLine, 0, -1), fullScanEnd(shortLine));
    TPascalWithoutResume withoutResume;
    line += "(*";
    EXPECT_EQ(points.EndRange(withoutResume, line, 0, -1), fullScanEnd(line));
    EXPECT_EQ(points.LineCount(), 0u);
    points.EndRange(pascal, line, 3, -1);
    points.EndRange(pascal, line, 7, -1);
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
    points.EndRange(pascal, line, 1, -1);
    EXPECT_EQ(points.LineCount(), 1u);
    points.EndRange(pascal, line.substr(0, 1000), 1, -1);
    EXPECT_EQ(points.LineCount(), 0u);
}

} // namespace
} // namespace tavlo::test
