#include "highlighters/SynHighlighterIni.h"

#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

namespace {

std::unique_ptr<TSynCustomHighlighter> CreateIni() {
    return std::make_unique<TSynIniSyn>();
}

const std::array<std::string_view, TSynIniSyn::ttUnknown + 1> KindNames = {
    "Comment", "Text", "Section", "Key", "Null", "Number", "Space", "String", "Symbol", "Unknown"};

} // namespace

const TSynHighlighterClass TSynIniSyn::ClassInfo = {"TSynIniSyn", "ini", KindNames, &CreateIni};

TSynIniSyn::TSynIniSyn() {
    CommentAttri = AddAttribute("Comment", fsItalic, clGreen);
    TextAttri = AddAttribute("Text");
    SectionAttri = AddAttribute("Section", fsBold);
    KeyAttri = AddAttribute("Key");
    NumberAttri = AddAttribute("Number");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    BindAttributeChanges();
    KindAttributes = {CommentAttri, TextAttri,  SectionAttri, KeyAttri,    nullptr,
                      NumberAttri,  SpaceAttri, StringAttri,  SymbolAttri, TextAttri};
    BuildCharDispatch();
    SetDefaultFilter("INI Files (*.ini)|*.ini");
}

void TSynIniSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        CharDispatch[c] = IsBlank(byte) ? &TSynIniSyn::SpaceProc
                          : IsDigit(byte)   ? &TSynIniSyn::NumberProc
                                            : &TSynIniSyn::TextProc;
    }
    CharDispatch['\n'] = &TSynIniSyn::SpaceProc;
    CharDispatch['\r'] = &TSynIniSyn::SpaceProc;
    CharDispatch['['] = &TSynIniSyn::SectionOpenProc;
    CharDispatch[';'] = &TSynIniSyn::SemicolonProc;
    CharDispatch['='] = &TSynIniSyn::EqualProc;
    CharDispatch['"'] = &TSynIniSyn::StringProc;
    CharDispatch['\''] = &TSynIniSyn::StringProc;
}

TSynHighlighterAttributes* TSynIniSyn::CategoryAttribute(int index) const {
    return PickCategory(
        index, {CommentAttri, nullptr, KeyAttri, StringAttri, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynIniSyn::WordChars() const {
    return IdentifierWordChars();
}
std::string TSynIniSyn::LanguageTitle() const {
    return "INI file";
}

std::string TSynIniSyn::SampleText() const {
    return ";Settings of the sample program\n"
           "[Window]\n"
           "Caption=Main window\n"
           "Title=\"Sample\"\n"
           "Width=640\n";
}

TSynHighlighterAttributes* TSynIniSyn::TokenAttribute() const {
    return KindAttributes[static_cast<size_t>(CurrentKind)];
}

void TSynIniSyn::NextToken() {
    TokenStartPos = ScanPos;
    if (AtEnd(ScanPos)) {
        CurrentKind = ttNull;
        return;
    }
    (this->*CharDispatch[static_cast<unsigned char>(Line[ScanPos])])();
}

void TSynIniSyn::SpaceProc() {
    CurrentKind = ttSpace;
    ScanPos = SpaceTokenEnd(Line, ScanPos);
}

void TSynIniSyn::SectionOpenProc() {
    if (!AtLineStart()) {
        TextProc();
        return;
    }
    CurrentKind = ttSection;
    ScanPos = FindOnLine(Line, ScanPos + 1, ']');
    if (!AtEnd(ScanPos) && Line[ScanPos] == ']') ++ScanPos;
}

void TSynIniSyn::SemicolonProc() {
    if (!AtLineStart()) {
        TextProc();
        return;
    }
    CurrentKind = ttComment;
    ScanPos = FindLineBreak(Line, ScanPos);
}

void TSynIniSyn::EqualProc() {
    CurrentKind = ttSymbol;
    ++ScanPos;
}

void TSynIniSyn::StringProc() {
    CurrentKind = ttString;
    const char delimiter = Line[ScanPos];
    ++ScanPos;
    // An opening of three delimiters is one opening.
    if (!AtEnd(ScanPos + 1) && Line[ScanPos] == delimiter && Line[ScanPos + 1] == delimiter)
        ScanPos += 2;
    while (!AtEnd(ScanPos) && Line[ScanPos] != delimiter && Line[ScanPos] != '\r' &&
           Line[ScanPos] != '\n' && Line[ScanPos] != '\0')
        ++ScanPos;
    if (!AtEnd(ScanPos) && Line[ScanPos] != '\0') ++ScanPos;
}

void TSynIniSyn::NumberProc() {
    if (AtLineStart()) {
        KeyProc();
        return;
    }
    CurrentKind = ttNumber;
    ++ScanPos;
    while (!AtEnd(ScanPos)) {
        const unsigned char c = CharAt(ScanPos);
        if (!IsDigit(c) && c != '.' && c != 'E' && c != 'e') break;
        ++ScanPos;
    }
}

void TSynIniSyn::TextProc() {
    if (AtLineStart()) {
        KeyProc();
        return;
    }
    CurrentKind = ttText;
    ++ScanPos;
}

void TSynIniSyn::KeyProc() {
    CurrentKind = ttKey;
    while (!AtEnd(ScanPos) && Line[ScanPos] != '=')
        ++ScanPos;
}

} // namespace tavlo
