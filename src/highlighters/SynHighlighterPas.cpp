#include "highlighters/SynHighlighterPas.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterScanning.h"

#include <typeinfo>

namespace tavlo {

namespace {

enum class TCondition : uint8_t {
    Always,
    FromDelphi2,
    FromDelphi3,
    FromDelphi4,
    FromDelphi6,
    WithPackageSource,
    InProperty,
    InPropertyFromDelphi3,
    InPropertyFromDelphi4,
    InPropertyOrExports,
    InExports,
};

enum class TEffect : uint8_t { None, EndBlock, OpenAsm, OpenProperty, OpenExports };

struct TPasKeyword {
    std::string_view Text;
    TCondition Condition = TCondition::Always;
    TEffect Effect = TEffect::None;
};

using enum TCondition;
using enum TEffect;

constexpr TPasKeyword PasKeywords[] = {
    {"Absolute"}, {"Abstract"}, {"And"}, {"Array"}, {"As"}, {"Asm", Always, OpenAsm},
    {"Assembler"}, {"Begin"}, {"Case"}, {"Class"}, {"Const"}, {"Constructor"}, {"Default"},
    {"Destructor"}, {"Div"}, {"Do"}, {"Downto"}, {"Dynamic"}, {"Else"}, {"End", Always, EndBlock},
    {"Except"}, {"Export"}, {"Exports", Always, OpenExports}, {"External"}, {"Far"}, {"File"},
    {"Finally"}, {"For"}, {"Forward"}, {"Function"}, {"Goto"}, {"If"}, {"Implementation"}, {"In"},
    {"Inherited"}, {"Initialization"}, {"Inline"}, {"Interface"}, {"Is"}, {"Label"}, {"Library"},
    {"Message"}, {"Mod"}, {"Near"}, {"Nil"}, {"Not"}, {"Object"}, {"Of"}, {"on"}, {"Or"}, {"Out"},
    {"Override"}, {"Packed"}, {"Pascal"}, {"Private"}, {"Procedure"}, {"Program"},
    {"Property", Always, OpenProperty}, {"Protected"}, {"Public"}, {"Published"}, {"Raise"},
    {"Record"}, {"Register"}, {"Repeat"}, {"Set"}, {"Shl"}, {"Shr"}, {"String"}, {"Then"}, {"To"},
    {"Try"}, {"Type"}, {"Unit"}, {"Until"}, {"Uses"}, {"Var"}, {"Virtual"}, {"While"}, {"With"},
    {"Xor"},
    {"Cdecl", FromDelphi2}, {"Stdcall", FromDelphi2}, {"Finalization", FromDelphi2},
    {"Safecall", FromDelphi3}, {"Dispid", FromDelphi3}, {"Threadvar", FromDelphi3},
    {"Automated", FromDelphi3}, {"Dispinterface", FromDelphi3}, {"Resourcestring", FromDelphi3},
    {"Stringresource", FromDelphi3},
    {"overload", FromDelphi4}, {"Reintroduce", FromDelphi4},
    {"deprecated", FromDelphi6}, {"platform", FromDelphi6},
    {"package", WithPackageSource}, {"contains", WithPackageSource}, {"requires", WithPackageSource},
    {"Read", InProperty}, {"Write", InProperty}, {"Stored", InProperty}, {"Nodefault", InProperty},
    {"Readonly", InPropertyFromDelphi3}, {"Writeonly", InPropertyFromDelphi3},
    {"Implements", InPropertyFromDelphi4},
    {"Index", InPropertyOrExports},
    {"name", InExports},
};

constexpr int KeywordTableSize = 192;

// Identifiers continue with digits, letters and '_'; only letters count for the hash.
constexpr const TSynIdentCharTable& IdentCharTable = AsciiIdentCharTable;
constexpr const TSynCharHashTable& CharHashTable = LetterCharHashTable;

const TSynKeywordTable& Keywords() {
    static const std::vector<std::string_view> texts = [] {
        std::vector<std::string_view> list;
        for (const auto& keyword : PasKeywords) list.push_back(keyword.Text);
        return list;
    }();
    static const TSynKeywordTable table(CharHashTable, KeywordTableSize, texts,
                                        TSynKeywordTable::TCompare::HashValues);
    return table;
}

std::unique_ptr<TSynCustomHighlighter> CreatePascal() { return std::make_unique<TSynPasSyn>(); }

} // namespace

const std::array<std::string_view, 15> TSynPasSyn::KindNames = {
    "Asm",   "Comment", "Identifier", "Key", "Null",      "Number", "Space",  "String",
    "Symbol", "Unknown", "Float",      "Hex", "Directive", "Char",   "Section"};

const TSynHighlighterClass TSynPasSyn::ClassInfo = {
    "TSynPasSyn", "pascal", std::span(KindNames).first(ttChar + 1), &CreatePascal};

TSynPasSyn::TSynPasSyn() {
    AsmAttri = AddAttribute("Assembler");
    CommentAttri = AddAttribute("Comment", fsItalic);
    DirectiveAttri = AddAttribute("Preprocessor", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    KeyAttri = AddAttribute("Reserved word", fsBold);
    NumberAttri = AddAttribute("Number");
    FloatAttri = AddAttribute("Float");
    HexAttri = AddAttribute("Hexadecimal");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    CharAttri = AddAttribute("Character");
    SymbolAttri = AddAttribute("Symbol");
    BindAttributeChanges();
    KindAttributes = {AsmAttri,   CommentAttri, IdentifierAttri, KeyAttri,  nullptr,
                      NumberAttri, SpaceAttri,  StringAttri,     SymbolAttri, SymbolAttri,
                      FloatAttri, HexAttri,     DirectiveAttri,  CharAttri};
    BuildCharDispatch();
    SetDefaultFilter(std::string(BuiltinFilter));
}

void TSynPasSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        THandler handler = &TSynPasSyn::SymbolProc;
        if (IsBlank(static_cast<unsigned char>(c))) handler = &TSynPasSyn::SpaceProc;
        else if (IsDigit(static_cast<unsigned char>(c))) handler = &TSynPasSyn::NumberProc;
        else if (IsLetter(static_cast<unsigned char>(c)) || c == '_') handler = &TSynPasSyn::IdentProc;
        else if (c == '|' || c >= 127) handler = &TSynPasSyn::UnknownProc;
        CharDispatch[c] = handler;
    }
    CharDispatch['\n'] = &TSynPasSyn::LineBreakProc;
    CharDispatch['\r'] = &TSynPasSyn::LineBreakProc;
    CharDispatch['#'] = &TSynPasSyn::CharCodeProc;
    CharDispatch['$'] = &TSynPasSyn::HexProc;
    CharDispatch['\''] = &TSynPasSyn::StringProc;
    CharDispatch['('] = &TSynPasSyn::RoundOpenProc;
    CharDispatch['.'] = &TSynPasSyn::PointProc;
    CharDispatch['/'] = &TSynPasSyn::SlashProc;
    CharDispatch[':'] = &TSynPasSyn::ColonOrGreaterProc;
    CharDispatch['>'] = &TSynPasSyn::ColonOrGreaterProc;
    CharDispatch[';'] = &TSynPasSyn::SemicolonProc;
    CharDispatch['<'] = &TSynPasSyn::LowerProc;
    CharDispatch['@'] = &TSynPasSyn::AddressOpProc;
    CharDispatch['{'] = &TSynPasSyn::BraceOpenProc;
}

