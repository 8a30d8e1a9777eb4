#include "highlighters/SynHighlighterCpp.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

namespace {

constexpr std::string_view CppKeywords[] = {
    "__asm",       "__automated",  "__cdecl",    "__classid",   "__closure",
    "__declspec",  "__dispid",     "__except",   "__export",    "__fastcall",
    "__finally",   "__import",     "__int16",    "__int32",     "__int64",
    "__int8",      "__pascal",     "__property", "__published", "__rtti",
    "__stdcall",   "__thread",     "__try",      "_asm",        "_cdecl",
    "_export",     "_fastcall",    "_import",    "_pascal",     "_stdcall",
    "asm",         "auto",         "bool",       "break",       "case",
    "catch",       "cdecl",        "char",       "class",       "const",
    "const_cast",  "continue",     "default",    "delete",      "do",
    "double",      "dynamic_cast", "else",       "enum",        "explicit",
    "extern",      "false",        "float",      "for",         "friend",
    "goto",        "if",           "inline",     "int",         "long",
    "mutable",     "namespace",    "new",        "operator",    "pascal",
    "private",     "protected",    "public",     "register",    "reinterpret_cast",
    "return",      "short",        "signed",     "sizeof",      "static",
    "static_cast", "struct",       "switch",     "template",    "this",
    "throw",       "true",         "try",        "typedef",     "typeid",
    "typename",    "union",        "unsigned",   "using",       "virtual",
    "void",        "volatile",     "wchar_t",    "while"};

constexpr int KeywordTableSize = 207;

constexpr bool OpensAsm(std::string_view keyword) {
    return keyword == "asm" || keyword == "_asm" || keyword == "__asm";
}

// The two letter cases hash apart, so that "Int" cannot land on "int"'s bucket by accident.
constexpr TSynCharHashTable CharHashTable = [] {
    TSynCharHashTable table{};
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<int16_t>(c - 'A' + 1);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<int16_t>(c - 'a' + 2);
    return table;
}();

constexpr TSynCharHashTable WordHashTable = WordHashes(AsciiIdentCharTable, CharHashTable);

const TSynKeywordTable& Keywords() {
    static const TSynKeywordTable table(CharHashTable, KeywordTableSize, CppKeywords,
                                        TSynKeywordTable::TCompare::Exact);
    return table;
}

// Characters a number token examines; anything else ends it.
constexpr TSynByteSet NumberChars = ByteSet("+-.0123456789ABCDEFabcdefLlUuXx");
// Where the runs of directives and strings must look closer.
constexpr TSynByteSet DirectiveStops = ByteSet("/\\\r\n");
constexpr TSynByteSet StringStops = ByteSet("\"\\\r\n");

constexpr std::array<std::string_view, TSynCppSyn::ttOctal + 1> KindNames = {
    "Asm",    "Comment", "Directive", "Identifier", "Key",   "Null", "Number", "Space",
    "String", "Symbol",  "Unknown",   "Char",       "Float", "Hex",  "Octal"};

std::unique_ptr<TSynCustomHighlighter> CreateCpp() {
    return std::make_unique<TSynCppSyn>();
}

} // namespace

const TSynHighlighterClass TSynCppSyn::ClassInfo = {"TSynCppSyn", "cpp", KindNames, &CreateCpp};

