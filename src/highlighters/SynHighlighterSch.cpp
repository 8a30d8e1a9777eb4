#include "highlighters/SynHighlighterSch.h"

namespace tavlo {

namespace {
std::unique_ptr<TSynCustomHighlighter> CreateSchema() { return std::make_unique<TSynSchSyn>(); }
} // namespace

const TSynHighlighterClass TSynSchSyn::ClassInfo = {"TSynSchSyn", "schema", KindNames, &CreateSchema};

TSynSchSyn::TSynSchSyn() {
    SectionAttri = AddAttribute("Section", fsBold);
    BindAttributeChanges();
    KindAttributes[ttSection] = SectionAttri;
    CharDispatch['['] = static_cast<THandler>(&TSynSchSyn::SectionOpenProc);
}

std::string TSynSchSyn::SampleText() const { return "[Section]\n" + TSynPasSyn::SampleText(); }

void TSynSchSyn::SectionOpenProc() {
    ++ScanPos;
    if (TokenStartPos != 0) {
        CurrentKind = ttIdentifier;
        return;
    }
    // A header never continues on the next line: it ends at its "]" or with the line.
    CurrentKind = ttSection;
    while (!AtLineBreak(ScanPos) && Line[ScanPos] != ']') ++ScanPos;
    if (!AtEnd(ScanPos) && Line[ScanPos] == ']') ++ScanPos;
}

} // namespace tavlo
