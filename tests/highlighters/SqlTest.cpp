#include "HighlighterTestSupport.h"
#include "highlighters/MainWindowHighlighters.h"
#include "highlighters/SynHighlighterSQL.h"
#include "highlighters/SynHighlighterSQLWords.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using test::Tokens;
using test::TToken;

constexpr TSQLDialect AllDialects[] = {sqlStandard, sqlInterbase6, sqlMSSQL7, sqlMySQL,
                                       sqlOracle,   sqlSybase,     sqlIngres, sqlMSSQL2K};

TEST(SQLHighlighter, DefaultsAndAnswers) {
    TSynSQLSyn sql;
    EXPECT_EQ(sql.LanguageTitle(), "SQL");
    EXPECT_EQ(sql.DefaultFilter(), "SQL Files (*.sql)|*.sql");
    EXPECT_EQ(sql.Features(), hcRegistry);
    EXPECT_EQ(sql.SQLDialect(), sqlSybase);
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgNone);
    EXPECT_TRUE(sql.TableNames().empty());

    std::vector<std::string> names;
    for (int i = 0; i < sql.AttributeCount(); ++i)
        names.push_back(sql.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Comment", "Data type", "Default packages", "Exception", "Function",
                         "Identifier", "Number", "Reserved word", "Reserved word (PL/SQL)", "Space",
                         "SQL*Plus command", "String", "Symbol", "Table name", "Variable"}));
    for (auto* bold : {sql.DataTypeAttri, sql.DefaultPackageAttri, sql.FunctionAttri, sql.KeyAttri,
                       sql.PLSQLAttri, sql.SQLPlusAttri})
        EXPECT_EQ(bold->Style(), fsBold) << bold->Name();
    EXPECT_EQ(sql.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(sql.ExceptionAttri->Style(), fsItalic);
    for (int i = 0; i < sql.AttributeCount(); ++i)
        EXPECT_EQ(sql.AttributeAt(i)->Foreground(), clNone);

    const std::vector<TSynHighlighterAttributes*> byCategory = {
        sql.CommentAttri, sql.IdentifierAttri, sql.KeyAttri,
        sql.StringAttri,  sql.SpaceAttri,      sql.SymbolAttri};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sql.CategoryAttribute(i), byCategory[i]);
    EXPECT_EQ(sql.CategoryAttribute(6), nullptr);

    EXPECT_EQ(sql.WordChars(), IdentifierWordChars());
    sql.SetSQLDialect(sqlMSSQL7);
    EXPECT_EQ(sql.WordChars(), IdentifierWordChars() | MakeCharSet("@"));
    sql.SetSQLDialect(sqlOracle);
    EXPECT_EQ(sql.WordChars(), IdentifierWordChars() | MakeCharSet("#$"));

    EXPECT_TRUE(sql.SampleText().starts_with("PROMPT Oracle sample source"));
    sql.SetSQLDialect(sqlInterbase6);
    EXPECT_TRUE(sql.SampleText().starts_with("/* Interbase sample source */"));
    sql.SetSQLDialect(sqlMySQL);
    EXPECT_EQ(sql.SampleText(), "");

    // The end of the line has no attribute; unknown characters are drawn as identifiers.
    sql.StartLine("", 0);
    EXPECT_EQ(sql.TokenAttribute(), nullptr);
    sql.StartLine("`", 0);
    EXPECT_EQ(sql.TokenKindOrdinal(), TSynSQLSyn::ttUnknown);
    EXPECT_EQ(sql.TokenAttribute(), sql.IdentifierAttri);
}

