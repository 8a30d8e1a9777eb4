#include "highlighters/SynHighlighterHtml.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterMarkup.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavlo {

namespace {

// The tag names, matched ignoring case.
constexpr std::string_view TagNames[] = {
    "A",        "ABBR",     "ACRONYM", "ADDRESS", "APPLET",     "AREA",      "B",       "BASE",
    "BASEFONT", "BGSOUND",  "BIG",     "BLINK",   "BLOCKQUOTE", "BODY",      "BR",      "BUTTON",
    "CAPTION",  "CENTER",   "CITE",    "CODE",    "COL",        "COLGROUP",  "COMMENT", "DD",
    "DEL",      "DFN",      "DIR",     "DIV",     "DL",         "DT",        "EM",      "EMBED",
    "FIELDSET", "FONT",     "FORM",    "FRAME",   "FRAMESET",   "H1",        "H2",      "H3",
    "H4",       "H5",       "H6",      "HEAD",    "HR",         "HTML",      "I",       "IFRAME",
    "ILAYER",   "IMG",      "INPUT",   "INS",     "ISINDEX",    "KBD",       "KEYGEN",  "LABEL",
    "LAYER",    "LEGEND",   "LI",      "LINK",    "LISTING",    "MAP",       "MARQUEE", "MENU",
    "META",     "MULTICOL", "NEXTID",  "NOBR",    "NOEMBED",    "NOFRAMES",  "NOLAYER", "NOSCRIPT",
    "OBJECT",   "OL",       "OPTION",  "P",       "PARAM",      "PLAINTEXT", "PRE",     "Q",
    "S",        "SAMP",     "SCRIPT",  "SELECT",  "SERVER",     "SMALL",     "SPACER",  "SPAN",
    "STRIKE",   "STRONG",   "STYLE",   "SUB",     "SUP",        "TABLE",     "TBODY",   "TD",
    "TEXTAREA", "TFOOT",    "TH",      "THEAD",   "TITLE",      "TR",        "TT",      "U",
    "UL",       "VAR",      "WBR",     "XMP",
};
static_assert(std::size(TagNames) == 108);

// Tags that never close, so "/" + name is no keyword.
constexpr std::string_view TagsWithoutClosing[] = {
    "AREA",   "BASE",  "BASEFONT",  "BGSOUND", "BR",     "COL",  "FRAME",
    "HR",     "IMG",   "INPUT",     "ISINDEX", "KEYGEN", "LINK", "META",
    "NEXTID", "PARAM", "PLAINTEXT", "SPACER",  "WBR",
};
static_assert(std::size(TagsWithoutClosing) == 19);

// The named character references, each written "&" + name + ";", matched ignoring case.
constexpr std::string_view CharacterReferences[] = {
    "Alpha",  "Beta",    "Gamma",   "Delta",  "Epsilon",  "Zeta",    "Eta",    "Theta",  "Iota",
    "Kappa",  "Lambda",  "Mu",      "Nu",     "Xi",       "Omicron", "Pi",     "Rho",    "Sigma",
    "Tau",    "Upsilon", "Phi",     "Chi",    "Psi",      "Omega",   "alpha",  "beta",   "gamma",
    "delta",  "epsilon", "zeta",    "eta",    "theta",    "iota",    "kappa",  "lambda", "mu",
    "nu",     "xi",      "omicron", "pi",     "rho",      "sigmaf",  "sigma",  "tau",    "upsilon",
    "phi",    "chi",     "psi",     "omega",  "thetasym", "upsih",   "piv",    "bull",   "hellip",
    "prime",  "Prime",   "oline",   "frasl",  "weierp",   "image",   "real",   "trade",  "alefsym",
    "larr",   "uarr",    "rarr",    "darr",   "harr",     "crarr",   "lArr",   "uArr",   "rArr",
    "dArr",   "hArr",    "forall",  "part",   "exist",    "empty",   "nabla",  "isin",   "notin",
    "ni",     "prod",    "sum",     "minus",  "lowast",   "radic",   "prop",   "infin",  "ang",
    "and",    "or",      "cap",     "cup",    "int",      "there4",  "sim",    "cong",   "asymp",
    "ne",     "equiv",   "le",      "ge",     "sub",      "sup",     "nsub",   "sube",   "supe",
    "oplus",  "otimes",  "perp",    "sdot",   "lceil",    "rceil",   "lfloor", "rfloor", "lang",
    "rang",   "loz",     "spades",  "clubs",  "hearts",   "diams",   "lsquo",  "rsquo",  "sbquo",
    "ldquo",  "rdquo",   "bdquo",   "dagger", "Dagger",   "permil",  "lsaquo", "rsaquo", "quot",
    "amp",    "lt",      "gt",      "ndash",  "mdash",    "nbsp",    "thinsp", "ensp",   "emsp",
    "iexcl",  "cent",    "pound",   "curren", "yen",      "brvbar",  "brkbar", "sect",   "uml",
    "die",    "copy",    "ordf",    "laquo",  "not",      "shy",     "reg",    "macr",   "hibar",
    "deg",    "plusmn",  "sup2",    "sup3",   "acute",    "micro",   "para",   "middot", "cedil",
    "sup1",   "ordm",    "raquo",   "frac14", "frac12",   "frac34",  "iquest", "Agrave", "Aacute",
    "Acirc",  "Atilde",  "Auml",    "Aring",  "AElig",    "Ccedil",  "Egrave", "Eacute", "Ecirc",
    "Euml",   "Igrave",  "Iacute",  "Icirc",  "Iuml",     "ETH",     "Ntilde", "Ograve", "Oacute",
    "Ocirc",  "Otilde",  "Ouml",    "times",  "Oslash",   "Ugrave",  "Uacute", "Ucirc",  "Uuml",
    "Yacute", "THORN",   "szlig",   "agrave", "aacute",   "acirc",   "atilde", "auml",   "aring",
    "aelig",  "ccedil",  "egrave",  "eacute", "ecirc",    "euml",    "igrave", "iacute", "icirc",
    "iuml",   "eth",     "ntilde",  "ograve", "oacute",   "ocirc",   "otilde", "ouml",   "divide",
    "oslash", "ugrave",  "uacute",  "ucirc",  "uuml",     "yacute",  "thorn",  "yuml",   "euro",
    "OElig",  "oelig",   "scaron",  "Scaron", "fnof",     "circ",
};
static_assert(std::size(CharacterReferences) == 249);

constexpr size_t LongestReferenceName = 8; // "thetasym"

// The digits of a numeric reference that the text before it looks at: with its "&", "#" and
// ";" they stay within the bytes a scan resumed after that text may depend on. A longer run
// is looked at by the reference's own token.
constexpr size_t DigitsSeenFromText = TSynCustomHighlighter::ResumeReach - 3;

constexpr int KeywordTableSize = 244;

// The tag-name hash. A name is a run of "!", "/" and letters (case folded), then a run of
// digits, each adding its value here; comparing these values compares a name with a keyword
// ignoring case.
constexpr TSynCharHashTable TagHashTable = [] {
    TSynCharHashTable table{};
    table['!'] = 123;
    table['/'] = 122;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<int16_t>(c - 'A' + 1);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<int16_t>(c - 'a' + 1);
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<int16_t>(c - '0');
    return table;
}();

constexpr char LowerAscii(unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
}

// Every tag name, the closing form of those that close, and "!DOCTYPE".
const TSynKeywordTable& Keywords() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> list(std::begin(TagNames), std::end(TagNames));
        for (std::string_view name : TagNames)
            if (std::find(std::begin(TagsWithoutClosing), std::end(TagsWithoutClosing), name) ==
                std::end(TagsWithoutClosing))
                list.push_back(std::string(1, '/').append(name));
        list.emplace_back("!DOCTYPE");
        return list;
    }();
    static const std::vector<std::string_view> views(texts.begin(), texts.end());
    static const TSynKeywordTable table(TagHashTable, KeywordTableSize, views,
                                        TSynKeywordTable::TCompare::HashValues);
    return table;
}

