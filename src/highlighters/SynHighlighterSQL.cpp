#include "highlighters/SynHighlighterSQL.h"

#include "highlighters/SynHighlighterSQLWords.h"
#include "highlighters/SynHighlighterScanning.h"

#include <algorithm>

namespace tavlo {

namespace {

// Identifiers continue with letters, digits, '_', '#' and '$'; the MS SQL dialects add '@'.
constexpr TSynIdentCharTable MakeIdentChars(bool withAt) {
    TSynIdentCharTable table{};
    for (int c = 0; c < 256; ++c)
        table[c] = IsLetter(static_cast<unsigned char>(c)) ||
                   IsDigit(static_cast<unsigned char>(c)) || c == '_' || c == '#' || c == '$' ||
                   (withAt && c == '@');
    return table;
}

// Letters count alike in both cases; everything but '_' (and '@' for MS SQL) counts nothing.
constexpr TSynCharHashTable MakeCharHash(bool withAt) {
    TSynCharHashTable table{};
    table['_'] = 1;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = table[c - 32] = static_cast<int16_t>(c - 'a' + 2);
    if (withAt) table['@'] = 28;
    return table;
}

constexpr TSynIdentCharTable StandardIdentChars = MakeIdentChars(false);
constexpr TSynCharHashTable StandardCharHash = MakeCharHash(false);
constexpr TSynIdentCharTable MSSQLIdentChars = MakeIdentChars(true);
constexpr TSynCharHashTable MSSQLCharHash = MakeCharHash(true);

bool UsesMSSQLTables(TSQLDialect dialect) {
    return dialect == sqlMSSQL7 || dialect == sqlMSSQL2K;
}

std::unique_ptr<TSynCustomHighlighter> CreateSQL() {
    return std::make_unique<TSynSQLSyn>();
}

const std::array<std::string_view, TSynSQLSyn::ttVariable + 1> KindNames = {
    "Comment", "Datatype", "DefaultPackage", "Exception", "Function", "Identifier",
    "Key",     "Null",     "Number",         "Space",     "PLSQL",    "SQLPlus",
    "String",  "Symbol",   "TableName",      "Unknown",   "Variable"};

} // namespace

const TSynHighlighterClass TSynSQLSyn::ClassInfo = {"TSynSQLSyn", "sql", KindNames, &CreateSQL};

TSynSQLSyn::TSynSQLSyn() {
    CommentAttri = AddAttribute("Comment", fsItalic);
    DataTypeAttri = AddAttribute("Data type", fsBold);
    DefaultPackageAttri = AddAttribute("Default packages", fsBold);
    ExceptionAttri = AddAttribute("Exception", fsItalic);
    FunctionAttri = AddAttribute("Function", fsBold);
    IdentifierAttri = AddAttribute("Identifier");
    KeyAttri = AddAttribute("Reserved word", fsBold);
    NumberAttri = AddAttribute("Number");
    PLSQLAttri = AddAttribute("Reserved word (PL/SQL)", fsBold);
    SpaceAttri = AddAttribute("Space");
    SQLPlusAttri = AddAttribute("SQL*Plus command", fsBold);
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    TableNameAttri = AddAttribute("Table name");
    VariableAttri = AddAttribute("Variable");
    BindAttributeChanges();
    KindAttributes = {CommentAttri,    DataTypeAttri, DefaultPackageAttri,
                      ExceptionAttri,  FunctionAttri, IdentifierAttri,
                      KeyAttri,        nullptr,       NumberAttri,
                      SpaceAttri,      PLSQLAttri,    SQLPlusAttri,
                      StringAttri,     SymbolAttri,   TableNameAttri,
                      IdentifierAttri, VariableAttri};
    BuildCharDispatch();
    SetDefaultFilter("SQL Files (*.sql)|*.sql");
    SetSQLDialect(sqlSybase);
}

void TSynSQLSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        THandler handler = &TSynSQLSyn::SymbolProc;
        const auto byte = static_cast<unsigned char>(c);
        if (IsBlank(byte))
            handler = &TSynSQLSyn::SpaceProc;
        else if (IsDigit(byte))
            handler = &TSynSQLSyn::NumberProc;
        else if (IsLetter(byte) || c == '_')
            handler = &TSynSQLSyn::IdentProc;
        else if (c >= 127)
            handler = &TSynSQLSyn::UnknownProc;
        CharDispatch[c] = handler;
    }
    CharDispatch['\n'] = &TSynSQLSyn::SpaceProc;
    CharDispatch['\r'] = &TSynSQLSyn::SpaceProc;
    CharDispatch['\''] = &TSynSQLSyn::SingleQuoteProc;
    CharDispatch['"'] = &TSynSQLSyn::DoubleQuoteProc;
    CharDispatch['-'] = &TSynSQLSyn::MinusProc;
    CharDispatch['/'] = &TSynSQLSyn::SlashProc;
    CharDispatch[':'] = &TSynSQLSyn::ColonOrAtProc;
    CharDispatch['@'] = &TSynSQLSyn::ColonOrAtProc;
    CharDispatch['#'] = &TSynSQLSyn::HashProc;
    CharDispatch['$'] = &TSynSQLSyn::UnknownProc;
    CharDispatch['\\'] = &TSynSQLSyn::UnknownProc;
    CharDispatch['`'] = &TSynSQLSyn::UnknownProc;
    CharDispatch['&'] = &TSynSQLSyn::AmpersandProc;
    CharDispatch['='] = &TSynSQLSyn::EqualProc;
    CharDispatch['>'] = &TSynSQLSyn::GreaterProc;
    CharDispatch['<'] = &TSynSQLSyn::LowerProc;
    CharDispatch['|'] = &TSynSQLSyn::BarProc;
    CharDispatch['+'] = &TSynSQLSyn::PlusProc;
    for (char c : {'!', '%', '*', '^'})
        CharDispatch[static_cast<unsigned char>(c)] = &TSynSQLSyn::SymbolOrAssignProc;
}

