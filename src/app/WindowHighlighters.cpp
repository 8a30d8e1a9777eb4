#include "app/WindowHighlighters.h"

#include "app/HighlighterChoice.h"
#include "highlighters/MainWindowHighlighters.h"

namespace tavlo {

TWindowHighlighters::TWindowHighlighters() {
    ConfigureMainWindowPascal(m_pascal);
    ConfigureMainWindowSchema(m_schema);
    ConfigureMainWindowSQL(m_sql);
    ConfigureMainWindowDfm(m_dfm);
    ConfigureMainWindowIni(m_ini);
}

TSynCustomHighlighter* TWindowHighlighters::ForIndex(int index) {
    switch (index) {
    case hlPascal: return &m_pascal;
    case hlSchema: return &m_schema;
    case hlSql: return &m_sql;
    case hlDfm: return &m_dfm;
    case hlIni: return &m_ini;
    default: return nullptr;
    }
}

} // namespace tavlo