TEST(SQLHighlighter, MainWindowColours) {
    TSynSQLSyn sql;
    ConfigureMainWindowSQL(sql);
    EXPECT_EQ(sql.SQLDialect(), sqlSybase);
    EXPECT_EQ(sql.CommentAttri->Foreground(), clBlue);
    EXPECT_EQ(sql.NumberAttri->Foreground(), clNavy);
    EXPECT_EQ(sql.StringAttri->Foreground(), clBlack);
    EXPECT_EQ(sql.StringAttri->Background(), clAqua);
    EXPECT_EQ(sql.SymbolAttri->Foreground(), clBlack);
    EXPECT_EQ(sql.TableNameAttri->Foreground(), clGreen);
    EXPECT_EQ(sql.TableNameAttri->Style(), fsUnderline);
    EXPECT_EQ(sql.VariableAttri->Foreground(), clBlue);
    EXPECT_EQ(sql.KeyAttri->Foreground(), clNone);
    EXPECT_EQ(sql.KeyAttri->Style(), fsBold);
}

// Every word of every dialect's lists comes back with its list's kind, in any letter case:
// the chains, the hash and the comparison agree with how the lists were loaded.
TEST(SQLHighlighter, EveryDialectFindsEveryWordOfItsLists) {
    for (TSQLDialect dialect : AllDialects) {
        TSynSQLSyn sql;
        sql.SetSQLDialect(dialect);
        size_t words = 0;
        const TSynCharSet wordChars = sql.WordChars();
        for (const TSQLWordList& list : SQLDialectWordLists(dialect)) {
            std::string word;
            for (size_t i = 0; i <= list.Words.size(); ++i) {
                if (i < list.Words.size() && wordChars[static_cast<unsigned char>(list.Words[i])]) {
                    word += list.Words[i];
                    continue;
                }
                if (word.empty()) continue;
                // Outside SQL Server 7 an at-sign starts a variable, never a word.
                if (word[0] != '@' || dialect == sqlMSSQL7) {
                    std::string lower = word;
                    for (char& c : lower)
                        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                    for (const std::string& spelling : {word, lower}) {
                        const auto tokens = Tokens(sql, spelling);
                        ASSERT_EQ(tokens.size(), 1u) << dialect << " " << spelling;
                        EXPECT_EQ(tokens[0].second, list.Kind) << dialect << " " << spelling;
                    }
                    ++words;
                }
                word.clear();
            }
        }
        EXPECT_GT(words, 100u) << dialect;
    }
}

TEST(SQLHighlighter, DialectAndTableNameChangesRebuildTheWords) {
    TSynSQLSyn sql;
    int notifications = 0;
    sql.AddChangeHook(&notifications, [&](TSynCustomHighlighter&) { ++notifications; });

    EXPECT_EQ(Tokens(sql, "GEN_ID")[0].second, TSynSQLSyn::ttIdentifier);
    sql.SetSQLDialect(sqlInterbase6);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(Tokens(sql, "GEN_ID")[0].second, TSynSQLSyn::ttFunction);
    sql.SetSQLDialect(sqlInterbase6);
    EXPECT_EQ(notifications, 1);

    sql.SetSQLDialect(sqlSybase);
    sql.SetTableNames({"customer", "select", "", "CUSTOMER", "order_lines"});
    EXPECT_EQ(notifications, 3);
    EXPECT_EQ(sql.TableNames().size(), 5u);
    for (const char* word : {"customer", "CUSTOMER", "Customer", "order_lines"})
        EXPECT_EQ(Tokens(sql, word)[0].second, TSynSQLSyn::ttTableName) << word;
    EXPECT_EQ(Tokens(sql, "select")[0].second, TSynSQLSyn::ttKey);
    EXPECT_EQ(Tokens(sql, "customers")[0].second, TSynSQLSyn::ttIdentifier);

    // Table names survive a change of dialect; removing them takes their colour away.
    sql.SetSQLDialect(sqlOracle);
    EXPECT_EQ(Tokens(sql, "customer")[0].second, TSynSQLSyn::ttTableName);
    sql.SetTableNames({});
    EXPECT_EQ(Tokens(sql, "customer")[0].second, TSynSQLSyn::ttIdentifier);
    EXPECT_EQ(notifications, 5);

    TSynSQLSyn copy;
    copy.Assign(sql);
    EXPECT_EQ(copy.SQLDialect(), sqlOracle);
    EXPECT_EQ(Tokens(copy, "REM x")[0].second, TSynSQLSyn::ttComment);
}