// ---- vocabulary ----

void TSynSQLSyn::SetSQLDialect(TSQLDialect dialect) {
    if (dialect == m_dialect) return;
    m_dialect = dialect;
    BuildKeywordTable();
}

void TSynSQLSyn::SetTableNames(std::vector<std::string> names) {
    m_tableNames = std::move(names);
    BuildKeywordTable();
}

void TSynSQLSyn::BuildKeywordTable() {
    m_keywords.Clear();
    const bool mssql = UsesMSSQLTables(m_dialect);
    m_identChars = mssql ? MSSQLIdentChars.data() : StandardIdentChars.data();
    m_charHash = mssql ? MSSQLCharHash.data() : StandardCharHash.data();

    const TSynCharSet wordChars = WordChars();
    for (const TSQLWordList& list : SQLDialectWordLists(m_dialect)) {
        size_t pos = 0;
        while (pos < list.Words.size()) {
            while (pos < list.Words.size() &&
                   !wordChars[static_cast<unsigned char>(list.Words[pos])])
                ++pos;
            const size_t start = pos;
            while (pos < list.Words.size() &&
                   wordChars[static_cast<unsigned char>(list.Words[pos])])
                ++pos;
            if (pos > start) AddWord(std::string(list.Words.substr(start, pos - start)), list.Kind);
        }
    }
    for (const std::string& name : m_tableNames) {
        size_t length = 0;
        const int hash = HashWord(name.data(), name.size(), length);
        if (!name.empty() && !m_keywords.Contains(hash, name))
            m_keywords.Put(hash, std::make_unique<TSynHashEntry>(name, ttTableName));
    }
    NotifyChangeHooks();
}

void TSynSQLSyn::AddWord(std::string word, int kind) {
    size_t length = 0;
    const int hash = HashWord(word.data(), word.size(), length);
    m_keywords.Put(hash, std::make_unique<TSynHashEntry>(std::move(word), kind));
}

int TSynSQLSyn::HashWord(const char* start, size_t available, size_t& wordLength) const {
    // Unsigned arithmetic wraps modulo a power of two, so the low byte is the sum modulo 256.
    // Local copies of the tables: the compiler cannot know that the line leaves them alone.
    const bool* identChars = m_identChars;
    const int16_t* charHash = m_charHash;
    unsigned hash = 0;
    size_t length = 0;
    for (; length < available; ++length) {
        const auto c = static_cast<unsigned char>(start[length]);
        if (!identChars[c]) break;
        hash = 2 * hash + static_cast<unsigned>(charHash[c]);
    }
    wordLength = length;
    return static_cast<int>(hash & 0xFF);
}

int TSynSQLSyn::LookupWord(const char* start, size_t available, size_t& wordLength) const {
    const int hash = HashWord(start, available, wordLength);
    const int length = static_cast<int>(wordLength);
    for (const TSynHashEntry* entry = m_keywords.Get(hash); entry && entry->KeyLen() <= length;
         entry = entry->Next()) {
        if (entry->KeyLen() != length) continue;
        const std::string& keyword = entry->Keyword();
        // Compared through the standard hash values: letter case, and digits against '#', '$'
        // and '@', make no difference.
        bool same = true;
        for (int i = 0; i < length && same; ++i)
            same = StandardCharHash[static_cast<unsigned char>(keyword[i])] ==
                   StandardCharHash[static_cast<unsigned char>(start[i])];
        if (same) return entry->Kind();
    }
    return ttIdentifier;
}

