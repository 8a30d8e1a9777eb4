// Converting the Polish letters of files between standards from the command line: the same
// 18-letter table as the conversion dialog, every other byte (line breaks included) kept,
// and each file replaced safely or left untouched.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace tavlo {

// One Polish line per file on `out` (or `errors` for a file that failed); answers the exit
// code: 0 when every file was converted (or, with dryRun, counted), 1 otherwise.
int ConvertFiles(const QStringList& files, int from, int to, bool dryRun, QTextStream& out, QTextStream& errors);

// How many bytes of the text the conversion changes.
int64_t CountConvertedLetters(const std::string& bytes, int from, int to);

} // namespace tavlo
