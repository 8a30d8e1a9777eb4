// The colours the main window's form gives its highlighter components; everything else keeps
// the highlighter's own defaults.
#pragma once

#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"
#include "highlighters/SynHighlighterSQL.h"

namespace tavlo {

void ConfigureMainWindowPascal(TSynPasSyn& highlighter);
void ConfigureMainWindowSchema(TSynSchSyn& highlighter);
void ConfigureMainWindowSQL(TSynSQLSyn& highlighter);

} // namespace tavlo
