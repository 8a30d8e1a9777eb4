// The colours the main window's form gives its highlighter components; everything else keeps
// the highlighter's own defaults.
#pragma once

#include "highlighters/SynHighlighterHtml.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"

namespace tavlo {

void ConfigureMainWindowPascal(TSynPasSyn& highlighter);
void ConfigureMainWindowSchema(TSynSchSyn& highlighter);
void ConfigureMainWindowHtml(TSynHTMLSyn& highlighter);

} // namespace tavlo
