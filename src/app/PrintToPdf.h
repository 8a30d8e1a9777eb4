// Printing a file into a PDF from the command line, without a window.
#pragma once

#include <QString>
#include <QTextStream>

namespace tavlo {

// Prints the file as the preview window would (highlighter chosen by its extension) into
// `pdfName`. Answers the exit code: 0 on success, 1 when the file cannot be read or the PDF
// cannot be written, with a message on `errors`.
int PrintFileToPdf(const QString& fileName, const QString& pdfName, QTextStream& errors);

} // namespace tavlo
