#include "app/WindowHighlighters.h"

#include "app/HighlighterChoice.h"
#include "highlighters/MainWindowHighlighters.h"

namespace tavlo {

TWindowHighlighters::TWindowHighlighters() {
    ConfigureMainWindowPascal(m_pascal);
    ConfigureMainWindowSchema(m_schema);
    ConfigureMainWindowHtml(m_html);
    ConfigureMainWindowXml(m_xml);
}

TSynCustomHighlighter* TWindowHighlighters::ForIndex(int index) {
    switch (index) {
    case hlPascal: return &m_pascal;
    case hlSchema: return &m_schema;
    case hlHtml: return &m_html;
    case hlXml: return &m_xml;
    default: return nullptr;
    }
}

} // namespace tavlo
