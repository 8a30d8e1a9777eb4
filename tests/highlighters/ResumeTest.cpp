// Languages that resume in the middle of a line: from every token boundary, the state captured
// there gives the rest of the line's tokens and the range at its end exactly as the scan from
// the line start does. On real text (the golden examples, line by line and each file as one
// line with its breaks inside) and on random pieces that open and close comments, strings
// and tags.
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterHtml.h"

#include <gtest/gtest.h>

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
