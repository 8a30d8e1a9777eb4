// The built-in languages of the highlighter class list.
//
// Adding a language:
// 1. SynHighlighterXxx.{h,cpp}: a class derived from TSynCustomHighlighter. Its constructor
//    creates the attributes with AddAttribute, calls BindAttributeChanges and fills its
//    256-entry first-byte dispatch; NextToken continues a multi-line construct when the range
//    says so, else dispatches on Line[ScanPos]. The base class keeps the line, ScanPos and
//    TokenStartPos and answers StartLine, TokenText and TokenStart; AtEnd, CharAt and
//    AtLineBreak never read past the line. Keywords: a static TSynKeywordTable
//    (SynHighlighterKeywords.h) over the language's CharHashTable, or TSynHashEntryList.
// 2. A static TSynHighlighterClass ClassInfo (class name, short name, kind names by ordinal,
//    factory) and one Register line below.
// 3. Samples in tests/highlighters/examples/<short name>/: the golden, invariant and
//    range tests pick the language up from this list.
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterHtml.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"
#include "highlighters/SynHighlighterCpp.h"
#include "highlighters/SynHighlighterCss.h"
#include "highlighters/SynHighlighterJScript.h"
#include "highlighters/SynHighlighterPHP.h"
#include "highlighters/SynHighlighterXML.h"
#include "highlighters/SynHighlighterSQL.h"
#include "highlighters/SynHighlighterDfm.h"
#include "highlighters/SynHighlighterIni.h"

namespace tavlo {

void RegisterBuiltinHighlighters(TSynHighlighterClassList& list) {
    list.Register(TSynPasSyn::ClassInfo);
    list.Register(TSynSchSyn::ClassInfo);
    list.Register(TSynCppSyn::ClassInfo);
    list.Register(TSynCssSyn::ClassInfo);
    list.Register(TSynHTMLSyn::ClassInfo);
    list.Register(TSynXMLSyn::ClassInfo);
    list.Register(TSynJScriptSyn::ClassInfo);
    list.Register(TSynPHPSyn::ClassInfo);
    list.Register(TSynSQLSyn::ClassInfo);
    list.Register(TSynDfmSyn::ClassInfo);
    list.Register(TSynIniSyn::ClassInfo);
}

} // namespace tavlo
