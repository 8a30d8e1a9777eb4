// The print job as the program prints: the preview window's settings, the document's lines
// with their tabs expanded, its highlighter and font.
#pragma once

#include "print/SynEditPrint.h"

#include <string>
#include <vector>

namespace tavlo {

class TSynEditStringList;

void ConfigurePrintJob(TSynEditPrint& job);
// Copies the lines; the highlighter is borrowed for as long as the job lives.
void SetPrintedDocument(TSynEditPrint& job, const TSynEditStringList& lines, TSynCustomHighlighter* highlighter,
                        const TFontDesc& font);

} // namespace tavlo