// ---- answers ----

TSynHighlighterAttributes* TSynSQLSyn::CategoryAttribute(int index) const {
    return PickCategory(
        index, {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynSQLSyn::WordChars() const {
    TSynCharSet chars = IdentifierWordChars();
    if (UsesMSSQLTables(m_dialect)) chars |= MakeCharSet("@");
    if (m_dialect == sqlOracle) chars |= MakeCharSet("#$");
    return chars;
}

std::string TSynSQLSyn::LanguageTitle() const {
    return "SQL";
}

std::string TSynSQLSyn::SampleText() const {
    switch (m_dialect) {
    case sqlInterbase6:
        return "/* Interbase sample source */\n"
               "SET TERM !! ;\n"
               "CREATE PROCEDURE ORDER_TOTAL (ORDER_NO INTEGER)\n"
               "RETURNS (TOTAL DECIMAL(12,2))\n"
               "AS\n"
               "BEGIN\n"
               "  SELECT SUM(PRICE * QUANTITY) FROM ORDER_LINES\n"
               "    WHERE ORDER_NO = :ORDER_NO INTO :TOTAL;\n"
               "  IF (TOTAL IS NULL) THEN TOTAL = 0;\n"
               "  SUSPEND;\n"
               "END !!\n"
               "SET TERM ; !!\n";
    case sqlOracle:
        return "PROMPT Oracle sample source\n"
               "SET SERVEROUTPUT ON\n"
               "REM totals of one customer\n"
               "DECLARE\n"
               "  v_total NUMBER(12,2) := 0;\n"
               "BEGIN\n"
               "  SELECT SUM(price * quantity) INTO v_total\n"
               "    FROM order_lines WHERE customer_id = :customer;\n"
               "  DBMS_OUTPUT.PUT_LINE('Total: ' || TO_CHAR(v_total));\n"
               "EXCEPTION\n"
               "  WHEN NO_DATA_FOUND THEN NULL;\n"
               "END;\n"
               "/\n";
    default:
        return {};
    }
}

bool TSynSQLSyn::IsReservedWord(std::string_view word) const {
    size_t length = 0;
    const int kind = LookupWord(word.data(), word.size(), length);
    if (word.empty() || length != word.size()) return false;
    switch (kind) {
    case ttDatatype:
    case ttDefaultPackage:
    case ttException:
    case ttFunction:
    case ttKey:
    case ttPLSQL:
        return true;
    default:
        return false;
    }
}

TSynHighlighterAttributes* TSynSQLSyn::TokenAttribute() const {
    return KindAttributes[static_cast<size_t>(CurrentKind)];
}

void TSynSQLSyn::RestoreRange(TSynRange range) {
    // A value no scan produced (a line without a stored range) starts as ordinary text.
    RangeState = range >= rgNone && range <= rgString ? static_cast<TRangeState>(range) : rgNone;
}

void TSynSQLSyn::Assign(const TSynCustomHighlighter& source) {
    TSynCustomHighlighter::Assign(source);
    if (const auto* sql = dynamic_cast<const TSynSQLSyn*>(&source))
        SetSQLDialect(sql->SQLDialect());
}

// ---- scanning ----

void TSynSQLSyn::NextToken() {
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos)) {
        CurrentKind = ttNull;
        return;
    }
    switch (RangeState) {
    case rgBlockComment:
        BlockCommentProc();
        break;
    case rgString:
        CurrentKind = ttString;
        ScanStringBody();
        break;
    default:
        (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])();
        break;
    }
}

void TSynSQLSyn::SymbolOfLength(size_t length) {
    CurrentKind = ttSymbol;
    ScanPos += length;
}

void TSynSQLSyn::SymbolProc() {
    SymbolOfLength(1);
}

void TSynSQLSyn::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = ttUnknown;
    ++ScanPos;
}

void TSynSQLSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SpaceTokenEnd(Line, ScanPos);
}

void TSynSQLSyn::SingleQuoteProc() {
    CurrentKind = ttString;
    RangeState = rgString;
    ++ScanPos;
    ScanStringBody();
}

