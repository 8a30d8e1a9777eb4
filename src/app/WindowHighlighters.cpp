#include "app/WindowHighlighters.h"

#include "app/HighlighterChoice.h"
#include "highlighters/MainWindowHighlighters.h"

namespace tavlo {

TWindowHighlighters::TWindowHighlighters() {
    ConfigureMainWindowPascal(m_pascal);
    ConfigureMainWindowSchema(m_schema);
    ConfigureMainWindowCpp(m_cpp);
    ConfigureMainWindowCss(m_css);
    ConfigureMainWindowHtml(m_html);
    ConfigureMainWindowXml(m_xml);
    ConfigureMainWindowJScript(m_jscript);
    ConfigureMainWindowPHP(m_php);
    ConfigureMainWindowSQL(m_sql);
    ConfigureMainWindowDfm(m_dfm);
    ConfigureMainWindowIni(m_ini);
}

TSynCustomHighlighter* TWindowHighlighters::ForIndex(int index) {
    switch (index) {
    case hlPascal: return &m_pascal;
    case hlSchema: return &m_schema;
    case hlCpp: return &m_cpp;
    case hlCss: return &m_css;
    case hlHtml: return &m_html;
    case hlXml: return &m_xml;
    case hlJavaScript: return &m_jscript;
    case hlPhp: return &m_php;
    case hlSql: return &m_sql;
    case hlDfm: return &m_dfm;
    case hlIni: return &m_ini;
    default: return nullptr;
    }
}

} // namespace tavlo
