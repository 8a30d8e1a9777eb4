#include "highlighters/SynHighlighterCss.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

namespace {

// Property names and units.
constexpr std::string_view CssKeywords[] = {"ascent",
                                            "azimuth",
                                            "b-box",
                                            "background",
                                            "background-attachment",
                                            "background-color",
                                            "background-image",
                                            "background-position",
                                            "background-position-x",
                                            "background-position-y",
                                            "baseline",
                                            "behavior",
                                            "border",
                                            "border-bottom",
                                            "border-bottom-color",
                                            "border-bottom-style",
                                            "border-bottom-width",
                                            "border-collapse",
                                            "border-color",
                                            "border-left",
                                            "border-left-color",
                                            "border-left-style",
                                            "border-left-width",
                                            "border-right",
                                            "border-right-color",
                                            "border-right-style",
                                            "border-right-width",
                                            "border-spacing",
                                            "border-style",
                                            "border-top",
                                            "border-top-color",
                                            "border-top-style",
                                            "border-top-width",
                                            "border-width",
                                            "bottom",
                                            "cap-height",
                                            "caption-side",
                                            "centerline",
                                            "clear",
                                            "clip",
                                            "cm",
                                            "color",
                                            "content",
                                            "counter",
                                            "counter-increment",
                                            "counter-reset",
                                            "cue",
                                            "cue-after",
                                            "cue-before",
                                            "cursor",
                                            "definition-src",
                                            "deg",
                                            "descent",
                                            "direction",
                                            "display",
                                            "elevation",
                                            "em",
                                            "empty-cells",
                                            "ex",
                                            "filter",
                                            "float",
                                            "font",
                                            "font-family",
                                            "font-size",
                                            "font-size-adjust",
                                            "font-stretch",
                                            "font-style",
                                            "font-variant",
                                            "font-weight",
                                            "grad",
                                            "height",
                                            "Hz",
                                            "ime-mode",
                                            "in",
                                            "kHz",
                                            "layout-grid",
                                            "layout-grid-line",
                                            "layout-grid-mode",
                                            "layout-grid-type",
                                            "left",
                                            "letter-spacing",
                                            "line-break",
                                            "line-height",
                                            "list-style",
                                            "list-style-image",
                                            "list-style-position",
                                            "list-style-type",
                                            "margin",
                                            "margin-bottom",
                                            "margin-left",
                                            "margin-right",
                                            "margin-top",
                                            "marker-offset",
                                            "marks",
                                            "mathline",
                                            "max-height",
                                            "max-width",
                                            "min-height",
                                            "min-width",
                                            "mm",
                                            "ms",
                                            "orphans",
                                            "outline",
                                            "outline-color",
                                            "outline-style",
                                            "outline-width",
                                            "overflow",
                                            "overflow-x",
                                            "overflow-y",
                                            "padding",
                                            "padding-bottom",
                                            "padding-left",
                                            "padding-right",
                                            "padding-top",
                                            "page",
                                            "page-break-after",
                                            "page-break-before",
                                            "page-break-inside",
                                            "panose-1",
                                            "pause",
                                            "pause-after",
                                            "pause-before",
                                            "pc",
                                            "pitch",
                                            "pitch-range",
                                            "play-during",
                                            "position",
                                            "pt",
                                            "px",
                                            "quotes",
                                            "rad",
                                            "richness",
                                            "right",
                                            "ruby-align",
                                            "ruby-overhang",
                                            "ruby-position",
                                            "run-in",
                                            "s",
                                            "scrollbar-3d-light-color",
                                            "scrollbar-arrow-color",
                                            "scrollbar-base-color",
                                            "scrollbar-dark-shadow-color",
                                            "scrollbar-face-color",
                                            "scrollbar-highlight-color",
                                            "scrollbar-shadow-color",
                                            "size",
                                            "slope",
                                            "speak",
                                            "speak-header",
                                            "speak-numeral",
                                            "speak-punctuation",
                                            "speech-rate",
                                            "src",
                                            "stemh",
                                            "stemv",
                                            "stress",
                                            "table-layout",
                                            "text-align",
                                            "text-autospace",
                                            "text-decoration",
                                            "text-indent",
                                            "text-justify",
                                            "text-kashida-space",
                                            "text-shadow",
                                            "text-transform",
                                            "text-underline-position",
                                            "top",
                                            "top-line",
                                            "unicode-bidi",
                                            "unicode-range",
                                            "units-per-em",
                                            "vertical-align",
                                            "visibility",
                                            "voice-family",
                                            "volume",
                                            "white-space",
                                            "widows",
                                            "width",
                                            "widths",
                                            "word-break",
                                            "word-spacing",
                                            "word-wrap",
                                            "writing-mode",
                                            "x-height",
                                            "z-index",
                                            "zoom"};

constexpr int KeywordTableSize = 255;

// The shared identifier bytes and '-'.
constexpr TSynIdentCharTable IdentCharTable = [] {
    TSynIdentCharTable table = AsciiIdentCharTable;
    table['-'] = true;
    return table;
}();

// The shared hash values (letters ignoring case; digits hash to nothing, so "panose-7" finds
// "panose-1"), and a negative '-' that lets a word such as "a--b" fall outside the table.
constexpr TSynCharHashTable CharHashTable = [] {
    TSynCharHashTable table = LetterCharHashTable;
    table['-'] = -19;
    return table;
}();

constexpr TSynCharHashTable WordHashTable = WordHashes(IdentCharTable, CharHashTable);

const TSynKeywordTable& Keywords() {
    static const TSynKeywordTable table(CharHashTable, KeywordTableSize, CssKeywords,
                                        TSynKeywordTable::TCompare::HashValues);
    return table;
}

constexpr TSynByteSet DigitBytes = ByteSetOf(IsDigit);
constexpr TSynByteSet HexDigitBytes = ByteSetOf(IsHexDigit);
constexpr TSynByteSet StringStops = ByteSet("'\r\n");

constexpr std::array<std::string_view, TSynCssSyn::ttUnknown + 1> KindNames = {
    "Comment", "Identifier", "Key", "Null", "Number", "Space", "String", "Symbol", "Unknown"};

std::unique_ptr<TSynCustomHighlighter> CreateCss() {
    return std::make_unique<TSynCssSyn>();
}

} // namespace

