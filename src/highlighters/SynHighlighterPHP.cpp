#include "highlighters/SynHighlighterPHP.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

namespace {

// Compared without regard to letter case.
constexpr std::string_view ReservedWords[] = {
    "__FILE__", "__LINE__", "and", "array", "break", "case", "cfunction", "class", "const",
    "continue", "default", "die", "do", "double", "echo", "else", "elseif", "empty", "endfor",
    "endif", "endswitch", "endwhile", "eval", "exit", "extends", "false", "float", "for",
    "function", "global", "highlight_file", "highlight_string", "if", "include", "int", "integer",
    "isset", "list", "new", "object", "old_function", "or", "print", "real", "require", "return",
    "show_source", "static", "string", "switch", "true", "unset", "var", "while", "xor",
};

constexpr int KeywordTableSize = 207;

const TSynKeywordTable& Keywords() {
    static const TSynKeywordTable table(LetterCharHashTable, KeywordTableSize, ReservedWords,
                                        TSynKeywordTable::TCompare::HashValues);
    return table;
}

// What a number takes after its first digit: 1-2, 0x1F, 12ab and 10L are each one number.
constexpr bool IsNumberChar(unsigned char c) {
    return IsHexDigit(c) || c == '-' || c == '.' || (c | 0x20) == 'l' || (c | 0x20) == 'x';
}

std::unique_ptr<TSynCustomHighlighter> CreatePHP() { return std::make_unique<TSynPHPSyn>(); }

constexpr std::string_view KindNames[] = {"Comment", "Identifier", "InvalidSymbol", "Key",
                                          "Null",    "Number",     "Space",         "String",
                                          "Symbol",  "Unknown",    "Variable"};

} // namespace

const TSynHighlighterClass TSynPHPSyn::ClassInfo = {"TSynPHPSyn", "php", KindNames, &CreatePHP};