// The character references by lower-case name, each with its position in the list (the first
// one when two differ only in letter case).
struct TReferenceEntry {
    std::string LowerName;
    int Index;
    bool operator<(const TReferenceEntry& other) const { return LowerName < other.LowerName; }
};

const std::vector<TReferenceEntry>& ReferencesByName() {
    static const std::vector<TReferenceEntry> entries = [] {
        std::vector<TReferenceEntry> list;
        for (size_t i = 0; i < std::size(CharacterReferences); ++i) {
            std::string lower;
            for (char c : CharacterReferences[i])
                lower += LowerAscii(static_cast<unsigned char>(c));
            list.push_back({lower, static_cast<int>(i)});
        }
        std::stable_sort(list.begin(), list.end());
        list.erase(
            std::unique(list.begin(), list.end(),
                        [](const auto& a, const auto& b) { return a.LowerName == b.LowerName; }),
            list.end());
        return list;
    }();
    return entries;
}

std::unique_ptr<TSynCustomHighlighter> CreateHtml() {
    return std::make_unique<TSynHTMLSyn>();
}

const std::array<std::string_view, TSynHTMLSyn::ttValue + 1> KindNames = {
    "Ampersand", "Asp",    "Comment", "Identifier", "Key",      "Null",
    "Space",     "String", "Symbol",  "Text",       "UndefKey", "Value"};

} // namespace