// ---- options ----

void TSynPasSyn::SetDelphiVersion(TDelphiVersion version) {
    if (version == m_delphiVersion) return;
    m_delphiVersion = version;
    if (version <= dvDelphi2) m_packageSource = false;
    NotifyChangeHooks();
}

void TSynPasSyn::SetPackageSource(bool value) {
    if (value == m_packageSource) return;
    m_packageSource = value;
    if (value && m_delphiVersion < dvDelphi3) m_delphiVersion = dvDelphi3;
    NotifyChangeHooks();
}

// ---- answers ----

TSynHighlighterAttributes* TSynPasSyn::CategoryAttribute(int index) const {
    return PickCategory(index, {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

bool TSynPasSyn::StoresFilter() const { return DefaultFilter() != BuiltinFilter; }
TSynCharSet TSynPasSyn::WordChars() const { return IdentifierWordChars(); }
TSynHighlighterCapabilities TSynPasSyn::Features() const { return hcUserSettings | hcRegistry; }
std::string TSynPasSyn::LanguageTitle() const { return "ObjectPascal"; }

bool TSynPasSyn::SharesSampleWith(const TSynCustomHighlighter& source) const {
    return dynamic_cast<const TSynPasSyn*>(&source) != nullptr;
}

std::string TSynPasSyn::SampleText() const {
    return "{ Sorting helpers }\n"
           "procedure TLedger.Flush(const Header: string);\n"
           "var\n"
           "  Total: Integer;\n"
           "  Rate: Double;\n"
           "begin\n"
           "  Total := 250 + $5E;\n"
           "  Rate := 0.125;\n"
           "  {$R+}\n"
           "  Caption := 'Sum:' + #32 + IntToStr(Total);\n"
           "  {$R-}\n"
           "  asm\n"
           "    mov eax, 1\n"
           "    inc eax\n"
           "  end;\n"
           "end;\n";
}

int TSynPasSyn::TokenKindOrdinal() const {
    if (!AsmStarting && RangeState == rgAsm && CurrentKind != ttComment && CurrentKind != ttNull &&
        CurrentKind != ttSpace)
        return ttAsm;
    return CurrentKind;
}

TSynHighlighterAttributes* TSynPasSyn::TokenAttribute() const {
    return KindAttributes[static_cast<size_t>(TokenKindOrdinal())];
}

void TSynPasSyn::RestoreRange(TSynRange range) {
    // A value no scan produced (a line without a stored range) starts as ordinary code.
    RangeState = range >= rgUnused && range <= rgNone ? static_cast<TRangeState>(range) : rgNone;
}

// ---- scanning ----

void TSynPasSyn::NextToken() {
    AsmStarting = false;
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos)) {
        CurrentKind = ttNull;
        return;
    }
    switch (RangeState) {
    case rgParenComment:
    case rgParenCommentAsm: ParenCommentProc(); break;
    case rgBraceComment:
    case rgBraceCommentAsm: BraceCommentProc(); break;
    default: (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])(); break;
    }
}

