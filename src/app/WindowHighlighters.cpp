#include "app/WindowHighlighters.h"

#include "app/HighlighterChoice.h"
#include "highlighters/MainWindowHighlighters.h"

namespace tavlo {

TWindowHighlighters::TWindowHighlighters() {
    ConfigureMainWindowPascal(m_pascal);
    ConfigureMainWindowSchema(m_schema);
    ConfigureMainWindowSQL(m_sql);
}

TSynCustomHighlighter* TWindowHighlighters::ForIndex(int index) {
    switch (index) {
    case hlPascal: return &m_pascal;
    case hlSchema: return &m_schema;
    case hlSql: return &m_sql;
    default: return nullptr;
    }
}

} // namespace tavlo
