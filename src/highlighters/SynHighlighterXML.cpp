#include "highlighters/SynHighlighterXML.h"

#include "highlighters/SynHighlighterMarkup.h"

namespace tavlo {

namespace {

using H = TSynXMLSyn;

// A quoted attribute value: its range and kind, and the range and kind of an entity reference
// inside it, which returns to the value.
struct TValueRange {
    H::TRangeState Value;
    H::TRangeState Reference;
    H::TtKind ValueKind;
    H::TtKind ReferenceKind;
    char Quote;
};

constexpr TValueRange ValueRanges[] = {
    {H::rgQuotValue, H::rgQuotEntityRef, H::ttQuotValue, H::ttQuotEntityRef, '"'},
    {H::rgAposValue, H::rgAposEntityRef, H::ttAposValue, H::ttAposEntityRef, '\''},
    {H::rgNsQuotValue, H::rgNsQuotEntityRef, H::ttNsQuotValue, H::ttNsQuotEntityRef, '"'},
    {H::rgNsAposValue, H::rgNsAposEntityRef, H::ttNsAposValue, H::ttNsAposEntityRef, '\''},
};

constexpr TSynByteSet XmlNameChars =
    ByteSetOf([](unsigned char c) { return IsDigit(c) || IsLetter(c) || c == '-' || c == '.' || c == ':' || c == '_'; });


std::unique_ptr<TSynCustomHighlighter> CreateXml() {
    return std::make_unique<TSynXMLSyn>();
}

const std::array<std::string_view, H::ttDocType + 1> KindNames = {
    "AposValue",       "AposEntityRef",   "AttrName",   "CData",   "Comment",
    "ElementName",     "EntityRef",       "Equal",      "Null",    "Processing",
    "QuotValue",       "QuotEntityRef",   "Space",      "Symbol",  "Text",
    "NsAposValue",     "NsAposEntityRef", "NsAttrName", "NsEqual", "NsQuotValue",
    "NsQuotEntityRef", "DocType"};

} // namespace

const TSynHighlighterClass TSynXMLSyn::ClassInfo = {"TSynXMLSyn", "xml", KindNames, &CreateXml};

TSynXMLSyn::TSynXMLSyn() {
    ElementAttri = AddAttribute("Element Name", fsBold, clMaroon);
    TextAttri = AddAttribute("Text", fsBold, clBlack);
    SpaceAttri = AddAttribute("Whitespace");
    EntityRefAttri = AddAttribute("Entity Reference", fsBold, clBlue);
    ProcessingInstructionAttri = AddAttribute("Processing Instruction", 0, clBlue);
    CDATAAttri = AddAttribute("CDATA Section", fsItalic, clOlive);
    CommentAttri = AddAttribute("Comment", fsBold | fsItalic, clGray, clSilver);
    DocTypeAttri = AddAttribute("DOCTYPE Section", fsItalic, clBlue);
    AttributeAttri = AddAttribute("Attribute Name", 0, clMaroon);
    NamespaceAttributeAttri = AddAttribute("Namespace Attribute Name", 0, clRed);
    AttributeValueAttri = AddAttribute("Attribute Value", fsBold, clNavy);
    NamespaceAttributeValueAttri = AddAttribute("Namespace Attribute Value", fsBold, clRed);
    SymbolAttri = AddAttribute("Symbol", 0, clBlue);
    BindAttributeChanges();
    KindAttributes = {AttributeValueAttri,
                      EntityRefAttri,
                      AttributeAttri,
                      CDATAAttri,
                      CommentAttri,
                      ElementAttri,
                      EntityRefAttri,
                      SymbolAttri,
                      nullptr,
                      ProcessingInstructionAttri,
                      AttributeValueAttri,
                      EntityRefAttri,
                      SpaceAttri,
                      SymbolAttri,
                      TextAttri,
                      NamespaceAttributeValueAttri,
                      EntityRefAttri,
                      NamespaceAttributeAttri,
                      SymbolAttri,
                      NamespaceAttributeValueAttri,
                      EntityRefAttri,
                      DocTypeAttri};
    BuildCharDispatch();
    SetDefaultFilter(std::string(BuiltinFilter));
}

void TSynXMLSyn::BuildCharDispatch() {
    for (int c = 0; c < 256; ++c)
        CharDispatch[c] = c <= 32 ? &TSynXMLSyn::SpaceProc : &TSynXMLSyn::RangeProc;
    CharDispatch['<'] = &TSynXMLSyn::TagOpenProc;
    CharDispatch['>'] = &TSynXMLSyn::GreaterProc;
}

// ---- answers ----

TSynHighlighterAttributes* TSynXMLSyn::CategoryAttribute(int index) const {
    return PickCategory(index, {CommentAttri, AttributeAttri, ElementAttri, nullptr, SpaceAttri, SymbolAttri});
}

TSynCharSet TSynXMLSyn::WordChars() const {
    return IdentifierWordChars() | MakeCharSet("-.");
}
std::string TSynXMLSyn::LanguageTitle() const {
    return "XML document";
}

std::string TSynXMLSyn::SampleText() const {
    return "<?xml version=\"1.0\"?>\r\n"
           "<!DOCTYPE catalog [\r\n"
           "]>\r\n"
           "<!-- Syntax highlighting -->\r\n"
           "<catalog version=\"&current;\">\r\n"
           "<![CDATA[ raw <text> & more ]]>\r\n"
           "</catalog>";
}

// ---- scanning ----

void TSynXMLSyn::ScanToken() {
    switch (RangeState) {
    case rgText:
        TextProc();
        break;
    case rgComment:
        CommentProc();
        break;
    case rgProcessing:
        BlockProc(ttProcessing, '?');
        break;
    case rgCData:
        BlockProc(ttCData, ']');
        break;
    case rgDocType:
    case rgDocTypeSubset:
        DocTypeProc();
        break;
    default:
        Dispatch();
        break;
    }
}

void TSynXMLSyn::TagOpenProc() {
    ++ScanPos;
    if (!AtEnd(ScanPos) && CharAt(ScanPos) == '/') ++ScanPos;
    const std::string_view rest = Line.substr(ScanPos);
    if (rest.starts_with("!--")) {
        CurrentKind = ttSymbol;
        ScanPos += 3;
        RangeState = rgComment;
    } else if (rest.starts_with("!DOCTYPE")) {
        // The last letter starts the next token of the same kind.
        CurrentKind = ttDocType;
        ScanPos += 7;
        RangeState = rgDocType;
    } else if (rest.starts_with("![CDATA[")) {
        // The opening bracket starts the next token of the same kind.
        CurrentKind = ttCData;
        ScanPos += 7;
        RangeState = rgCData;
    } else if (rest.starts_with("!")) {
        CurrentKind = ttSymbol;
        ++ScanPos;
        RangeState = rgElement;
    } else if (rest.starts_with("?")) {
        CurrentKind = ttProcessing;
        ++ScanPos;
        RangeState = rgProcessing;
    } else {
        CurrentKind = ttSymbol;
        RangeState = rgElement;
    }
}

void TSynXMLSyn::RangeProc() {
    switch (RangeState) {
    case rgElement:
        ElementProc();
        return;
    case rgAttribute:
        AttributeProc();
        return;
    case rgEqual:
    case rgNsEqual:
        EqualProc();
        return;
    case rgEntityRef:
        ReferenceProc(ttEntityRef, rgText);
        return;
    default:
        break;
    }
    // The remaining ranges that reach here are those of quoted values.
    for (const TValueRange& value : ValueRanges) {
        if (RangeState == value.Value)
            return ValueProc(value.ValueKind, value.Quote, value.Reference);
        if (RangeState == value.Reference) return ReferenceProc(value.ReferenceKind, value.Value);
    }
}

void TSynXMLSyn::ElementProc() {
    CurrentKind = ttElementName;
    RangeState = rgAttribute;
    if (CharAt(ScanPos) == '/') ++ScanPos;
    ScanPos = SkipOver(Line, ScanPos, XmlNameChars);
}

void TSynXMLSyn::AttributeProc() {
    const unsigned char first = CharAt(ScanPos);
    if (first == '"' || first == '\'') {
        CurrentKind = ttSymbol;
        ++ScanPos;
        return;
    }
    ScanPos = SkipOver(Line, ScanPos, XmlNameChars);
    const bool declaresNamespace = TokenView().find("xmlns") != std::string_view::npos;
    CurrentKind = declaresNamespace ? ttNsAttrName : ttAttrName;
    RangeState = declaresNamespace ? rgNsEqual : rgEqual;
}

void TSynXMLSyn::EqualProc() {
    const bool declaresNamespace = RangeState == rgNsEqual;
    CurrentKind = declaresNamespace ? ttNsEqual : ttEqual;
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        switch (Line[ScanPos++]) {
        case '"':
            RangeState = declaresNamespace ? rgNsQuotValue : rgQuotValue;
            return;
        case '\'':
            RangeState = declaresNamespace ? rgNsAposValue : rgAposValue;
            return;
        case '/':
            CurrentKind = ttSymbol;
            RangeState = rgElement;
            return;
        default:
            break;
        }
    }
}