void TSynPasSyn::SymbolOfLength(size_t length) {
    CurrentKind = ttSymbol;
    ScanPos += length;
}

void TSynPasSyn::SymbolProc() { SymbolOfLength(1); }

void TSynPasSyn::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = ttUnknown;
    ++ScanPos;
}

void TSynPasSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SkipOver(Line, ScanPos + 1, BlankBytes);
}

void TSynPasSyn::LineBreakProc() {
    CurrentKind = ttSpace;
    ScanPos += LineBreakLength(Line, ScanPos);
}

void TSynPasSyn::CharCodeProc() {
    CurrentKind = ttChar;
    ++ScanPos;
    while (!AtEnd(ScanPos) && (CharAt(ScanPos) == '$' || IsHexDigit(CharAt(ScanPos)))) ++ScanPos;
}

void TSynPasSyn::HexProc() {
    CurrentKind = ttHex;
    ++ScanPos;
    while (!AtEnd(ScanPos) && IsHexDigit(CharAt(ScanPos))) ++ScanPos;
}

void TSynPasSyn::StringProc() {
    CurrentKind = ttString;
    ++ScanPos;
    while (!AtLineBreak(ScanPos)) {
        if (Line[ScanPos] == '\'') {
            ++ScanPos;
            if (AtEnd(ScanPos) || Line[ScanPos] != '\'') return;
        }
        ++ScanPos;
    }
}

void TSynPasSyn::RoundOpenProc() {
    const unsigned char next = AtEnd(ScanPos + 1) ? 0 : CharAt(ScanPos + 1);
    if (next == '*') {
        ScanPos += 2;
        RangeState = RangeState == rgAsm ? rgParenCommentAsm : rgParenComment;
        CurrentKind = ttComment;
        ScanParenCommentBody();
    } else {
        SymbolOfLength(next == '.' ? 2 : 1);
    }
}

void TSynPasSyn::ParenCommentProc() {
    switch (CharAt(ScanPos)) {
    case '\n':
    case '\r': LineBreakProc(); break;
    default:
        CurrentKind = ttComment;
        ScanParenCommentBody();
        break;
    }
}

void TSynPasSyn::ScanParenCommentBody() {
    while (!AtLineBreak(ScanPos)) {
        if (Line[ScanPos] == '*' && CharAt(ScanPos + 1) == ')' && !AtEnd(ScanPos + 1)) {
            ScanPos += 2;
            RangeState = RangeState == rgParenCommentAsm ? rgAsm : rgNone;
            return;
        }
        ++ScanPos;
    }
}

void TSynPasSyn::BraceOpenProc() {
    RangeState = RangeState == rgAsm ? rgBraceCommentAsm : rgBraceComment;
    BraceCommentProc();
}

void TSynPasSyn::BraceCommentProc() {
    switch (CharAt(ScanPos)) {
    case '\n':
    case '\r': LineBreakProc(); return;
    default: break;
    }
    // Decided by the token's second character, also on the lines a comment continues on.
    CurrentKind = !AtEnd(TokenStartPos + 1) && CharAt(TokenStartPos + 1) == '$' ? ttDirective : ttComment;
    while (!AtLineBreak(ScanPos)) {
        if (Line[ScanPos] == '}') {
            ++ScanPos;
            RangeState = RangeState == rgBraceCommentAsm ? rgAsm : rgNone;
            return;
        }
        ++ScanPos;
    }
}

