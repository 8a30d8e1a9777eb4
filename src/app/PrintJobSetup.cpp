#include "app/PrintJobSetup.h"

#include "editor/SynEditTextBuffer.h"

namespace tavlo {

void ConfigurePrintJob(TSynEditPrint& job) {
    job.Copies = 1;
    TSynEditPrintMargins& margins = job.Margins;
    margins.SetUnitSystem(usMM);
    margins.SetLeft(25);
    margins.SetRight(15);
    margins.SetTop(25);
    margins.SetBottom(25);
    margins.SetHeader(15);
    margins.SetFooter(15);
    margins.SetLeftHFTextIndent(2);
    margins.SetRightHFTextIndent(2);
    margins.SetHFInternalMargin(0.5);
    margins.MirrorMargins = false;
    const TFontDesc headerFont{"Arial", -13, 0, clBlack};
    job.Header.DefaultFont = headerFont;
    job.Footer.DefaultFont = headerFont;
    job.TabWidth = 8;
    job.Color = clWhite;
    job.Wrap = true;
    job.Highlight = true;
    job.Colors = false;
    job.LineNumbers = false;
    job.SelectedOnly = false;
}

void SetPrintedDocument(TSynEditPrint& job, const TSynEditStringList& lines, TSynCustomHighlighter* highlighter,
                        const TFontDesc& font) {
    std::vector<std::string> copied;
    copied.reserve(static_cast<size_t>(lines.Count()));
    for (int32_t i = 0; i < lines.Count(); ++i) copied.emplace_back(lines.LineAt(i));
    // Tabs are expanded as the job's tab width says: a tab drawn as one cell would lose the
    // indentation of tab-indented code.
    job.SetLines(copied);
    job.SetHighlighter(highlighter);
    TFontDesc printed = font;
    printed.Color = clBlack;
    job.SetFont(printed);
}

} // namespace tavlo
