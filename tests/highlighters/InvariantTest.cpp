// Properties every highlighter of the class list must keep on any input: tokens are contiguous,
// non-empty and cover the line exactly, kinds are known, the end of the line is stable, and a
// line scanned alone from its stored range gives what the whole-document scan gave.
#include "HighlighterTestSupport.h"
#include "highlighters/SynHighlighterSQL.h"

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

// The starts and kinds of a line's tokens folded into one number, so that two scans of a line
// can be compared without keeping their tokens.
void FoldToken(uint64_t& fingerprint, int start, int kind) {
    fingerprint = (fingerprint ^ (static_cast<uint64_t>(start) << 8 ^ static_cast<uint64_t>(kind))) *
                  1099511628211u;
}

uint64_t ScanFingerprint(TSynCustomHighlighter& highlighter, std::string_view line, int index) {
    uint64_t fingerprint = 0;
    for (highlighter.StartLine(line, index); !highlighter.AtLineEnd(); highlighter.NextToken())
        FoldToken(fingerprint, highlighter.TokenStart(), highlighter.TokenKindOrdinal());
    return fingerprint;
}

// Scans one line from the range in force and checks the token stream; answers the range at
// its end, or records a failure. `fingerprint` receives the line's tokens folded.
int32_t CheckLine(TSynCustomHighlighter& highlighter, const TSynHighlighterClass& info,
                  std::string_view line, int index, uint64_t& fingerprint) {
    highlighter.StartLine(line, index);
    size_t covered = 0;
    fingerprint = 0;
    for (size_t tokens = 0; !highlighter.AtLineEnd(); highlighter.NextToken(), ++tokens) {
        const size_t start = static_cast<size_t>(highlighter.TokenStart());
        const std::string_view token = highlighter.TokenView();
        const int kind = highlighter.TokenKindOrdinal();
        FoldToken(fingerprint, static_cast<int>(start), kind);
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
// with a second instance and expects the same tokens and the same range at its end.
void CheckDocument(const TSynHighlighterClass& info, const std::vector<std::string>& lines) {
    auto highlighter = info.Create();
    std::vector<int32_t> ranges;
    std::vector<uint64_t> fingerprints(lines.size());
    highlighter->ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges.push_back(highlighter->CurrentRange());
        CheckLine(*highlighter, info, lines[i], static_cast<int>(i), fingerprints[i]);
    }
    ranges.push_back(highlighter->CurrentRange());

    auto painter = info.Create();
    for (size_t i = 0; i < lines.size(); ++i) {
        painter->RestoreRange(ranges[i]);
        ASSERT_EQ(ScanFingerprint(*painter, lines[i], static_cast<int>(i)), fingerprints[i])
            << info.ClassName << " line " << i << " tokens differ when scanned from its stored range";
        ASSERT_EQ(painter->CurrentRange(), ranges[i + 1]) << info.ClassName << " line " << i;
    }
    EXPECT_EQ(test::ComputeRanges(*painter, lines),
              std::vector<int32_t>(ranges.begin(), ranges.end() - 1));
}

template <TSQLDialect Dialect>
std::unique_ptr<TSynCustomHighlighter> CreateSQLIn() {
    auto sql = std::make_unique<TSynSQLSyn>();
    sql->SetSQLDialect(Dialect);
    return sql;
}

// The class list's languages, and those with options that change how they scan.
const std::vector<TSynHighlighterClass>& CheckedClasses() {
    static const std::vector<TSynHighlighterClass> classes = [] {
        std::vector<TSynHighlighterClass> all = HighlighterClassList().Classes();
        const auto sqlKinds = TSynSQLSyn::ClassInfo.KindNames;
        all.insert(all.end(), {{"TSynSQLSyn standard", "sql-standard", sqlKinds, &CreateSQLIn<sqlStandard>},
                               {"TSynSQLSyn Interbase 6", "sql-interbase6", sqlKinds, &CreateSQLIn<sqlInterbase6>},
                               {"TSynSQLSyn MS SQL 7", "sql-mssql7", sqlKinds, &CreateSQLIn<sqlMSSQL7>},
                               {"TSynSQLSyn MySQL", "sql-mysql", sqlKinds, &CreateSQLIn<sqlMySQL>},
                               {"TSynSQLSyn Oracle", "sql-oracle", sqlKinds, &CreateSQLIn<sqlOracle>},
                               {"TSynSQLSyn Ingres", "sql-ingres", sqlKinds, &CreateSQLIn<sqlIngres>},
                               {"TSynSQLSyn MS SQL 2000", "sql-mssql2k", sqlKinds, &CreateSQLIn<sqlMSSQL2K>}});
        return all;
    }();
    return classes;
}

const TSynHighlighterClass& CheckedClass(std::string_view shortName) {
    for (const auto& info : CheckedClasses())
        if (info.ShortName == shortName) return info;
    throw std::logic_error("no highlighter " + std::string(shortName));
}

TEST(HighlighterInvariants, RandomByteLines) {
    std::mt19937 random(20261208);
    // Bytes weighted toward the characters that open and close constructs.
    const std::string_view interesting = "{}()*/'#$[].:;<>=@ \t\r\n\0aEe1_\"\\-0xXfLu&%!?"sv;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        std::string line(random() % 80, ' ');
        for (char& c : line)
            c = random() % 2 ? interesting[random() % interesting.size()] : static_cast<char>(random() % 256);
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back(std::string(1, '\0'));
    for (const auto& info : CheckedClasses()) {
        SCOPED_TRACE(info.ClassName);
        CheckDocument(info, lines);
    }
}

// Lines no real file has but a user may open: zero bytes, the upper half of the code page,
// constructs cut off at the end of the text, a minified document of 10 MB on one line, and long
// runs of the characters that open or close constructs. Every language must cover them, token
// by token, in time linear in their length.
TEST(HighlighterInvariants, LongAndRepeatedLines) {
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
    for (char repeated : "\\\"'#/*.0x<{$-@\0&}()[]%!?=>;:`"sv) lines.emplace_back(100'000, repeated);
    lines.push_back(std::string(10'000'000, 'a'));
    lines.back()[0] = '"';
    lines.push_back("\"unterminated \\");
    for (const char* cut : {"<!--", "<%", "<![CDATA[", "<!DOCTYPE x [", "<a b=\"", "<a b='", "&#", "&am",
                            "<?x", "<", "</", "<a b", "<a b=", "/*", "{", "(*", "'", "\""})
        lines.emplace_back(cut);
    for (const auto& info : CheckedClasses()) {
        SCOPED_TRACE(info.ClassName);
        CheckDocument(info, lines);
    }
}

// Every regular file under the roots with one of the extensions, for each of the languages,
// until the time budget (which keeps the test short on a slow machine) runs out.
void CheckFilesOnThisMachine(const std::vector<fs::path>& roots, const std::vector<std::string>& extensions,
                             const std::vector<std::string_view>& languages, std::chrono::seconds budget) {
    std::vector<fs::path> files;
    for (const fs::path& root : roots) {
        std::error_code error;
        if (!fs::exists(root, error)) continue;
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
             it != end; it.increment(error)) {
            if (error) break;
            const std::string ext = it->path().extension().string();
            if (it->is_regular_file(error) && std::find(extensions.begin(), extensions.end(), ext) != extensions.end())
                files.push_back(it->path());
        }
    }
    if (files.empty()) GTEST_SKIP() << "no such files on this machine";
    std::sort(files.begin(), files.end());
    const auto deadline = std::chrono::steady_clock::now() + budget;
    size_t checked = 0;
    for (const auto& path : files) {
        if (std::chrono::steady_clock::now() > deadline) break;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const auto lines = test::SplitLines(text.str());
        for (std::string_view name : languages) {
            SCOPED_TRACE(path.string());
            CheckDocument(CheckedClass(name), lines);
        }
        if (::testing::Test::HasFailure()) break;
        ++checked;
    }
    std::cout << languages.front() << ": checked " << checked << " of " << files.size() << " files\n";
    EXPECT_GT(checked, 0u);
}

TEST(HighlighterInvariants, FreePascalSources) {
    CheckFilesOnThisMachine({"/usr/share/fpcsrc"}, {".pas", ".pp", ".inc"}, {"pascal", "schema"},
                            std::chrono::seconds(12));
}

TEST(HighlighterInvariants, CAndCppHeadersAndSources) {
    CheckFilesOnThisMachine({"/usr/include"}, {".h", ".hpp", ".c", ".cc", ".cpp"}, {"cpp"},
                            std::chrono::seconds(8));
}

TEST(HighlighterInvariants, StyleSheets) {
    CheckFilesOnThisMachine({"/usr/share", "/usr/lib"}, {".css"}, {"css"}, std::chrono::seconds(8));
}

TEST(HighlighterInvariants, JavaScriptFiles) {
    CheckFilesOnThisMachine({"/usr/share", "/usr/lib"}, {".js"}, {"javascript"}, std::chrono::seconds(12));
}

TEST(HighlighterInvariants, PhpFiles) {
    CheckFilesOnThisMachine({"/usr/share", "/usr/lib"}, {".php"}, {"php"}, std::chrono::seconds(12));
}

TEST(HighlighterInvariants, HtmlFiles) {
    CheckFilesOnThisMachine({"/usr/share"}, {".html", ".htm"}, {"html"}, std::chrono::seconds(12));
}

TEST(HighlighterInvariants, XmlFiles) {
    CheckFilesOnThisMachine({"/usr/share"}, {".xml"}, {"xml"}, std::chrono::seconds(12));
}

TEST(HighlighterInvariants, SqlFilesInEveryDialect) {
    CheckFilesOnThisMachine({"/usr/share", "/usr/lib"}, {".sql"},
                            {"sql", "sql-standard", "sql-interbase6", "sql-mssql7", "sql-mysql", "sql-oracle",
                             "sql-ingres", "sql-mssql2k"},
                            std::chrono::seconds(12));
}

TEST(HighlighterInvariants, FormFiles) {
    CheckFilesOnThisMachine({"/usr/share/fpcsrc", "/usr/lib"}, {".lfm", ".dfm"}, {"dfm"}, std::chrono::seconds(12));
}

TEST(HighlighterInvariants, IniFiles) {
    CheckFilesOnThisMachine({"/usr/share", "/usr/lib", "/etc"}, {".ini", ".desktop", ".conf"}, {"ini"},
                            std::chrono::seconds(12));
}

} // namespace
} // namespace tavlo
