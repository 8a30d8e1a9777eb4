#include "app/HighlighterChoice.h"

#include <array>

namespace tavlo {

namespace {

struct TLanguage {
    const char* entry;
    const char* defaultFilter; // description, '|', patterns separated by ';'
};

const char* const kPascalFilter = "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc";

const std::array<TLanguage, hlCount> kLanguages{{
    {"[ BRAK ]", nullptr},
    {"C++", "C++ Files (*.c,*.cpp,*.h,*.hpp)|*.c;*.cpp;*.h;*.hpp"},
    {"Pascal", kPascalFilter},
    {"CSS", "Cascading Stylesheets (*.css)|*.css"},
    {"HTML", "HTML Document (*.htm,*.html)|*.htm;*.html"},
    {"Java Script", "Javascript Files (*.js)|*.js"},
    {"PHP", "PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc"},
    {"XML", "XML Document (*.xml,*.xsd,*.xsl,*.xslt,*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd"},
    {"SQL", "SQL Files (*.sql)|*.sql"},
    {"DFM", "Borland Form Files (*.dfm;*.xfm)|*.dfm;*.xfm"},
    {"INI", "INI Files (*.ini)|*.ini"},
    {"Schema", kPascalFilter},
}};

int exactMatch(const QString& ext) {
    struct TExact {
        const char* ext;
        int index;
    };
    static const TExact table[] = {
        {".cpp", hlCpp},   {".c", hlCpp},    {".pas", hlPascal},    {".css", hlCss},
        {".html", hlHtml}, {".htm", hlHtml}, {".js", hlJavaScript}, {".php", hlPhp},
        {".xml", hlXml},   {".sql", hlSql},  {".psq", hlSql},       {".dfm", hlDfm},
        {".ini", hlIni},
    };
    int found = hlNone;
    for (const TExact& candidate : table) {
        if (ext.compare(QLatin1String(candidate.ext), Qt::CaseInsensitive) == 0) {
            found = candidate.index;
            break;
        }
    }
    if (ext.compare(QLatin1String(".sch"), Qt::CaseInsensitive) == 0) found = hlSchema;
    return found;
}

bool filterContains(int index, const QString& pattern) {
    return QString::fromLatin1(kLanguages[size_t(index)].defaultFilter).toUpper().contains(pattern);
}

} // namespace

QStringList HighlighterComboEntries() {
    QStringList entries;
    for (const TLanguage& language : kLanguages)
        entries << QString::fromLatin1(language.entry);
    return entries;
}

int HighlighterForExtension(const QString& extension) {
    if (extension.isEmpty()) return hlNone;
    int found = exactMatch(extension);
    if (found != hlNone) return found;
    const QString pattern = QLatin1Char('*') + extension.toUpper();
    for (int i = hlCpp; i <= hlIni; ++i) {
        if (filterContains(i, pattern)) {
            found = i;
            break;
        }
    }
    // Schema shares the Pascal filter and, looked at last, wins for its extensions.
    if (filterContains(hlSchema, pattern)) found = hlSchema;
    return found;
}

QString DocumentDialogFilter() {
    QStringList filters{QStringLiteral("Wszystkie pliki (*)")};
    for (int i = hlCpp; i < hlSchema; ++i) { // Schema repeats the Pascal filter
        const QString filter = QString::fromLatin1(kLanguages[size_t(i)].defaultFilter);
        QString description = filter.section(QLatin1Char('|'), 0, 0);
        const QString patterns = filter.section(QLatin1Char('|'), 1);
        // The dialog reads patterns from the parentheses, so they must be the real ones.
        const qsizetype paren = description.lastIndexOf(QLatin1String(" ("));
        if (paren > 0) description.truncate(paren);
        filters << description + QStringLiteral(" (") +
                       QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace tavlo