void TSynSQLSyn::ScanStringBody() {
    // Up to and including the closing quote; without one the string goes on on the next line.
    while (!AtEnd(ScanPos)) {
        const char c = Line[ScanPos];
        if (c == '\\' && m_dialect == sqlMySQL) {
            ScanPos = std::min(ScanPos + 2, Line.size());
            continue;
        }
        ++ScanPos;
        if (c == '\'') {
            RangeState = rgNone;
            return;
        }
    }
}

void TSynSQLSyn::DoubleQuoteProc() {
    CurrentKind = ttString;
    ++ScanPos;
    while (!AtLineBreak(ScanPos) && Line[ScanPos] != '\0') {
        const char c = Line[ScanPos];
        if ((c == '\\' || c == '"') && FollowedBy(1, '"')) {
            ScanPos += 2;
            continue;
        }
        ++ScanPos;
        if (c == '"') return;
    }
}

void TSynSQLSyn::MinusProc() {
    if (!FollowedBy(1, '-')) {
        SymbolOfLength(1);
        return;
    }
    CurrentKind = ttComment;
    ScanPos = FindLineBreak(Line, ScanPos);
}

void TSynSQLSyn::SlashProc() {
    if (FollowedBy(1, '*')) {
        RangeState = rgBlockComment;
        CurrentKind = ttComment;
        ScanPos += 2;
        ScanBlockCommentBody();
        return;
    }
    SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

void TSynSQLSyn::BlockCommentProc() {
    if (AtLineBreak(ScanPos)) {
        SpaceProc(); // a line break inside the block is a token of its own
        return;
    }
    CurrentKind = ttComment;
    ScanBlockCommentBody();
}

void TSynSQLSyn::ScanBlockCommentBody() {
    if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
}

void TSynSQLSyn::NumberProc() {
    CurrentKind = ttNumber;
    ++ScanPos;
    while (!AtEnd(ScanPos)) {
        const unsigned char c = CharAt(ScanPos);
        if (c == '.' && FollowedBy(1, '.')) return;
        if (!IsDigit(c) && c != '.' && c != '-') return;
        ++ScanPos;
    }
}

void TSynSQLSyn::IdentProc() {
    size_t length = 0;
    CurrentKind = LookupWord(Line.data() + ScanPos, Line.size() - ScanPos, length);
    ScanPos += length;
    // The remark words of SQL*Plus comment out the rest of their line.
    if (CurrentKind == ttComment) ScanPos = FindLineBreak(Line, ScanPos);
}

void TSynSQLSyn::ColonOrAtProc() {
    const bool at = Line[ScanPos] == '@';
    if (at && m_dialect == sqlMSSQL7 && FollowedBy(1, '@')) {
        IdentProc(); // the server's @@ variables are words of the vocabulary
        return;
    }
    const bool symbol = at ? m_dialect == sqlMySQL || m_dialect == sqlOracle
                           : m_dialect != sqlOracle && m_dialect != sqlIngres;
    if (symbol) {
        SymbolOfLength(1);
        return;
    }
    CurrentKind = ttVariable;
    ++ScanPos;
    while (!AtEnd(ScanPos) && m_identChars[CharAt(ScanPos)])
        ++ScanPos;
}

void TSynSQLSyn::HashProc() {
    if (m_dialect != sqlMySQL || TokenStartPos != 0) {
        UnknownProc();
        return;
    }
    CurrentKind = ttComment;
    ScanPos = FindLineBreak(Line, ScanPos);
}

void TSynSQLSyn::AmpersandProc() {
    SymbolOfLength(FollowedBy(1, '&') || FollowedBy(1, '=') ? 2 : 1);
}
void TSynSQLSyn::EqualProc() {
    SymbolOfLength(FollowedBy(1, '=') || FollowedBy(1, '>') ? 2 : 1);
}
void TSynSQLSyn::GreaterProc() {
    SymbolOfLength(FollowedBy(1, '=') || FollowedBy(1, '>') ? 2 : 1);
}
void TSynSQLSyn::BarProc() {
    SymbolOfLength(FollowedBy(1, '|') || FollowedBy(1, '=') ? 2 : 1);
}
void TSynSQLSyn::PlusProc() {
    SymbolOfLength(FollowedBy(1, '+') || FollowedBy(1, '=') ? 2 : 1);
}
void TSynSQLSyn::SymbolOrAssignProc() {
    SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

void TSynSQLSyn::LowerProc() {
    if (FollowedBy(1, '<'))
        SymbolOfLength(FollowedBy(2, '=') ? 3 : 2);
    else
        SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

} // namespace tavlo
