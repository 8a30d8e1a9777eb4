#include "highlighters/SynHighlighterDfm.h"

#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

namespace {

std::unique_ptr<TSynCustomHighlighter> CreateDfm() {
    return std::make_unique<TSynDfmSyn>();
}

const std::array<std::string_view, TSynDfmSyn::ttUnknown + 1> KindNames = {
    "Comment", "Identifier", "Key", "Null", "Number", "Space", "String", "Symbol", "Unknown"};

} // namespace

const TSynHighlighterClass TSynDfmSyn::ClassInfo = {"TSynDfmSyn", "dfm", KindNames, &CreateDfm};

TSynDfmSyn::TSynDfmSyn() {
    CommentAttri = AddAttribute("Comment", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    KeyAttri = AddAttribute("Key", fsBold);
    NumberAttri = AddAttribute("Number");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    BindAttributeChanges();
    KindAttributes = {CommentAttri, IdentifierAttri, KeyAttri,    nullptr,        NumberAttri,
                      SpaceAttri,   StringAttri,     SymbolAttri, IdentifierAttri};
    BuildCharDispatch();
    SetDefaultFilter("Borland Form Files (*.dfm;*.xfm)|*.dfm;*.xfm");
}

void TSynDfmSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        CharDispatch[c] = IsBlank(byte)               ? &TSynDfmSyn::SpaceProc
                          : IsDigit(byte)                 ? &TSynDfmSyn::NumberProc
                          : IsLetter(byte) || byte == '_' ? &TSynDfmSyn::IdentProc
                                                          : &TSynDfmSyn::UnknownProc;
    }
    CharDispatch['\n'] = &TSynDfmSyn::SpaceProc;
    CharDispatch['\r'] = &TSynDfmSyn::SpaceProc;
    CharDispatch['{'] = &TSynDfmSyn::BraceOpenProc;
    CharDispatch['}'] = &TSynDfmSyn::BraceCloseProc;
    CharDispatch['\''] = &TSynDfmSyn::StringProc;
    CharDispatch['#'] = &TSynDfmSyn::CharCodeProc;
    CharDispatch['$'] = &TSynDfmSyn::HexProc;
    for (char c : std::string_view("(),./<=>[]"))
        CharDispatch[static_cast<unsigned char>(c)] = &TSynDfmSyn::SymbolProc;
    for (char c : {'E', 'e'})
        CharDispatch[static_cast<unsigned char>(c)] = &TSynDfmSyn::EndProc;
    for (char c : {'I', 'i'})
        CharDispatch[static_cast<unsigned char>(c)] = &TSynDfmSyn::InheritedProc;
    for (char c : {'O', 'o'})
        CharDispatch[static_cast<unsigned char>(c)] = &TSynDfmSyn::ObjectProc;
}

TSynHighlighterAttributes* TSynDfmSyn::CategoryAttribute(int index) const {
    return PickCategory(
        index, {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynDfmSyn::WordChars() const {
    return IdentifierWordChars();
}
std::string TSynDfmSyn::LanguageTitle() const {
    return "Borland Form definition";
}

std::string TSynDfmSyn::SampleText() const {
    return "{ Main window of the sample }\n"
           "object frMain: TfrMain\n"
           "  Left = 120\n"
           "  Top = 80\n"
           "  Caption = 'Sample'\n"
           "end\n";
}

TSynHighlighterAttributes* TSynDfmSyn::TokenAttribute() const {
    return KindAttributes[static_cast<size_t>(CurrentKind)];
}

void TSynDfmSyn::RestoreRange(TSynRange range) {
    // Anything but an open brace block (a line without a stored range, too) is ordinary text.
    RangeState = range == rgBraceComment ? rgBraceComment : rgNone;
}

void TSynDfmSyn::NextToken() {
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos)) {
        CurrentKind = ttNull;
        return;
    }
    if (RangeState == rgBraceComment)
        BraceCommentProc();
    else
        (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])();
}

void TSynDfmSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SpaceTokenEnd(Line, ScanPos);
}

void TSynDfmSyn::BraceOpenProc() {
    RangeState = rgBraceComment;
    CurrentKind = ttComment;
    ++ScanPos;
    ScanBraceCommentBody();
}

void TSynDfmSyn::BraceCommentProc() {
    if (AtLineBreak(ScanPos)) {
        SpaceProc(); // a line break inside the block is a token of its own
        return;
    }
    CurrentKind = ttComment;
    ScanBraceCommentBody();
}

void TSynDfmSyn::ScanBraceCommentBody() {
    ScanPos = FindOnLine(Line, ScanPos, '}');
    if (!AtEnd(ScanPos) && Line[ScanPos] == '}') {
        ++ScanPos;
        RangeState = rgNone;
    }
}

void TSynDfmSyn::BraceCloseProc() {
    CurrentKind = ttIdentifier;
    ++ScanPos;
    RangeState = rgNone;
}

void TSynDfmSyn::StringProc() {
    CurrentKind = ttString;
    ++ScanPos;
    while (!AtLineBreak(ScanPos) && Line[ScanPos] != '\0') {
        if (Line[ScanPos++] != '\'') continue;
        // Two quotes stand for one and go on with the string.
        if (AtEnd(ScanPos) || Line[ScanPos] != '\'') return;
        ++ScanPos;
    }
}

void TSynDfmSyn::CharCodeProc() {
    CurrentKind = ttString;
    ++ScanPos;
    while (!AtEnd(ScanPos) && IsDigit(CharAt(ScanPos)))
        ++ScanPos;
}

void TSynDfmSyn::HexProc() {
    CurrentKind = ttNumber;
    ++ScanPos;
    while (!AtEnd(ScanPos) && IsHexDigit(CharAt(ScanPos)))
        ++ScanPos;
}

void TSynDfmSyn::NumberProc() {
    CurrentKind = ttNumber;
    ++ScanPos;
    while (!AtEnd(ScanPos)) {
        const unsigned char c = CharAt(ScanPos);
        if (c == '.') {
            // "1.5" is the numbers "1." and "5"; "1..2" keeps its dots as symbols.
            if (AtEnd(ScanPos + 1) || Line[ScanPos + 1] != '.') ++ScanPos;
            return;
        }
        if (!IsDigit(c) && c != 'E' && c != 'e') return;
        ++ScanPos;
    }
}

void TSynDfmSyn::SymbolProc() {
    CurrentKind = ttSymbol;
    ++ScanPos;
}

void TSynDfmSyn::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = ttUnknown;
    ++ScanPos;
}

void TSynDfmSyn::EndProc() {
    KeyOrIdent("end");
}
void TSynDfmSyn::InheritedProc() {
    KeyOrIdent("inherited");
}
void TSynDfmSyn::ObjectProc() {
    KeyOrIdent("object");
}

void TSynDfmSyn::KeyOrIdent(std::string_view word) {
    bool spelled = ScanPos + word.size() <= Line.size();
    for (size_t i = 0; spelled && i < word.size(); ++i)
        spelled = (CharAt(ScanPos + i) | 0x20) == word[i];
    if (spelled && (AtEnd(ScanPos + word.size()) || !AsciiIdentCharTable[CharAt(ScanPos + word.size())])) {
        CurrentKind = ttKey;
        ScanPos += word.size();
        return;
    }
    IdentProc();
}

void TSynDfmSyn::IdentProc() {
    CurrentKind = ttIdentifier;
    do
        ++ScanPos;
    while (!AtEnd(ScanPos) && AsciiIdentCharTable[CharAt(ScanPos)]);
}

} // namespace tavlo
