// The highlighter components of the main window, one per built language, coloured as the
// window shows them. The editor only borrows them, so they must outlive it.
#pragma once

#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"
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
    TSynSQLSyn& SQL() { return m_sql; }
    TSynDfmSyn& Dfm() { return m_dfm; }
    TSynIniSyn& Ini() { return m_ini; }

private:
    TSynPasSyn m_pascal;
    TSynSchSyn m_schema;
    TSynSQLSyn m_sql;
    TSynDfmSyn m_dfm;
    TSynIniSyn m_ini;
};

} // namespace tavlo