const TSynHighlighterClass TSynCssSyn::ClassInfo = {"TSynCssSyn", "css", KindNames, &CreateCss};

TSynCssSyn::TSynCssSyn() {
    CommentAttri = AddAttribute("Comment", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    KeyAttri = AddAttribute("Key", fsBold);
    NumberAttri = AddAttribute("Number");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    BindAttributeChanges();
    // Unknown characters (":" and ";" among them) are drawn as identifiers.
    KindAttributes = {CommentAttri, IdentifierAttri, KeyAttri,    nullptr,        NumberAttri,
                      SpaceAttri,   StringAttri,     SymbolAttri, IdentifierAttri};
    BuildCharDispatch();
    SetDefaultFilter(std::string(BuiltinFilter));
}

void TSynCssSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        THandler handler = &TSynCssSyn::UnknownProc;
        if (IsBlank(byte))
            handler = &TSynCssSyn::SpaceProc;
        else if (IsDigit(byte))
            handler = &TSynCssSyn::NumberProc;
        else if (IsLetter(byte) || c == '_')
            handler = &TSynCssSyn::WordProc;
        CharDispatch[c] = handler;
    }
    CharDispatch['\n'] = &TSynCssSyn::LineBreakProc;
    CharDispatch['\r'] = &TSynCssSyn::LineBreakProc;
    CharDispatch['#'] = &TSynCssSyn::HexColourProc;
    CharDispatch['$'] = &TSynCssSyn::HexColourProc;
    CharDispatch['\''] = &TSynCssSyn::StringProc;
    CharDispatch['('] = &TSynCssSyn::SymbolProc;
    CharDispatch[')'] = &TSynCssSyn::SymbolProc;
    CharDispatch['-'] = &TSynCssSyn::MinusProc;
    CharDispatch['/'] = &TSynCssSyn::SlashProc;
    CharDispatch['{'] = &TSynCssSyn::BraceProc;
    CharDispatch['}'] = &TSynCssSyn::BraceProc;
}

// ---- answers ----