void TSynPasSyn::PointProc() {
    const unsigned char next = AtEnd(ScanPos + 1) ? 0 : CharAt(ScanPos + 1);
    SymbolOfLength(next == ')' || next == '.' ? 2 : 1);
}

void TSynPasSyn::SlashProc() {
    const bool lineComment = !AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '/' && m_delphiVersion >= dvDelphi2;
    if (!lineComment) {
        SymbolOfLength(1);
        return;
    }
    CurrentKind = ttComment;
    ScanPos = LineBreakFrom(ScanPos + 2);
}

void TSynPasSyn::ColonOrGreaterProc() {
    SymbolOfLength(!AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '=' ? 2 : 1);
}

void TSynPasSyn::LowerProc() {
    const unsigned char next = AtEnd(ScanPos + 1) ? 0 : CharAt(ScanPos + 1);
    SymbolOfLength(next == '=' || next == '>' ? 2 : 1);
}

void TSynPasSyn::AddressOpProc() {
    SymbolOfLength(!AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '@' ? 2 : 1);
}

void TSynPasSyn::SemicolonProc() {
    SymbolOfLength(1);
    if (RangeState == rgPropertyDecl || RangeState == rgExportsClause) RangeState = rgNone;
}

void TSynPasSyn::NumberProc() {
    CurrentKind = ttNumber;
    ++ScanPos;
    for (; !AtEnd(ScanPos); ++ScanPos) {
        const unsigned char c = CharAt(ScanPos);
        if (IsDigit(c)) continue;
        if (c == '.') {
            // "1..9" is a range, not a float.
            if (!AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '.') return;
            CurrentKind = ttFloat;
        } else if (c == 'e' || c == 'E') {
            CurrentKind = ttFloat;
        } else if (c == '+' || c == '-') {
            const unsigned char previous = CharAt(ScanPos - 1);
            if (CurrentKind != ttFloat || (previous != 'e' && previous != 'E')) return;
        } else {
            return;
        }
    }
}

bool TSynPasSyn::KeywordApplies(int keywordIndex) const {
    const bool inProperty = RangeState == rgPropertyDecl;
    switch (PasKeywords[keywordIndex].Condition) {
    case Always: return true;
    case FromDelphi2: return m_delphiVersion >= dvDelphi2;
    case FromDelphi3: return m_delphiVersion >= dvDelphi3;
    case FromDelphi4: return m_delphiVersion >= dvDelphi4;
    case FromDelphi6: return m_delphiVersion >= dvDelphi6;
    case WithPackageSource: return m_packageSource;
    case InProperty: return inProperty;
    case InPropertyFromDelphi3: return inProperty && m_delphiVersion >= dvDelphi3;
    case InPropertyFromDelphi4: return inProperty && m_delphiVersion >= dvDelphi4;
    case InPropertyOrExports: return inProperty || RangeState == rgExportsClause;
    case InExports: return RangeState == rgExportsClause;
    }
    return false;
}

void TSynPasSyn::IdentProc() {
    const size_t wordStart = ScanPos;
    size_t pos = wordStart;
    int hash = 0;
    // Past the table no keyword can match: the sum stops growing there, so that an identifier
    // of any length cannot overflow it.
    for (; !AtEnd(pos) && IsLetter(CharAt(pos)); ++pos)
        if (hash < KeywordTableSize) hash += CharHashTable[CharAt(pos)];
    size_t wordLength = pos - wordStart;
    // A digit or '_' right after the letters makes the word longer than any keyword it starts with.
    if (!AtEnd(pos) && (IsDigit(CharAt(pos)) || CharAt(pos) == '_')) ++wordLength;

    const int keyword = Keywords().Find(hash, Line.data() + wordStart, wordLength,
                                        [this](int index) { return KeywordApplies(index); });
    CurrentKind = keyword < 0 ? ttIdentifier : ttKey;
    if (keyword >= 0) {
        switch (PasKeywords[keyword].Effect) {
        case None: break;
        case EndBlock: RangeState = rgNone; break;
        case OpenAsm:
            RangeState = rgAsm;
            AsmStarting = true;
            break;
        case OpenProperty: RangeState = rgPropertyDecl; break;
        case OpenExports: RangeState = rgExportsClause; break;
        }
    }
    ScanPos = wordStart + wordLength;
    ScanPos = SkipOver(Line, ScanPos, IdentCharTable);
}

} // namespace tavlo
