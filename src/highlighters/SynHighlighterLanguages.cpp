// The built-in languages of the highlighter class list.
#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"

namespace tavlo {

void RegisterBuiltinHighlighters(TSynHighlighterClassList& list) {
    list.Register(TSynPasSyn::ClassInfo);
    list.Register(TSynSchSyn::ClassInfo);
}

} // namespace tavlo
