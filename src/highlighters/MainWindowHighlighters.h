// The colours the main window's form gives its highlighter components; everything else keeps
// the highlighter's own defaults.
#pragma once

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

void ConfigureMainWindowPascal(TSynPasSyn& highlighter);
void ConfigureMainWindowSchema(TSynSchSyn& highlighter);
void ConfigureMainWindowCpp(TSynCppSyn& highlighter);
void ConfigureMainWindowCss(TSynCssSyn& highlighter);
void ConfigureMainWindowHtml(TSynHTMLSyn& highlighter);
void ConfigureMainWindowXml(TSynXMLSyn& highlighter);
void ConfigureMainWindowJScript(TSynJScriptSyn& highlighter);
void ConfigureMainWindowPHP(TSynPHPSyn& highlighter);
void ConfigureMainWindowSQL(TSynSQLSyn& highlighter);
void ConfigureMainWindowDfm(TSynDfmSyn& highlighter);
void ConfigureMainWindowIni(TSynIniSyn& highlighter);

} // namespace tavlo
