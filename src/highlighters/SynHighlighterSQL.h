// SQL highlighter: the vocabulary of one of eight dialects, loaded at run time into keyword
// chains together with the user's table names; comments, strings that may span lines,
// numbers, variables and operators.
#pragma once

#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterHashEntries.h"

#include <array>
#include <string>
#include <vector>

namespace tavlo {

enum TSQLDialect : uint8_t {
    sqlStandard,
    sqlInterbase6,
    sqlMSSQL7,
    sqlMySQL,
    sqlOracle,
    sqlSybase,
    sqlIngres,
    sqlMSSQL2K,
};

class TSynSQLSyn final : public TSynCustomHighlighter {
public:
    enum TtKind : uint8_t {
        ttComment,
        ttDatatype,
        ttDefaultPackage,
        ttException,
        ttFunction,
        ttIdentifier,
        ttKey,
        ttNull,
        ttNumber,
        ttSpace,
        ttPLSQL,
        ttSQLPlus,
        ttString,
        ttSymbol,
        ttTableName,
        ttUnknown,
        ttVariable,
    };
    enum TRangeState : uint8_t { rgNone, rgBlockComment, rgString };

    static const TSynHighlighterClass ClassInfo;

    TSynSQLSyn();

    TSynHighlighterAttributes* CommentAttri;
    TSynHighlighterAttributes* DataTypeAttri;
    TSynHighlighterAttributes* DefaultPackageAttri;
    TSynHighlighterAttributes* ExceptionAttri;
    TSynHighlighterAttributes* FunctionAttri;
    TSynHighlighterAttributes* IdentifierAttri;
    TSynHighlighterAttributes* KeyAttri;
    TSynHighlighterAttributes* NumberAttri;
    TSynHighlighterAttributes* PLSQLAttri;
    TSynHighlighterAttributes* SpaceAttri;
    TSynHighlighterAttributes* SQLPlusAttri;
    TSynHighlighterAttributes* StringAttri;
    TSynHighlighterAttributes* SymbolAttri;
    TSynHighlighterAttributes* TableNameAttri;
    TSynHighlighterAttributes* VariableAttri;

    TSQLDialect SQLDialect() const { return m_dialect; }
    // Rebuilds the keyword table and notifies the change hooks when the dialect differs.
    void SetSQLDialect(TSQLDialect dialect);
    // Names coloured as tables, one per entry; every assignment rebuilds the keyword table.
    const std::vector<std::string>& TableNames() const { return m_tableNames; }
    void SetTableNames(std::vector<std::string> names);

    TSynHighlighterAttributes* CategoryAttribute(int index) const override;
    TSynCharSet WordChars() const override;
    std::string SampleText() const override;
    std::string LanguageTitle() const override;
    bool IsReservedWord(std::string_view word) const override;

    void NextToken() override;
    void SkipToLineEnd() override {
        while (CurrentKind != ttNull)
            NextToken();
    }
    bool AtLineEnd() const override { return CurrentKind == ttNull; }
    TSynHighlighterAttributes* TokenAttribute() const override;
    int TokenKindOrdinal() const override { return CurrentKind; }
    TSynRange CurrentRange() const override { return RangeState; }
    void RestoreRange(TSynRange range) override;
    void ClearRange() override { RangeState = rgNone; }
    // Between tokens the range is the whole state.
    bool ResumesMidLine() const override { return true; }

    void Assign(const TSynCustomHighlighter& source) override;

private:
    using THandler = void (TSynSQLSyn::*)();

    void BuildCharDispatch();
    void BuildKeywordTable();
    void AddWord(std::string word, int kind);
    // The hash of the word at `start`, with its length as the dialect's scan table counts it.
    int HashWord(const char* start, size_t available, size_t& wordLength) const;
    // The kind of the word at `start` (ttIdentifier when no entry matches) and its length.
    int LookupWord(const char* start, size_t available, size_t& wordLength) const;

    void SpaceProc();
    void SingleQuoteProc();
    void DoubleQuoteProc();
    void MinusProc();
    void SlashProc();
    void NumberProc();
    void IdentProc();
    void ColonOrAtProc();
    void UnknownProc();
    void HashProc();
    void AmpersandProc();
    void EqualProc();
    void GreaterProc();
    void LowerProc();
    void BarProc();
    void PlusProc();
    void SymbolOrAssignProc();
    void SymbolProc();
    void BlockCommentProc();
    void ScanBlockCommentBody();
    void ScanStringBody();
    void SymbolOfLength(size_t length);

    std::array<THandler, 256> CharDispatch;
    std::array<TSynHighlighterAttributes*, ttVariable + 1> KindAttributes{};
    int CurrentKind = ttNull;
    TRangeState RangeState = rgNone;

    TSynHashEntryList m_keywords;
    std::vector<std::string> m_tableNames;
    TSQLDialect m_dialect = sqlStandard;
    // The dialect's tables for scanning identifiers and hashing them.
    const bool* m_identChars = nullptr;
    const int16_t* m_charHash = nullptr;
};

} // namespace tavlo
