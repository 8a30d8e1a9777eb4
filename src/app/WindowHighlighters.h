// The highlighter components of the main window, one per built language, coloured as the
// window shows them. The editor only borrows them, so they must outlive it.
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

class TWindowHighlighters {
public:
    TWindowHighlighters();

    // The component for a highlighter combo box entry; null for "[ BRAK ]", for an index
    // out of range and for languages not built yet.
    TSynCustomHighlighter* ForIndex(int index);

    TSynPasSyn& Pascal() { return m_pascal; }
    TSynSchSyn& Schema() { return m_schema; }
    TSynCppSyn& Cpp() { return m_cpp; }
    TSynCssSyn& Css() { return m_css; }
    TSynHTMLSyn& Html() { return m_html; }
    TSynXMLSyn& Xml() { return m_xml; }
    TSynJScriptSyn& JScript() { return m_jscript; }
    TSynPHPSyn& PHP() { return m_php; }
    TSynSQLSyn& SQL() { return m_sql; }
    TSynDfmSyn& Dfm() { return m_dfm; }
    TSynIniSyn& Ini() { return m_ini; }

private:
    TSynPasSyn m_pascal;
    TSynSchSyn m_schema;
    TSynCppSyn m_cpp;
    TSynCssSyn m_css;
    TSynHTMLSyn m_html;
    TSynXMLSyn m_xml;
    TSynJScriptSyn m_jscript;
    TSynPHPSyn m_php;
    TSynSQLSyn m_sql;
    TSynDfmSyn m_dfm;
    TSynIniSyn m_ini;
};

} // namespace tavlo
