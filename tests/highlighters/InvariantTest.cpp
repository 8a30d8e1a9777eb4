// Properties every highlighter of the class list must keep on any input: tokens are contiguous,
// non-empty and cover the line exactly, kinds are known, the end of the line is stable, and a
// line scanned alone from its stored range gives what the whole-document scan gave.
#include "HighlighterTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;

// Scans one line from the range in force and checks the token stream; answers the range at
// its end, or records a failure.
int32_t CheckLine(TSynCustomHighlighter& highlighter, const TSynHighlighterClass& info,
                  std::string_view line, int index) {
    highlighter.StartLine(line, index);
    size_t covered = 0;
    for (size_t tokens = 0; !highlighter.AtLineEnd(); highlighter.NextToken(), ++tokens) {
        const size_t start = static_cast<size_t>(highlighter.TokenStart());
        const std::string_view token = highlighter.TokenView();
        const int kind = highlighter.TokenKindOrdinal();
        if (start != covered || token.empty() || tokens > line.size() ||
            kind < 0 || static_cast<size_t>(kind) >= info.KindNames.size() ||
            token != line.substr(start, token.size())) {
            ADD_FAILURE() << info.ClassName << " line " << index << ": bad token at " << start
                          << " (covered " << covered << ", length " << token.size() << ", kind "
                          << kind << ")";
            return highlighter.CurrentRange();
        }
        covered += token.size();
    }
    EXPECT_EQ(covered, line.size()) << info.ClassName << " line " << index << " not covered";
    const int end = highlighter.TokenStart();
    highlighter.NextToken();
    EXPECT_TRUE(highlighter.AtLineEnd() && highlighter.TokenStart() == end)
        << info.ClassName << " moved past the end of line " << index;
    return highlighter.CurrentRange();
}

// Checks every line; then rescans each line alone from its stored range (as painting does)
// with a second instance and expects the same range at its end.
void CheckDocument(const TSynHighlighterClass& info, const std::vector<std::string>& lines) {
    auto highlighter = info.Create();
    std::vector<int32_t> ranges;
    highlighter->ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges.push_back(highlighter->CurrentRange());
        CheckLine(*highlighter, info, lines[i], static_cast<int>(i));
    }
    ranges.push_back(highlighter->CurrentRange());

    auto painter = info.Create();
    for (size_t i = 0; i < lines.size(); ++i) {
        painter->RestoreRange(ranges[i]);
        painter->StartLine(lines[i], static_cast<int>(i));
        painter->SkipToLineEnd();
        ASSERT_EQ(painter->CurrentRange(), ranges[i + 1]) << info.ClassName << " line " << i;
    }
    EXPECT_EQ(test::ComputeRanges(*painter, lines),
              std::vector<int32_t>(ranges.begin(), ranges.end() - 1));
}

TEST(HighlighterInvariants, RandomByteLines) {
    std::mt19937 random(20261208);
    // Bytes weighted toward the characters that open and close constructs.
    const std::string_view interesting = "{}()*/'#$[].:;<>=@ \t\r\n\0aEe1_&\"%!-?"sv;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        std::string line(random() % 80, ' ');
        for (char& c : line)
            c = random() % 2 ? interesting[random() % interesting.size()] : static_cast<char>(random() % 256);
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back(std::string(1, '\0'));
    for (const auto& info : HighlighterClassList().Classes()) {
        SCOPED_TRACE(info.ClassName);
        CheckDocument(info, lines);
    }
}

// Input a scanner must survive in linear time: zero bytes, the upper half of the code page,
// constructs cut off at the end of the text, a minified document of 10 MB on one line, and
// long runs of the characters that open or close constructs.
TEST(HighlighterInvariants, HostileLines) {
    std::vector<std::string> lines = {"\0"s, "a\0<b\0>&\0\"\0'\0"s, "<!--\0-->"s, ""};
    std::string upper;
    for (int c = 128; c < 256; ++c) upper += static_cast<char>(c);
    lines.push_back(upper);
    const std::string chunk = "<a href=\"x&amp;y\" b='c&#38;' xmlns:p=\"u\">text &copy; <!-- c --> "
                              "<![CDATA[x]]> <?p x?> <% s %> <!DOCTYPE d [<!ENTITY e 'v'>]> "
                              "{ c } (* c *) /* c */ // c\t# c ; c 'str' \"str\" $x 0x1F 1.5e3 ";
    std::string minified;
    while (minified.size() < 10'000'000) minified += chunk;
    lines.push_back(minified);
    for (char c : "<&\"'-{}()*/[]%!?=#$>;:\\`"sv) lines.emplace_back(100'000, c);
    for (const char* cut : {"<!--", "<%", "<![CDATA[", "<!DOCTYPE x [", "<a b=\"", "<a b='", "&#", "&am",
                            "<?x", "<", "</", "<a b", "<a b=", "/*", "{", "(*", "'", "\""})
        lines.emplace_back(cut);
    for (const auto& info : HighlighterClassList().Classes()) {
        SCOPED_TRACE(info.ClassName);
        CheckDocument(info, lines);
    }
}

// Every regular file under `root` with one of the extensions, sorted; none when the root is
// missing.
std::vector<fs::path> FilesUnder(const fs::path& root, std::initializer_list<std::string_view> extensions) {
    std::vector<fs::path> files;
    std::error_code error;
    if (!fs::exists(root, error)) return files;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
         it != end; it.increment(error)) {
        if (error) break;
        const std::string ext = it->path().extension().string();
        if (it->is_regular_file(error) && std::find(extensions.begin(), extensions.end(), ext) != extensions.end())
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Checks the files with each named language. Keeps the test short on a slow machine: the
// files past the time budget are left out.
void CheckRealFiles(const std::vector<fs::path>& files, std::initializer_list<const char*> languages) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    size_t checked = 0;
    for (const auto& path : files) {
        if (std::chrono::steady_clock::now() > deadline) break;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const auto lines = test::SplitLines(text.str());
        for (const char* name : languages) {
            SCOPED_TRACE(path.string());
            CheckDocument(*HighlighterClassList().FindByShortName(name), lines);
        }
        if (::testing::Test::HasFailure()) break;
        ++checked;
    }
    std::cout << "checked " << checked << " of " << files.size() << " files\n";
    EXPECT_GT(checked, 0u);
}

TEST(HighlighterInvariants, FreePascalSources) {
    const auto files = FilesUnder("/usr/share/fpcsrc", {".pas", ".pp", ".inc"});
    if (files.empty()) GTEST_SKIP() << "no Free Pascal sources on this machine";
    CheckRealFiles(files, {"pascal", "schema"});
}

TEST(HighlighterInvariants, HtmlFiles) {
    const auto files = FilesUnder("/usr/share", {".html", ".htm"});
    if (files.empty()) GTEST_SKIP() << "no HTML files on this machine";
    CheckRealFiles(files, {"html"});
}

TEST(HighlighterInvariants, XmlFiles) {
    const auto files = FilesUnder("/usr/share", {".xml"});
    if (files.empty()) GTEST_SKIP() << "no XML files on this machine";
    CheckRealFiles(files, {"xml"});
}

} // namespace
} // namespace tavlo