void TSynXMLSyn::ValueProc(TtKind kind, char quote, TRangeState reference) {
    CurrentKind = kind;
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        const char c = Line[ScanPos];
        if (c == quote) {
            // The quote itself is then a symbol of the tag.
            RangeState = rgAttribute;
            return;
        }
        if (c == '&') {
            RangeState = reference;
            return;
        }
        ++ScanPos;
    }
}

void TSynXMLSyn::ReferenceProc(TtKind kind, TRangeState after) {
    CurrentKind = kind;
    RangeState = after;
    while (!AtEnd(ScanPos) && CharAt(ScanPos) > 32)
        if (Line[ScanPos++] == ';') return;
}

void TSynXMLSyn::TextProc() {
    const unsigned char first = CharAt(ScanPos);
    if (first < 32 || first == '<') {
        Dispatch();
        return;
    }
    CurrentKind = ttText;
    ScanPos = FindFirstOf(Line, ScanPos, markup::TextStops);
    if (!AtEnd(ScanPos) && CharAt(ScanPos) == '&') RangeState = rgEntityRef;
}

void TSynXMLSyn::CommentProc() {
    if (markup::BreaksConstruct(CharAt(ScanPos))) {
        Dispatch();
        return;
    }
    auto closesAt = [this](size_t pos) { return Line.substr(pos, 3) == "-->"; };
    if (closesAt(ScanPos)) {
        CurrentKind = ttSymbol;
        ScanPos += 3;
        RangeState = rgText;
        return;
    }
    CurrentKind = ttComment;
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos)) && !closesAt(ScanPos))
        ++ScanPos;
}