TSynHighlighterAttributes* TSynCssSyn::CategoryAttribute(int index) const {
    return PickCategory(
        index, {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynCssSyn::WordChars() const {
    return IdentifierWordChars();
}
std::string TSynCssSyn::LanguageTitle() const {
    return "Cascading style sheets";
}

std::string TSynCssSyn::SampleText() const {
    return "/* Headings of the ledger */\r\n"
           "h1.ledger\r\n"
           "{\r\n"
           "  font-family: \"Times New Roman\";\r\n"
           "  font-size: 14pt;\r\n"
           "}";
}

TSynHighlighterAttributes* TSynCssSyn::TokenAttribute() const {
    return KindAttributes[CurrentKind];
}

void TSynCssSyn::RestoreRange(TSynRange range) {
    // A value no scan produced (a line without a stored range) starts as ordinary text.
    RangeState = range == rgComment ? rgComment : rgNone;
}

// ---- scanning ----

void TSynCssSyn::NextToken() {
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos))
        CurrentKind = ttNull;
    else if (RangeState == rgComment)
        CommentProc();
    else
        (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])();
}

void TSynCssSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SkipOver(Line, ScanPos + 1, BlankBytes);
}

// A CR (with the LF after it) or an LF inside a line is a space token of its own, also inside a
// comment.
void TSynCssSyn::LineBreakProc() {
    CurrentKind = ttSpace;
    ScanPos += LineBreakLength(Line, ScanPos);
}

void TSynCssSyn::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = ttUnknown;
    ++ScanPos;
}

void TSynCssSyn::SymbolProc() {
    CurrentKind = ttSymbol;
    ++ScanPos;
}

void TSynCssSyn::HexColourProc() {
    CurrentKind = ttNumber;
    ScanPos = SkipOver(Line, ScanPos + 1, HexDigitBytes);
}

void TSynCssSyn::BraceProc() {
    CurrentKind = ttString;
    ScanPos = SkipOver(Line, ScanPos + 1, DigitBytes);
}

void TSynCssSyn::StringProc() {
    CurrentKind = ttString;
    if (FollowedBy(1, '\'') && FollowedBy(2, '\'')) ScanPos += 2;
    ScanPos = FindFirstOf(Line, ScanPos + 1, StringStops);
    if (FollowedBy(0, '\'')) ++ScanPos;
}

void TSynCssSyn::NumberProc() {
    CurrentKind = ttNumber;
    for (++ScanPos; !AtEnd(ScanPos); ++ScanPos) {
        const unsigned char c = CharAt(ScanPos);
        const unsigned char next = AtEnd(ScanPos + 1) ? 0 : CharAt(ScanPos + 1);
        if (c == '.' && next == '.') return;
        const bool exponent = (c | 0x20) == 'e';
        // The unit of "2em" and "1EX" is a word of its own.
        if (exponent && ((next | 0x20) == 'x' || (next | 0x20) == 'm')) return;
        if (!IsDigit(c) && c != '.' && !exponent) return;
    }
}

void TSynCssSyn::MinusProc() {
    const bool afterSpace = ScanPos > 0 && static_cast<unsigned char>(Line[ScanPos - 1]) <= 32;
    const auto startsValue = [this](size_t offset) {
        const unsigned char c = AtEnd(ScanPos + offset) ? 0 : CharAt(ScanPos + offset);
        return IsLetter(c) || IsDigit(c);
    };
    if (!afterSpace) {
        CurrentKind = ttIdentifier;
        ++ScanPos;
    } else if (startsValue(1)) {
        CurrentKind = ttNumber;
        ++ScanPos;
    } else if (FollowedBy(1, '.') && startsValue(2)) {
        CurrentKind = ttNumber;
        ScanPos += 2;
    } else {
        CurrentKind = ttSpace;
        ++ScanPos;
    }
}

void TSynCssSyn::SlashProc() {
    if (!FollowedBy(1, '*')) {
        SymbolProc();
        return;
    }
    CurrentKind = ttComment;
    RangeState = rgComment;
    ScanPos += 2;
    ScanCommentBody();
}

void TSynCssSyn::CommentProc() {
    if (AtLineBreak(ScanPos)) return LineBreakProc();
    CurrentKind = ttComment;
    ScanCommentBody();
}

void TSynCssSyn::ScanCommentBody() {
    if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
}

void TSynCssSyn::WordProc() {
    const size_t wordStart = ScanPos;
    int hash = 0;
    ScanPos = ScanWord(Line, wordStart, WordHashTable, hash);
    const bool keyword = Keywords().Find(hash, Line.substr(wordStart, ScanPos - wordStart)) >= 0;
    CurrentKind = keyword ? ttKey : ttIdentifier;
}

} // namespace tavlo