TSynCppSyn::TSynCppSyn() {
    AsmAttri = AddAttribute("Assembler");
    CommentAttri = AddAttribute("Comment", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    InvalidAttri = AddAttribute("Illegal char");
    KeyAttri = AddAttribute("Reserved word", fsBold);
    NumberAttri = AddAttribute("Number");
    CharAttri = AddAttribute("Character");
    FloatAttri = AddAttribute("Float");
    HexAttri = AddAttribute("Hexadecimal");
    OctalAttri = AddAttribute("Octal");
    SpaceAttri = AddAttribute("Space", 0, clWindow);
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    DirecAttri = AddAttribute("Preprocessor");
    BindAttributeChanges();
    KindAttributes = {AsmAttri,     CommentAttri, DirecAttri, IdentifierAttri, KeyAttri,
                      nullptr,      NumberAttri,  SpaceAttri, StringAttri,     SymbolAttri,
                      InvalidAttri, CharAttri,    FloatAttri, HexAttri,        OctalAttri};
    BuildCharDispatch();
    SetDefaultFilter(std::string(BuiltinFilter));
}

void TSynCppSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        THandler handler = &TSynCppSyn::UnknownProc;
        if (IsBlank(byte))
            handler = &TSynCppSyn::SpaceProc;
        else if (IsDigit(byte))
            handler = &TSynCppSyn::NumberProc;
        else if (IsLetter(byte) || c == '_')
            handler = &TSynCppSyn::IdentProc;
        CharDispatch[c] = handler;
    }
    for (unsigned char c : std::string_view("(),;?[]{}~"))
        CharDispatch[c] = &TSynCppSyn::SymbolProc;
    for (unsigned char c : std::string_view("!%*=^"))
        CharDispatch[c] = &TSynCppSyn::SymbolWithEqualsProc;
    CharDispatch['\n'] = &TSynCppSyn::LineBreakProc;
    CharDispatch['\r'] = &TSynCppSyn::LineBreakProc;
    CharDispatch['"'] = &TSynCppSyn::StringProc;
    CharDispatch['\''] = &TSynCppSyn::CharProc;
    CharDispatch['#'] = &TSynCppSyn::DirectiveProc;
    CharDispatch['.'] = &TSynCppSyn::PointProc;
    CharDispatch['/'] = &TSynCppSyn::SlashProc;
    CharDispatch['&'] = &TSynCppSyn::AndProc;
    CharDispatch['+'] = &TSynCppSyn::PlusProc;
    CharDispatch['-'] = &TSynCppSyn::MinusProc;
    CharDispatch[':'] = &TSynCppSyn::ColonProc;
    CharDispatch['<'] = &TSynCppSyn::LowerProc;
    CharDispatch['>'] = &TSynCppSyn::GreaterProc;
    CharDispatch['|'] = &TSynCppSyn::OrProc;
}

// ---- answers ----

TSynHighlighterAttributes* TSynCppSyn::CategoryAttribute(int index) const {
    return PickCategory(
        index, {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynCppSyn::WordChars() const {
    return IdentifierWordChars();
}
TSynHighlighterCapabilities TSynCppSyn::Features() const {
    return hcUserSettings | hcRegistry;
}
std::string TSynCppSyn::LanguageTitle() const {
    return "C++";
}

std::string TSynCppSyn::SampleText() const {
    return "// Ledger totals\n"
           "int TLedger::Flush(const char* header)\n"
           "{\n"
           "  int total = 0;\n"
           "  char mark = 'x';\n"
           "  const char* caption = \"Sum:\";\n"
           "  for (int i = 0; i < 0xff; i++)\n"
           "    total += 023 * 1.0;\n"
           "  @; /* illegal character */\n"
           "#ifdef USE_ASM\n"
           "  asm {\n"
           "    mov eax, 1\n"
           "  }\n"
           "#endif\n"
           "  return total;\n"
           "}\n";
}

TSynHighlighterAttributes* TSynCppSyn::TokenAttribute() const {
    return KindAttributes[CurrentKind];
}

void TSynCppSyn::RestoreRange(TSynRange range) {
    // Ordinals 2 and 3 belong to comment states no scan produces any more; every other value no
    // scan produces (a line without a stored range) starts as ordinary code.
    switch (range) {
    case rgBlockComment:
    case 2:
    case 3:
        RangeState = rgBlockComment;
        break;
    case rgAsm:
    case rgDirectiveComment:
    case rgStringCont:
    case rgDirectiveCont:
        RangeState = static_cast<TRangeState>(range);
        break;
    default:
        RangeState = rgNone;
        break;
    }
}

// ---- scanning ----

void TSynCppSyn::NextToken() {
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos)) {
        // The range stays, so an asm word at the end of a line is seen by the next line.
        CurrentKind = ttNull;
        return;
    }
    switch (RangeState) {
    case rgBlockComment:
    case rgDirectiveComment:
        BlockCommentProc();
        break;
    case rgStringCont:
        StringContProc();
        break;
    case rgDirectiveCont:
        DirectiveContProc();
        break;
    default:
        RangeState = rgNone;
        (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])();
        break;
    }
}

