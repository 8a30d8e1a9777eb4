// The languages of the highlighter combo box and the choice of one by file extension.
#pragma once

#include <QString>
#include <QStringList>

namespace tavlo {

// Indexes of the highlighter combo box.
enum THighlighterIndex : int {
    hlNone = 0,
    hlCpp,
    hlPascal,
    hlCss,
    hlHtml,
    hlJavaScript,
    hlPhp,
    hlXml,
    hlSql,
    hlDfm,
    hlIni,
    hlSchema,
    hlCount
};

// "[ BRAK ]", "C++", … "Schema".
QStringList HighlighterComboEntries();

// The language for an extension such as ".c" (leading dot, any letter case); hlNone when
// no language claims it.
int HighlighterForExtension(const QString& extension);

// Filters for the open and save dialogs: all files first, then each language's files.
QString DocumentDialogFilter();

} // namespace tavlo
