// Languages that resume in the middle of a line: from every token boundary, the state captured
// there gives the rest of the line's tokens and the range at its end exactly as the scan from
// the line start does. On real text (the golden examples, line by line and each file as one
// line with its breaks inside) and on random pieces that open and close comments, strings
// and tags. And what resume points after edits rely on: no token looks further than the
// reach a language promises.
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterHtml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

struct TToken {
    int Start;
    int Kind;
    const TSynHighlighterAttributes* Attribute;
    bool operator==(const TToken&) const = default;
};

TToken currentToken(const TSynCustomHighlighter& highlighter) {
    return {highlighter.TokenStart(), highlighter.TokenKindOrdinal(), highlighter.TokenAttribute()};
}

// Answers the range at the line's end, for the next line.
TSynRange expectResumesAsAFullScan(TSynCustomHighlighter& highlighter, std::string_view line,
                                   TSynRange startRange, const std::string& what) {
    std::vector<TToken> tokens;
    std::vector<TSynScanState> states;
    highlighter.RestoreRange(startRange);
    for (highlighter.StartLine(line, 7); !highlighter.AtLineEnd(); highlighter.NextToken()) {
        tokens.push_back(currentToken(highlighter));
        states.push_back(highlighter.CaptureScanState());
    }
    const TSynRange endRange = highlighter.CurrentRange();
    for (size_t from = 1; from < tokens.size(); ++from) {
        highlighter.ResumeLine(line, 7, size_t(tokens[from].Start), states[from - 1]);
        for (size_t k = from; k < tokens.size(); ++k, highlighter.NextToken()) {
            if (highlighter.AtLineEnd() || !(currentToken(highlighter) == tokens[k])) {
                ADD_FAILURE() << what << ": resumed at byte " << tokens[from].Start << ", token "
                              << k << " differs (at " << highlighter.TokenStart() << " kind "
                              << highlighter.TokenKindOrdinal() << ", full scan at "
                              << tokens[k].Start << " kind " << tokens[k].Kind << ")";
                return endRange;
            }
        }
        EXPECT_TRUE(highlighter.AtLineEnd()) << what << ": resumed at byte " << tokens[from].Start;
        EXPECT_EQ(highlighter.CurrentRange(), endRange)
            << what << ": resumed at byte " << tokens[from].Start;
    }
    return endRange;
}

const char* const Pieces[] = {
    "{",    "}",     "(*",      "*)",    "/*",       "*/",        "<!--", "-->",      "'",
    "\"",   "<",     ">",       "<?php", "?>",       "[s]",       "//",   "#",        "--",
    "asm",  "end;",  "x := 1;", " ",     "\t",       "<![CDATA[", "]]>",  "<script>", "</script>",
    "\\",   "@",     "=",       "\r",    "property", "read",      ";",    "a:b",      "&amp;",
    "0x1F", "1.5e3", "$",       "`",     "\"x\"",    "'y'",       "&copy;", "&#169;",   "&#",
    "12345678901234567890"};

TEST(Resume, EveryTokenBoundaryResumesAsTheScanFromTheLineStart) {
    int languages = 0;
    for (const TSynHighlighterClass& highlighterClass : HighlighterClassList().Classes()) {
        const std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
        if (!highlighter->ResumesMidLine()) continue;
        ++languages;
        const std::string name(highlighterClass.ClassName);

        std::mt19937 random(5);
        highlighter->ClearRange();
        TSynRange range = highlighter->CurrentRange();
        for (int lineNumber = 0; lineNumber < 40; ++lineNumber) {
            std::string line;
            for (int n = 0; n < 120; ++n)
                line += Pieces[random() % std::size(Pieces)];
            range = expectResumesAsAFullScan(*highlighter, line, range,
                                             name + " random line " + std::to_string(lineNumber));
        }

        const fs::path folder =
            fs::path(TAVLO_TEST_DATA) / "examples" / std::string(highlighterClass.ShortName);
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".tokens") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
            const std::string what = name + " " + entry.path().filename().string();
            highlighter->ClearRange();
            expectResumesAsAFullScan(*highlighter, text, highlighter->CurrentRange(),
                                     what + " as one line");
            highlighter->ClearRange();
            range = highlighter->CurrentRange();
            std::istringstream lines(text);
            for (std::string line; std::getline(lines, line);)
                range = expectResumesAsAFullScan(*highlighter, line, range, what);
        }
    }
    EXPECT_GE(languages, 2);
}

// A line's tokens with the state after each, and the range at its end.
struct TLineScan {
    std::vector<TToken> Tokens;
    std::vector<TSynScanState> States;
    TSynRange EndRange;
};

TLineScan scanLine(TSynCustomHighlighter& highlighter, std::string_view line) {
    TLineScan scan;
    highlighter.ClearRange();
    for (highlighter.StartLine(line, 7); !highlighter.AtLineEnd(); highlighter.NextToken()) {
        scan.Tokens.push_back(currentToken(highlighter));
        scan.States.push_back(highlighter.CaptureScanState());
    }
    scan.EndRange = highlighter.CurrentRange();
    return scan;
}

// The index of the token starting at `start`, or the token count.
size_t tokenAt(const TLineScan& scan, int start) {
    size_t k = 0;
    while (k < scan.Tokens.size() && scan.Tokens[k].Start < start)
        ++k;
    return k < scan.Tokens.size() && scan.Tokens[k].Start == start ? k : scan.Tokens.size();
}