const TSynHighlighterClass TSynHTMLSyn::ClassInfo = {"TSynHTMLSyn", "html", KindNames, &CreateHtml};

TSynHTMLSyn::TSynHTMLSyn() {
    ASPAttri = AddAttribute("Asp", 0, clBlack, clYellow);
    CommentAttri = AddAttribute("Comment");
    IdentifierAttri = AddAttribute("Identifier", fsBold);
    KeyAttri = AddAttribute("Reserved word", fsBold, 0xFF0080);
    SpaceAttri = AddAttribute("Space");
    SymbolAttri = AddAttribute("Symbol", fsBold);
    TextAttri = AddAttribute("Text");
    UndefKeyAttri = AddAttribute("Unknown word", fsBold, clRed);
    ValueAttri = AddAttribute("Value", 0, 0xFF8000);
    AndAttri = AddAttribute("Escape ampersand", fsBold, clLime);
    BindAttributeChanges();
    KindAttributes = {AndAttri,    ASPAttri,  CommentAttri,  IdentifierAttri,
                      KeyAttri,    nullptr,   SpaceAttri,    ValueAttri,
                      SymbolAttri, TextAttri, UndefKeyAttri, ValueAttri};
    BuildCharDispatch();
    SetDefaultFilter(std::string(BuiltinFilter));
}

void TSynHTMLSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c)
        CharDispatch[c] = c <= 32 ? &TSynHTMLSyn::SpaceProc : &TSynHTMLSyn::WordProc;
    CharDispatch['"'] = &TSynHTMLSyn::QuoteProc;
    CharDispatch['&'] = &TSynHTMLSyn::AmpersandProc;
    CharDispatch['<'] = &TSynHTMLSyn::TagOpenProc;
    CharDispatch['='] = &TSynHTMLSyn::EqualProc;
    CharDispatch['>'] = &TSynHTMLSyn::GreaterProc;
}

// ---- answers ----