TEST(SQLHighlighter, ReservedWordsAreTheLanguagesOwnKinds) {
    TSynSQLSyn sql;
    sql.SetSQLDialect(sqlOracle);
    sql.SetTableNames({"orders"});
    for (const char* word :
         {"select", "NUMBER", "DBMS_OUTPUT", "NO_DATA_FOUND", "TO_CHAR", "PRAGMA"})
        EXPECT_TRUE(sql.IsReservedWord(word)) << word;
    for (const char* word : {"orders", "SPOOL", "REM", "v_total", "", "select x", "select;"})
        EXPECT_FALSE(sql.IsReservedWord(word)) << word;
}

TEST(SQLHighlighter, CharactersThatHashToNothingCompareAlike) {
    // Digits, '#', '$' and '@' all count nothing, so they match one another in place.
    TSynSQLSyn sql;
    sql.SetTableNames({"temp#1"});
    for (const char* word : {"temp#1", "TEMP$1", "temp11"})
        EXPECT_EQ(Tokens(sql, word)[0].second, TSynSQLSyn::ttTableName) << word;
    EXPECT_EQ(Tokens(sql, "temp1")[0].second, TSynSQLSyn::ttIdentifier);
}

TEST(SQLHighlighter, StringsAndCommentsCarryOverLines) {
    TSynSQLSyn sql;
    const std::vector<std::string> lines = {"select 'a", "",     "b",     "'x /* c",
                                            "",          "*/ d", "-- /*", "e"};
    EXPECT_EQ(
        test::ComputeRanges(sql, lines),
        (std::vector<int32_t>{TSynSQLSyn::rgNone, TSynSQLSyn::rgString, TSynSQLSyn::rgString,
                              TSynSQLSyn::rgString, TSynSQLSyn::rgBlockComment,
                              TSynSQLSyn::rgBlockComment, TSynSQLSyn::rgNone, TSynSQLSyn::rgNone}));
    sql.RestoreRange(TSynSQLSyn::rgString);
    EXPECT_EQ(Tokens(sql, "'x"),
              (std::vector<TToken>{{"'", TSynSQLSyn::ttString}, {"x", TSynSQLSyn::ttIdentifier}}));
    // A stored value no scan produces starts as ordinary text.
    for (int32_t unknown : {-1, 3, 1000}) {
        sql.RestoreRange(unknown);
        EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgNone);
    }
    // MySQL alone lets a backslash escape the next character, also a backslash.
    sql.SetSQLDialect(sqlMySQL);
    sql.ClearRange();
    EXPECT_EQ(Tokens(sql, R"('it\'s' 'C:\\' x)").size(), 5u);
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgNone);
    sql.SetSQLDialect(sqlSybase);
    Tokens(sql, R"('C:\\' x)");
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgNone);
    Tokens(sql, R"('it\'s')");
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgString);
}

TEST(SQLHighlighter, BadInputStaysLinear) {
    TSynSQLSyn sql;
    // One long word hashes and compares once; long runs of symbols make one token each.
    const std::string word(10'000'000, 'a');
    EXPECT_EQ(Tokens(sql, word).size(), 1u);
    const auto quotes = Tokens(sql, std::string(100'000, '\''));
    EXPECT_EQ(quotes.size(), 50'000u);
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgNone);
    sql.ClearRange();
    EXPECT_EQ(Tokens(sql, std::string(100'000, '<')).size(), 50'000u);
    EXPECT_EQ(Tokens(sql, "/*" + std::string(10'000'000, '*')).size(), 1u);
    EXPECT_EQ(sql.CurrentRange(), TSynSQLSyn::rgBlockComment);
    sql.ClearRange();
    EXPECT_EQ(Tokens(sql, std::string("\"a\0b\"", 5)).size(), 4u);
}

} // namespace
} // namespace tavlo