// What resume points after edits rely on: a token boundary's state is decided by the bytes
// before it and at most ResumeReach bytes after it, and the tokens after a boundary by its
// state and the bytes from ResumeReach before it. So a byte changed further ahead leaves the
// tokens and the state up to the boundary as they were, and a scan of a line changed further
// back that meets the boundary in the same state goes on as before.
// Lines where a token could look far ahead or back: long runs that only their end decides.
const char* const FarReaching[] = {
    "text&#123456789012345678901234567890;more&#1234567890123;x&#12345678901234y",
    "<p>y&copy;&#12345678901234567890z</p><a b=\"&#1234567890123456789;\">",
    "key0123456789012345678901234567890123=value [not a section] ;not a comment",
    "/* a comment running on and on and on */ x = 'a string running on and on' // end",
};

TEST(Resume, TokensDependOnlyOnTheBytesWithinReachOfThem) {
    constexpr std::string_view Replacements = "<>&#;=\"'/*-!?[](){}% \t\r\nx0$";
    constexpr size_t Reach = TSynCustomHighlighter::ResumeReach;
    for (const TSynHighlighterClass& highlighterClass : HighlighterClassList().Classes()) {
        const std::unique_ptr<TSynCustomHighlighter> highlighter = highlighterClass.Create();
        if (!highlighter->ResumesMidLine()) continue;
        std::mt19937 random(9);
        auto changedAt = [&](const std::string& line, size_t from, size_t to) {
            std::string changed = line;
            changed[from + random() % (to - from)] = Replacements[random() % Replacements.size()];
            return changed;
        };
        auto check = [&](const std::string& line, const std::string& lineName) {
            const TLineScan original = scanLine(*highlighter, line);
            for (size_t k = 0; k + 1 < original.Tokens.size(); ++k) {
                const size_t boundary = size_t(original.Tokens[k + 1].Start);
                const std::string what = std::string(highlighterClass.ClassName) + " " + lineName +
                                         ", boundary at " + std::to_string(boundary);
                if (boundary + Reach < line.size()) {
                    const TLineScan scan = scanLine(*highlighter, changedAt(line, boundary + Reach, line.size()));
                    const size_t at = tokenAt(scan, int(boundary));
                    ASSERT_EQ(at, k + 1) << what << ": a byte changed ahead moved the boundary";
                    EXPECT_TRUE(std::equal(original.Tokens.begin(), original.Tokens.begin() + ptrdiff_t(at),
                                           scan.Tokens.begin()))
                        << what << ": a byte changed ahead changed a token before";
                    EXPECT_EQ(scan.States[k], original.States[k])
                        << what << ": a byte changed ahead changed the state";
                }
                if (boundary > Reach) {
                    const TLineScan scan = scanLine(*highlighter, changedAt(line, 0, boundary - Reach));
                    const size_t at = tokenAt(scan, int(boundary));
                    if (at == scan.Tokens.size() || !(scan.States[at - 1] == original.States[k])) continue;
                    EXPECT_TRUE(std::equal(original.Tokens.begin() + ptrdiff_t(k + 1), original.Tokens.end(),
                                           scan.Tokens.begin() + ptrdiff_t(at), scan.Tokens.end()))
                        << what << ": a byte changed further back changed a token after";
                    EXPECT_EQ(scan.EndRange, original.EndRange) << what;
                }
            }
        };
        for (int lineNumber = 0; lineNumber < 30; ++lineNumber) {
            std::string line;
            for (int n = 0; n < 60; ++n)
                line += Pieces[random() % std::size(Pieces)];
            check(line, "random line " + std::to_string(lineNumber));
        }
        for (const char* line : FarReaching)
            for (int repeat = 0; repeat < 20; ++repeat)
                check(line, std::string("line ") + line);
    }
}

// The state after an HTML text says which character reference follows it, if any: a scan
// resumed there takes that reference, whatever the scan stopped before last found.
TEST(Resume, HtmlTakesTheReferenceItsStateNamesNotOneALastScanFound) {
    TSynHTMLSyn html;
    const std::string_view numeric = "y&#1; z";
    html.ClearRange();
    html.StartLine(numeric, 0);
    ASSERT_EQ(html.TokenView(), "y");
    const TSynScanState beforeNumeric = html.CaptureScanState();

    const std::string_view named = "x&thetasym; z";
    html.ClearRange();
    html.StartLine(named, 1);
    ASSERT_EQ(html.TokenView(), "x");
    const TSynScanState beforeNamed = html.CaptureScanState();
    EXPECT_NE(beforeNamed, beforeNumeric);

    html.ResumeLine(numeric, 0, 1, beforeNumeric);
    EXPECT_EQ(html.TokenView(), "&#1;");
    EXPECT_EQ(html.TokenKindOrdinal(), TSynHTMLSyn::ttAmpersand);
    html.ResumeLine(named, 1, 1, beforeNamed);
    EXPECT_EQ(html.TokenView(), "&thetasym;");
    EXPECT_EQ(html.TokenKindOrdinal(), TSynHTMLSyn::ttAmpersand);
}

} // namespace
} // namespace tavlo
