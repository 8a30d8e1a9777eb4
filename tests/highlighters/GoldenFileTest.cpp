// Golden files: examples/<language>/NAME.ext beside NAME.ext.tokens, the same text with a
// {Kind} marker at the start of every line and wherever the token kind changes. A folder is
// served by the class list entry of that short name (or a variant below). Running with
// TAVLO_REWRITE_GOLDEN=1 rewrites the .tokens files for review instead of comparing.
#include "HighlighterTestSupport.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSQL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

struct TGoldenLanguage {
    std::function<std::unique_ptr<TSynCustomHighlighter>()> Create;
    std::span<const std::string_view> KindNames;
};

TGoldenLanguage SQLVariant(TSQLDialect dialect, std::vector<std::string> tableNames = {}) {
    return {[=] {
                auto sql = std::make_unique<TSynSQLSyn>();
                sql->SetSQLDialect(dialect);
                sql->SetTableNames(tableNames);
                return std::unique_ptr<TSynCustomHighlighter>(std::move(sql));
            },
            TSynSQLSyn::ClassInfo.KindNames};
}

// Folders that run a language with options other than its defaults.
const std::map<std::string, TGoldenLanguage, std::less<>>& Variants() {
    static const std::map<std::string, TGoldenLanguage, std::less<>> variants = {
        {"sql-standard", SQLVariant(sqlStandard)},
        {"sql-interbase6", SQLVariant(sqlInterbase6)},
        {"sql-mssql7", SQLVariant(sqlMSSQL7)},
        {"sql-mysql", SQLVariant(sqlMySQL)},
        {"sql-oracle", SQLVariant(sqlOracle)},
        {"sql-ingres", SQLVariant(sqlIngres)},
        {"sql-mssql2k", SQLVariant(sqlMSSQL2K)},
        {"sql-tablenames", SQLVariant(sqlSybase, {"customer", "select", "Customer", "order_lines", "temp#1"})},
        {"pascal-delphi1",
         {[] {
              auto pascal = std::make_unique<TSynPasSyn>();
              pascal->SetDelphiVersion(dvDelphi1);
              return std::unique_ptr<TSynCustomHighlighter>(std::move(pascal));
          },
          TSynPasSyn::ClassInfo.KindNames}},
    };
    return variants;
}

std::optional<TGoldenLanguage> LanguageForFolder(const std::string& folder) {
    if (auto variant = Variants().find(folder); variant != Variants().end()) return variant->second;
    if (const TSynHighlighterClass* known = HighlighterClassList().FindByShortName(folder))
        return TGoldenLanguage{known->Create, known->KindNames};
    return std::nullopt;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string MarkTokens(TSynCustomHighlighter& highlighter, std::span<const std::string_view> kindNames,
                       const std::string& text) {
    const auto lines = test::SplitLines(text);
    std::string marked;
    highlighter.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        highlighter.StartLine(lines[i], static_cast<int>(i));
        int previousKind = -1;
        for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
            const int kind = highlighter.TokenKindOrdinal();
            if (kind != previousKind) {
                const bool named = kind >= 0 && static_cast<size_t>(kind) < kindNames.size();
                marked += "{" + (named ? std::string(kindNames[kind]) : std::to_string(kind)) + "}";
            }
            previousKind = kind;
            marked += highlighter.TokenView();
        }
        marked += '\n';
    }
    return marked;
}

// Reports the first differing line rather than two whole files.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const auto want = test::SplitLines(expected);
    const auto got = test::SplitLines(actual);
    for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string w = i < want.size() ? want[i] : "<missing>";
        const std::string g = i < got.size() ? got[i] : "<missing>";
        if (w != g) return "line " + std::to_string(i + 1) + "\n  expected: " + w + "\n  actual:   " + g;
    }
    return "line breaks differ";
}

TEST(GoldenFiles, EveryExampleMatchesItsTokens) {
    const fs::path root = fs::path(TAVLO_TEST_DATA) / "examples";
    const char* rewriteFlag = std::getenv("TAVLO_REWRITE_GOLDEN");
    const bool rewrite = rewriteFlag && std::string_view(rewriteFlag) == "1";
    int samples = 0;
    for (const auto& folder : fs::directory_iterator(root)) {
        if (!folder.is_directory()) continue;
        const std::string name = folder.path().filename().string();
        const auto language = LanguageForFolder(name);
        ASSERT_TRUE(language) << "no highlighter serves examples/" << name;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const fs::path sample = entry.path();
            if (sample.extension() == ".tokens") continue;
            SCOPED_TRACE(sample.string());
            auto highlighter = language->Create();
            const std::string marked = MarkTokens(*highlighter, language->KindNames, ReadFile(sample));
            fs::path expectedPath = sample;
            expectedPath += ".tokens";
            ++samples;
            if (rewrite) {
                std::ofstream(expectedPath, std::ios::binary) << marked;
                continue;
            }
            ASSERT_TRUE(fs::exists(expectedPath)) << "no expected tokens; run with TAVLO_REWRITE_GOLDEN=1";
            const std::string expected = ReadFile(expectedPath);
            EXPECT_TRUE(marked == expected) << FirstDifference(expected, marked);
        }
    }
    EXPECT_GT(samples, 0);
}

} // namespace
} // namespace tavlo
