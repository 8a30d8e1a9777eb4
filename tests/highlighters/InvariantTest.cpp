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
    const std::string_view interesting = "{}()*/'#$[].:;<>=@ \t\r\n\0aEe1_-\"\\"sv;
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

// Real text of each language on this machine: every regular file under the roots whose
// extension is listed, checked with each of the named languages.
struct TMachineCorpus {
    std::vector<fs::path> Roots;
    std::vector<std::string> Extensions;
    std::vector<std::string_view> Languages;
};

const std::vector<TMachineCorpus>& MachineCorpora() {
    static const std::vector<TMachineCorpus> corpora = {
        {{"/usr/share/fpcsrc"}, {".pas", ".pp", ".inc"}, {"pascal", "schema"}},
        {{"/usr/share", "/usr/lib"},
         {".sql"},
         {"sql", "sql-standard", "sql-interbase6", "sql-mssql7", "sql-mysql", "sql-oracle", "sql-ingres",
          "sql-mssql2k"}},
        {{"/usr/share/fpcsrc", "/usr/lib"}, {".lfm", ".dfm"}, {"dfm"}},
        {{"/usr/share", "/usr/lib", "/etc"}, {".ini", ".desktop", ".conf"}, {"ini"}},
    };
    return corpora;
}

std::vector<fs::path> FilesOf(const TMachineCorpus& corpus) {
    std::vector<fs::path> files;
    for (const fs::path& root : corpus.Roots) {
        std::error_code error;
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
             !error && it != end; it.increment(error)) {
            const std::string ext = it->path().extension().string();
            if (std::find(corpus.Extensions.begin(), corpus.Extensions.end(), ext) != corpus.Extensions.end() &&
                it->is_regular_file(error))
                files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class MachineFiles : public ::testing::TestWithParam<size_t> {};

TEST_P(MachineFiles, KeepTheInvariants) {
    const TMachineCorpus& corpus = MachineCorpora()[GetParam()];
    const std::vector<fs::path> files = FilesOf(corpus);
    if (files.empty()) GTEST_SKIP() << "no such files on this machine";
    // Keeps the test short on a slow machine: the files past the budget are left out.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    size_t checked = 0;
    for (const auto& path : files) {
        if (std::chrono::steady_clock::now() > deadline) break;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const auto lines = test::SplitLines(text.str());
        for (std::string_view name : corpus.Languages) {
            SCOPED_TRACE(path.string());
            CheckDocument(CheckedClass(name), lines);
        }
        if (HasFailure()) break;
        ++checked;
    }
    std::cout << "checked " << checked << " of " << files.size() << " files\n";
    EXPECT_GT(checked, 0u);
}

INSTANTIATE_TEST_SUITE_P(HighlighterInvariants, MachineFiles,
                         ::testing::Range(size_t{0}, MachineCorpora().size()),
                         [](const auto& info) { return std::string(MachineCorpora()[info.param].Languages[0]); });

} // namespace
} // namespace tavlo