void TSynXMLSyn::BlockProc(TtKind kind, char closer) {
    if (markup::BreaksConstruct(CharAt(ScanPos))) {
        Dispatch();
        return;
    }
    CurrentKind = kind;
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        if (Line[ScanPos++] == '>' && markup::PrecededBy(Line, ScanPos - 1, closer, 1)) {
            RangeState = rgText;
            return;
        }
    }
}

void TSynXMLSyn::DocTypeProc() {
    if (markup::BreaksConstruct(CharAt(ScanPos))) {
        Dispatch();
        return;
    }
    CurrentKind = ttDocType;
    if (RangeState == rgDocTypeSubset) {
        DocTypeSubsetBody();
        return;
    }
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        switch (Line[ScanPos++]) {
        case '>':
            RangeState = rgText;
            return;
        case '[':
            RangeState = rgDocTypeSubset;
            DocTypeSubsetBody();
            return;
        default:
            break;
        }
    }
}

void TSynXMLSyn::DocTypeSubsetBody() {
    // Up to and including the "]" that ends the subset; the declaration then goes on.
    while (!AtEnd(ScanPos) && !markup::BreaksConstruct(CharAt(ScanPos))) {
        if (Line[ScanPos++] == ']') {
            RangeState = rgDocType;
            return;
        }
    }
}

} // namespace tavlo