TSynPHPSyn::TSynPHPSyn() : TSynCStyleScanner({ttNull, ttSpace, ttSymbol, ttUnknown}) {
    CommentAttri = AddAttribute("Comment", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    InvalidSymbolAttri = AddAttribute("Invalid symbol");
    KeyAttri = AddAttribute("Reserved word", fsBold);
    NumberAttri = AddAttribute("Number");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    VariableAttri = AddAttribute("Variable");
    BindAttributeChanges();
    // Unknown characters are drawn like identifiers.
    KindAttributes = {CommentAttri, IdentifierAttri, InvalidSymbolAttri, KeyAttri,
                      nullptr,      NumberAttri,     SpaceAttri,         StringAttri,
                      SymbolAttri,  IdentifierAttri, VariableAttri};
    Categories = {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri};

    BuildSharedDispatch(static_cast<THandler>(&TSynPHPSyn::NumberProc),
                        static_cast<THandler>(&TSynPHPSyn::IdentProc));
    CharDispatch['\''] = static_cast<THandler>(&TSynPHPSyn::StringProc);
    CharDispatch['"'] = static_cast<THandler>(&TSynPHPSyn::StringProc);
    CharDispatch['#'] = static_cast<THandler>(&TSynPHPSyn::LineCommentProc);
    CharDispatch['/'] = static_cast<THandler>(&TSynPHPSyn::SlashProc);
    CharDispatch['$'] = static_cast<THandler>(&TSynPHPSyn::VariableProc);
    CharDispatch['@'] = static_cast<THandler>(&TSynPHPSyn::InvalidSymbolProc);
    CharDispatch['\\'] = &TSynPHPSyn::UnknownProc;
    CharDispatch['`'] = &TSynPHPSyn::UnknownProc;
    for (unsigned char c : std::string_view("&>+|")) CharDispatch[c] = &TSynPHPSyn::DoubledOrAssignProc;
    for (unsigned char c : std::string_view("!%*^")) CharDispatch[c] = &TSynPHPSyn::SymbolOrAssignProc;
    CharDispatch['='] = static_cast<THandler>(&TSynPHPSyn::EqualProc);
    CharDispatch['<'] = static_cast<THandler>(&TSynPHPSyn::LowerProc);
    CharDispatch['-'] = &TSynPHPSyn::MinusProc;
    SetDefaultFilter(std::string(BuiltinFilter));
}

// ---- answers ----

std::string TSynPHPSyn::LanguageTitle() const { return "PHP"; }

std::string TSynPHPSyn::SampleText() const {
    return "// Prints a table of squares\n"
           "function squares($count) {\n"
           "  $total = 0;\n"
           "  print \"<table>\\n\";\n"
           "  for ($i = 1; $i <= $count; $i++) {\n"
           "    $total += $i * $i;\n"
           "    $left--;\n"
           "  }\n"
           "  $total = $total ` 2; /* illegal character */\n"
           "  return @$total;\n"
           "}\n";
}

void TSynPHPSyn::RestoreRange(TSynRange range) {
    // A value no scan produced (a line without a stored range, another language's) starts as code.
    RangeState = range > rgNone && range <= rgBlockComment ? static_cast<TRangeState>(range) : rgNone;
}

// ---- scanning ----

void TSynPHPSyn::NextToken() {
    if (!StartToken()) return;
    switch (RangeState) {
    case rgSingleQuoted:
    case rgDoubleQuoted: StringContinueProc(); break;
    case rgBlockComment: BlockCommentContinueProc(); break;
    default: Dispatch(); break;
    }
}

// "==" and "=>".
void TSynPHPSyn::EqualProc() {
    const unsigned char next = CharAt(ScanPos + 1);
    SymbolOfLength(next == '=' || next == '>' ? 2 : 1);
}

// "<<=", "<<" and "<=".
void TSynPHPSyn::LowerProc() {
    const unsigned char next = CharAt(ScanPos + 1);
    if (next == '<') SymbolOfLength(CharAt(ScanPos + 2) == '=' ? 3 : 2);
    else SymbolOfLength(next == '=' ? 2 : 1);
}

void TSynPHPSyn::InvalidSymbolProc() {
    CurrentKind = ttInvalidSymbol;
    ++ScanPos;
}

void TSynPHPSyn::LineCommentProc() {
    CurrentKind = ttComment;
    ScanPos = FindLineBreak(Line, ScanPos);
}

void TSynPHPSyn::SlashProc() {
    switch (CharAt(ScanPos + 1)) {
    case '/': LineCommentProc(); break;
    case '*':
        CurrentKind = ttComment;
        RangeState = rgBlockComment;
        // The search starts after the "*", so "/*/" stays open.
        ScanPos += 2;
        if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
        break;
    case '=': SymbolOfLength(2); break;
    default: SymbolOfLength(1); break;
    }
}

void TSynPHPSyn::BlockCommentContinueProc() {
    if (AtLineBreak(ScanPos)) {
        LineBreakProc();
        return;
    }
    CurrentKind = ttComment;
    if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
}

void TSynPHPSyn::StringProc() {
    CurrentKind = ttString;
    RangeState = Line[ScanPos] == '\'' ? rgSingleQuoted : rgDoubleQuoted;
    ++ScanPos;
    ScanStringBody();
}

void TSynPHPSyn::StringContinueProc() {
    if (AtLineBreak(ScanPos)) {
        LineBreakProc();
        return;
    }
    CurrentKind = ttString;
    ScanStringBody();
}

// Up to and including the closing quote, or the line break where this line's part of the string
// ends (the string goes on on the next line). A backslash hides a quote or a backslash after it,
// on the string's first line and on the lines it continues on alike.
void TSynPHPSyn::ScanStringBody() {
    const char quote = RangeState == rgSingleQuoted ? '\'' : '"';
    size_t pos = ScanPos;
    for (; !AtLineBreak(pos) && Line[pos] != quote; ++pos) {
        const unsigned char next = CharAt(pos + 1);
        if (Line[pos] == '\\' && (next == quote || next == '\\')) ++pos;
    }
    if (AtEnd(pos)) {
        ScanPos = pos;
        return;
    }
    if (Line[pos] == quote) RangeState = rgNone;
    ScanPos = pos + 1;
}

void TSynPHPSyn::VariableProc() {
    CurrentKind = ttVariable;
    ScanPos = SkipOver(Line, ScanPos + 1, AsciiIdentCharTable);
}

void TSynPHPSyn::NumberProc() {
    CurrentKind = ttNumber;
    for (++ScanPos; !AtEnd(ScanPos) && IsNumberChar(CharAt(ScanPos)); ++ScanPos)
        // "1..2" is a number, two dots and a number.
        if (CharAt(ScanPos) == '.' && CharAt(ScanPos + 1) == '.') return;
}

void TSynPHPSyn::IdentProc() {
    const size_t wordStart = ScanPos;
    int hash = 0;
    ScanPos = ScanWord(Line, wordStart, AsciiWordHashes, hash);
    CurrentKind = Keywords().Find(hash, Line.substr(wordStart, ScanPos - wordStart)) < 0 ? ttIdentifier : ttKey;
}

} // namespace tavlo