TSynHighlighterAttributes* TSynHTMLSyn::CategoryAttribute(int index) const {
    return PickCategory(index, {CommentAttri, IdentifierAttri, KeyAttri, nullptr, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynHTMLSyn::WordChars() const {
    return IdentifierWordChars();
}
std::string TSynHTMLSyn::LanguageTitle() const {
    return "HTML document";
}

std::string TSynHTMLSyn::SampleText() const {
    return "<!-- Syntax highlighting -->\r\n"
           "\r\n"
           "<html>\r\n"
           "<body bgcolor=\"silver\">\r\n"
           "<% Response.Write(Now) %>\r\n"
           "<price>Total &euro; 20</price>\r\n"
           "</body>\r\n"
           "</html>";
}

// ---- scanning ----

void TSynHTMLSyn::StartLine(std::string_view lineText, int lineIndex) {
    EntityIndex = -1;
    TSynCustomHighlighter::StartLine(lineText, lineIndex);
}

TSynScanState TSynHTMLSyn::CaptureScanState() const {
    TSynScanState state = TSynCustomHighlighter::CaptureScanState();
    state.Values[1] = EntityIndex;
    return state;
}

void TSynHTMLSyn::ResumeLine(std::string_view lineText, int lineIndex, size_t offset,
                             const TSynScanState& state) {
    const int32_t entity = state.Values[1];
    const bool known = entity >= 0 && size_t(entity) < std::size(CharacterReferences);
    EntityIndex = known ? entity : -1;
    TSynCustomHighlighter::ResumeLine(lineText, lineIndex, offset, state);
}

void TSynHTMLSyn::ScanToken() {
    switch (RangeState) {
    case rgServerScript:
        BlockProc(ttAsp, '%', 1);
        break;
    case rgComment:
        BlockProc(ttComment, '-', 2);
        break;
    case rgText:
        TextProc();
        break;
    default:
        Dispatch();
        break;
    }
}

void TSynHTMLSyn::EqualProc() {
    CurrentKind = ttSymbol;
    ++ScanPos;
    RangeState = rgAttrValue;
}

void TSynHTMLSyn::TagOpenProc() {
    ++ScanPos;
    if (Line.substr(ScanPos, 3) == "!--") {
        CurrentKind = ttComment;
        ScanPos += 3;
        RangeState = rgComment;
    } else if (!AtEnd(ScanPos) && CharAt(ScanPos) == '%') {
        CurrentKind = ttAsp;
        ++ScanPos;
        RangeState = rgServerScript;
    } else {
        CurrentKind = ttSymbol;
        RangeState = rgTagName;
    }
}

void TSynHTMLSyn::BlockProc(TtKind kind, char closer, size_t closerCount) {
    if (markup::BreaksConstruct(CharAt(ScanPos))) {
        Dispatch();
        return;
    }
    CurrentKind = kind;
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        if (Line[ScanPos] == '>' && markup::PrecededBy(Line, ScanPos, closer, closerCount)) {
            ++ScanPos;
            RangeState = rgText;
            return;
        }
        ++ScanPos;
    }
}

void TSynHTMLSyn::QuoteProc() {
    if (RangeState == rgAttrValue) {
        CurrentKind = ttValue;
        RangeState = rgTagBody;
    } else {
        CurrentKind = ttString;
    }
    ++ScanPos;
    while (!AtLineBreak(ScanPos) && Line[ScanPos] != '"')
        ++ScanPos;
    if (!AtEnd(ScanPos) && Line[ScanPos] == '"') ++ScanPos;
}

void TSynHTMLSyn::AmpersandProc() {
    if (EntityIndex >= 0) {
        CurrentKind = ttAmpersand;
        ScanPos += CharacterReferences[EntityIndex].size() + 2;
    } else if (!AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '#') {
        ScanPos += 2;
        while (!AtEnd(ScanPos) && IsDigit(CharAt(ScanPos)))
            ++ScanPos;
        const bool closed = !AtEnd(ScanPos) && CharAt(ScanPos) == ';';
        if (closed) ++ScanPos;
        CurrentKind = closed ? ttAmpersand : ttText;
    }
    // Otherwise nothing is taken: the "&" is scanned again as text.
    EntityIndex = -1;
    RangeState = rgText;
}

void TSynHTMLSyn::WordProc() {
    switch (RangeState) {
    case rgTagName:
        TagNameProc();
        return;
    case rgAttrValue:
        RangeState = rgTagBody;
        CurrentKind = ttValue;
        ++ScanPos;
        while (!AtEnd(ScanPos) && CharAt(ScanPos) > 32 && CharAt(ScanPos) != '>')
            ++ScanPos;
        return;
    default:
        CurrentKind = ttIdentifier;
        ++ScanPos;
        while (!AtEnd(ScanPos)) {
            const unsigned char c = CharAt(ScanPos);
            if (c <= 32 || c == '"' || c == '=' || c == '>') break;
            ++ScanPos;
        }
        return;
    }
}

void TSynHTMLSyn::TagNameProc() {
    RangeState = rgTagBody;
    const size_t nameStart = ScanPos;
    // Wide enough that no line can overflow it.
    int64_t hash = 0;
    while (!AtEnd(ScanPos) && TagHashTable[CharAt(ScanPos)] > 0 && !IsDigit(CharAt(ScanPos)))
        hash += TagHashTable[CharAt(ScanPos++)];
    while (!AtEnd(ScanPos) && IsDigit(CharAt(ScanPos)))
        hash += TagHashTable[CharAt(ScanPos++)];
    if (hash >= KeywordTableSize) {
        CurrentKind = ttIdentifier;
        return;
    }
    const std::string_view name = Line.substr(nameStart, ScanPos - nameStart);
    CurrentKind = Keywords().Find(static_cast<int>(hash), name) >= 0 ? ttKey : ttUndefKey;
}

namespace {

// The position in the list of the character reference written at `at` (its "&"), or -1.
int FindCharacterReference(std::string_view line, size_t at) {
    char name[LongestReferenceName];
    size_t length = 0;
    size_t pos = at + 1;
    for (; pos < line.size() && line[pos] != ';'; ++pos, ++length) {
        const auto c = static_cast<unsigned char>(line[pos]);
        if (length == LongestReferenceName || !(IsLetter(c) || IsDigit(c))) return -1;
        name[length] = LowerAscii(c);
    }
    if (pos == line.size() || length == 0) return -1;
    const auto& entries = ReferencesByName();
    const std::string_view key(name, length);
    const auto found = std::lower_bound(entries.begin(), entries.end(), key,
                                        [](const TReferenceEntry& entry, std::string_view wanted) {
                                            return entry.LowerName < wanted;
                                        });
    return found != entries.end() && found->LowerName == key ? found->Index : -1;
}


} // namespace

void TSynHTMLSyn::TextProc() {
    const unsigned char first = CharAt(ScanPos);
    if (first < 32 || first == '<') {
        Dispatch();
        return;
    }
    CurrentKind = ttText;
    for (;;) {
        ScanPos = FindFirstOf(Line, ScanPos, markup::TextStops);
        if (AtEnd(ScanPos) || CharAt(ScanPos) != '&') return;
        if (!AtEnd(ScanPos + 1) && CharAt(ScanPos + 1) == '#') {
            const size_t digitsSeenEnd = ScanPos + 2 + DigitsSeenFromText;
            size_t pos = ScanPos + 2;
            while (pos < digitsSeenEnd && IsDigit(CharAt(pos)))
                ++pos;
            // A numeric reference is taken by the next token; without its ";" the text takes
            // it. Digits running on are left to the next token, which is text without one.
            const bool runsOn = pos == digitsSeenEnd && IsDigit(CharAt(pos));
            if (CharAt(pos) == ';' || runsOn)
                RangeState = rgEntity;
            else
                ScanPos = pos;
            return;
        }
        EntityIndex = FindCharacterReference(Line, ScanPos);
        if (EntityIndex >= 0) {
            RangeState = rgEntity;
            return;
        }
        ++ScanPos;
    }
}

} // namespace tavlo