void TSynCppSyn::SymbolOfLength(size_t length) {
    CurrentKind = ttSymbol;
    ScanPos += length;
}

void TSynCppSyn::SymbolProc() {
    SymbolOfLength(1);
}

void TSynCppSyn::SymbolWithEqualsProc() {
    SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::AndProc() {
    SymbolOfLength(FollowedBy(1, '&') || FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::PlusProc() {
    SymbolOfLength(FollowedBy(1, '+') || FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::MinusProc() {
    SymbolOfLength(FollowedBy(1, '-') || FollowedBy(1, '=') || FollowedBy(1, '>') ? 2 : 1);
}

void TSynCppSyn::ColonProc() {
    SymbolOfLength(FollowedBy(1, ':') ? 2 : 1);
}

void TSynCppSyn::OrProc() {
    SymbolOfLength(FollowedBy(1, '|') || FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::LowerProc() {
    if (FollowedBy(1, '<'))
        SymbolOfLength(FollowedBy(2, '=') ? 3 : 2);
    else
        SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::GreaterProc() {
    if (FollowedBy(1, '>'))
        SymbolOfLength(FollowedBy(2, '=') ? 3 : 2);
    else
        SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
}

void TSynCppSyn::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = ttUnknown;
    ++ScanPos;
}

void TSynCppSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SkipOver(Line, ScanPos + 1, BlankBytes);
}

// A CR (with the LF after it) or an LF inside a line is a space token of its own, also inside a
// construct that goes on over lines.
void TSynCppSyn::LineBreakProc() {
    CurrentKind = ttSpace;
    ScanPos += LineBreakLength(Line, ScanPos);
}

// ---- comments ----

void TSynCppSyn::SlashProc() {
    if (FollowedBy(1, '*')) {
        CurrentKind = ttComment;
        RangeState = rgBlockComment;
        ScanPos += 2;
        ScanBlockCommentBody();
    } else if (FollowedBy(1, '/')) {
        ScanLineComment();
    } else {
        SymbolOfLength(FollowedBy(1, '=') ? 2 : 1);
    }
}

void TSynCppSyn::ScanLineComment() {
    CurrentKind = ttComment;
    ScanPos = FindLineBreak(Line, ScanPos + 2);
}

void TSynCppSyn::BlockCommentProc() {
    if (AtLineBreak(ScanPos)) return LineBreakProc();
    CurrentKind = ttComment;
    // A directive stopped right before this "/*" (a comment that goes on from an earlier line
    // starts the line or follows a line break): the opener must not close itself as in "/*/".
    if (RangeState == rgDirectiveComment && ScanPos > 0 && Line[ScanPos - 1] != '\r' &&
        Line[ScanPos - 1] != '\n')
        ScanPos += 2;
    ScanBlockCommentBody();
}

void TSynCppSyn::ScanBlockCommentBody() {
    if (!ScanPastCommentCloser(Line, ScanPos)) return;
    // Text after a comment inside a directive belongs to the directive again.
    RangeState = RangeState == rgDirectiveComment && !AtLineBreak(ScanPos) ? rgDirectiveCont : rgNone;
}

// ---- preprocessor lines ----

bool TSynCppSyn::OnlyBlanksBefore(size_t pos) const {
    // Looking back only over blanks keeps a line full of "#" linear.
    while (pos > 0 && static_cast<unsigned char>(Line[pos - 1]) <= 32)
        --pos;
    return pos == 0;
}

TSynScanState TSynCppSyn::CaptureScanState() const {
    TSynScanState state = TSynCustomHighlighter::CaptureScanState();
    state.Values[1] = OnlyBlanksBefore(ScanPos);
    return state;
}

void TSynCppSyn::DirectiveProc() {
    if (OnlyBlanksBefore(ScanPos))
        ScanDirectiveBody();
    else
        UnknownProc(); // a "#" inside an expression
}

void TSynCppSyn::DirectiveContProc() {
    if (AtLineBreak(ScanPos)) return LineBreakProc();
    RangeState = rgNone;
    // A continuation line that starts with a comment has no directive text before it.
    if (Line[ScanPos] == '/' && FollowedBy(1, '/')) {
        ScanLineComment();
    } else if (Line[ScanPos] == '/' && FollowedBy(1, '*')) {
        CurrentKind = ttComment;
        RangeState = rgDirectiveComment;
        ScanPos += 2;
        ScanBlockCommentBody();
    } else {
        ScanDirectiveBody();
    }
}

// Runs from a character that is not a comment opener; stops before a comment, after a final
// backslash or at the end of the line.
void TSynCppSyn::ScanDirectiveBody() {
    CurrentKind = ttDirective;
    do {
        ScanPos = FindFirstOf(Line, ScanPos, DirectiveStops);
        if (AtLineBreak(ScanPos)) return;
        const char c = Line[ScanPos];
        if (c == '/' && FollowedBy(1, '/')) return;
        if (c == '/' && FollowedBy(1, '*')) {
            RangeState = rgDirectiveComment;
            return;
        }
        ++ScanPos;
        if (c == '\\' && AtLineBreak(ScanPos)) {
            RangeState = rgDirectiveCont;
            return;
        }
    } while (!AtLineBreak(ScanPos));
}

// ---- strings and characters ----

void TSynCppSyn::StringProc() {
    CurrentKind = ttString;
    ++ScanPos;
    ScanStringBody();
}

void TSynCppSyn::StringContProc() {
    if (AtLineBreak(ScanPos)) return LineBreakProc();
    CurrentKind = ttString;
    RangeState = rgNone;
    ScanStringBody();
}

void TSynCppSyn::ScanStringBody() {
    while (!AtLineBreak(ScanPos = FindFirstOf(Line, ScanPos, StringStops))) {
        const char c = Line[ScanPos++];
        if (c == '"') return;
        if (c != '\\') continue;
        if (AtLineBreak(ScanPos)) {
            RangeState = rgStringCont;
            return;
        }
        if (Line[ScanPos] == '"' || Line[ScanPos] == '\\') ++ScanPos;
    }
}

void TSynCppSyn::CharProc() {
    CurrentKind = ttChar;
    ++ScanPos;
    while (!AtLineBreak(ScanPos)) {
        const char c = Line[ScanPos++];
        if (c == '\'') return;
        if (c == '\\' && (FollowedBy(0, '\'') || FollowedBy(0, '\\'))) ++ScanPos;
    }
}

// ---- numbers ----

void TSynCppSyn::PointProc() {
    if (FollowedBy(1, '.') && FollowedBy(2, '.'))
        SymbolOfLength(3);
    else if (!AtEnd(ScanPos + 1) && IsDigit(CharAt(ScanPos + 1)))
        NumberProc();
    else
        SymbolOfLength(1);
}

// Whether a suffix or exponent letter (given in lower case) already occurs in the token.
bool TSynCppSyn::TokenHasLetter(char lower) const {
    for (size_t i = TokenStartPos; i < ScanPos; ++i)
        if ((Line[i] | 0x20) == lower) return true;
    return false;
}

void TSynCppSyn::NumberProc() {
    const size_t start = TokenStartPos;
    const char first = Line[start];
    CurrentKind = ttNumber;
    if (first != '.') ++ScanPos; // a number that starts with "." is a float by its point
    auto next = [this](size_t offset) {
        return AtEnd(ScanPos + offset) ? 0 : CharAt(ScanPos + offset);
    };
    while (!AtEnd(ScanPos) && NumberChars[CharAt(ScanPos)]) {
        const unsigned char c = CharAt(ScanPos);
        const unsigned char before = ScanPos > start ? CharAt(ScanPos - 1) : 0;
        const bool second = ScanPos == start + 1;
        bool stop = false;
        switch (c) {
        case '.':
            if (next(1) == '.')
                stop = true;
            else if (CurrentKind == ttHex) {
                CurrentKind = ttUnknown;
                stop = true;
            } else
                CurrentKind = ttFloat;
            break;
        case '+':
        case '-':
            if (CurrentKind != ttFloat || (before != 'e' && before != 'E')) {
                stop = true;
            } else if (!IsDigit(next(1)) && next(1) != '+' && next(1) != '-') {
                ++ScanPos;
                CurrentKind = ttUnknown;
                stop = true;
            }
            break;
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
            if (second && first == '0') CurrentKind = ttOctal;
            break;
        case '8':
        case '9':
            if (first == '0' && CurrentKind != ttHex && CurrentKind != ttFloat)
                CurrentKind = ttUnknown;
            break;
        case 'E':
        case 'e':
            if (CurrentKind == ttHex) break;
            if (!IsDigit(before))
                stop = true;
            else if (TokenHasLetter('e')) {
                CurrentKind = ttUnknown;
                stop = true;
            } else if (IsDigit(next(1)) || next(1) == '+' || next(1) == '-')
                CurrentKind = ttFloat;
            else
                stop = true;
            break;
        case 'F':
        case 'f':
            if (CurrentKind == ttHex) break;
            if (TokenHasLetter('f')) {
                CurrentKind = ttUnknown;
                stop = true;
            } else if (CurrentKind == ttFloat)
                stop = before == 'L' || before == 'l';
            else
                CurrentKind = ttFloat;
            break;
        case 'L':
        case 'l':
            if (TokenHasLetter('l')) {
                CurrentKind = ttUnknown;
                stop = true;
            } else
                stop = CurrentKind == ttFloat && (before == 'F' || before == 'f');
            break;
        case 'U':
        case 'u':
            if (CurrentKind == ttFloat)
                stop = true;
            else if (TokenHasLetter('u')) {
                CurrentKind = ttUnknown;
                stop = true;
            }
            break;
        case 'X':
        case 'x':
            if (second && first == '0' && IsHexDigit(next(1))) {
                CurrentKind = ttHex;
                break;
            }
            stop = true;
            if (!AsciiIdentCharTable[next(1)] && (Line[start + 1] | 0x20) == 'x') {
                ++ScanPos;
                CurrentKind = ttUnknown;
            }
            break;
        default: // 'A'..'D', 'a'..'d'
            stop = CurrentKind != ttHex;
            break;
        }
        if (stop) break;
        ++ScanPos;
    }
    if (!AtEnd(ScanPos) && (IsLetter(CharAt(ScanPos)) || CharAt(ScanPos) == '_'))
        CurrentKind = ttUnknown;
}

// ---- words ----

void TSynCppSyn::IdentProc() {
    const size_t wordStart = ScanPos;
    int hash = 0;
    ScanPos = ScanWord(Line, wordStart, WordHashTable, hash);
    const int keyword = Keywords().Find(hash, Line.substr(wordStart, ScanPos - wordStart));
    CurrentKind = keyword < 0 ? ttIdentifier : ttKey;
    // An asm word ending a line is remembered in the range the next line starts with.
    if (keyword >= 0 && OpensAsm(CppKeywords[keyword])) RangeState = rgAsm;
}

} // namespace tavlo
