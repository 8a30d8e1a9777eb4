// The colours the main window's form gives its highlighter components; everything else keeps
// the highlighter's own defaults.
#pragma once

#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"
#include "highlighters/SynHighlighterSQL.h"
#include "highlighters/SynHighlighterDfm.h"
#include "highlighters/SynHighlighterIni.h"

namespace tavlo {

void ConfigureMainWindowPascal(TSynPasSyn& highlighter);
void ConfigureMainWindowSchema(TSynSchSyn& highlighter);
void ConfigureMainWindowSQL(TSynSQLSyn& highlighter);
void ConfigureMainWindowDfm(TSynDfmSyn& highlighter);
void ConfigureMainWindowIni(TSynIniSyn& highlighter);

} // namespace tavlo
