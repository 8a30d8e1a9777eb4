// The print job: lays a list of lines out on printer pages (wrapping long lines at word
// breaks, line numbers, highlighting, colours) inside the page frame of its margins, header
// and footer, and draws any page through a text drawer, on the printer or in a preview.
#pragma once

#include "editor/SynEditLineCheckpoints.h"
#include "highlighters/SynEditHighlighter.h"
#include "print/SynEditPrintHeaderFooter.h"
#include "print/SynEditPrintMargins.h"
#include "print/SynEditPrinterInfo.h"
#include "print/SynEditPrintTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace tavlo {

class TSynEditPrint {
public:
    // Where a page starts: a source line and the output row within it (a long line that wraps
    // may continue on the next page).
    struct TPageStart {
        int32_t Line = 0;
        int32_t Row = 0;
        friend bool operator==(const TPageStart&, const TPageStart&) = default;
    };

    // Without a printer device the layout uses an A4 sheet at 300 dpi and printing fails
    // with a message.
    explicit TSynEditPrint(TPrinterDevice* printer = nullptr);
    ~TSynEditPrint();
    TSynEditPrint(const TSynEditPrint&) = delete;
    TSynEditPrint& operator=(const TSynEditPrint&) = delete;

    int Copies = 1;
    THeaderFooter Header{THeaderFooter::Top};
    THeaderFooter Footer{THeaderFooter::Bottom};
    TSynEditPrintMargins Margins;
    std::string Title;
    std::string DocTitle;
    bool Wrap = true;
    bool Highlight = true;
    bool SelectedOnly = false;
    bool Colors = false;
    bool LineNumbers = false;
    bool LineNumbersInMargin = false;
    int LineOffset = 0;
    int PageOffset = 0;
    int TabWidth = 8;
    TColor Color = clWhite;
    // After each printed source line: its 1-based number and the page.
    std::function<void(int lineNumber, int pageNumber)> OnPrintLine;
    // At the start, at each new page and at the end; setting `abort` stops the printing.
    std::function<void(TSynPrintStatus status, int pageNumber, bool& abort)> OnPrintStatus;

    // Takes the lines with their tabs expanded to TabWidth.
    void SetLines(const std::vector<std::string>& lines);
    // Takes the lines unchanged: tabs reach the page as they are.
    void SetLinesAsTheyAre(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return m_lines; }

    const TFontDesc& Font() const { return m_font; }
    void SetFont(const TFontDesc& font);
    // Borrowed: the caller keeps it alive while the job uses it.
    TSynCustomHighlighter* Highlighter() const { return m_highlighter; }
    void SetHighlighter(TSynCustomHighlighter* highlighter);

    // What SelectedOnly prints: lines begin.Line..end.Line, cut to the selection's characters
    // on its first and last line (normal mode), to its columns on every line (column mode), or
    // whole (line mode).
    void SetSelection(TBufferCoord begin, TBufferCoord end, TSynSelectionMode mode);
    void ClearSelection() { m_hasSelection = false; m_pagesComputed = false; }

    TSynEditPrinterInfo& PrinterInfo() { return m_printerInfo; }

    // Refreshes the printer's geometry and lays the pages out, measuring with the drawer.
    void UpdatePages(TTextDrawer& drawer);
    // The pages laid out by the last UpdatePages (laid out now with the drawer of the last
    // one if the text changed since); 0 before any.
    int PageCount();
    TPageStart PageStart(int pageNumber) const { return m_pages.at(static_cast<size_t>(pageNumber - 1)); }
    int32_t MaxCol() const { return m_maxCol; }
    int32_t LineHeight() const { return m_lineHeight; }
    int32_t CharWidth() const { return m_charWidth; }

    // Draws one page (clamped to the pages there are) on the surface, as the preview does.
    void PrintToCanvas(TTextDrawer& drawer, TDrawSurface& surface, int pageNumber);
    // Spools pages first..last (last < 0: to the end) in Copies copies on the printer device.
    // Answers false with a message when the printer could not take the document.
    bool Print(std::string& error) { return PrintRange(1, -1, error); }
    bool PrintRange(int first, int last, std::string& error);

    // 1-based character positions after which a line of `maxCol` columns breaks: at the last
    // tab, blank, comma or hyphen of each run, else at the last ')', '.' or ';', else after
    // every full run. Empty when the line fits.
    static std::vector<int32_t> WrapPositions(std::string_view text, int32_t maxCol);

private:
    // The part of a source line that is printed (all of it unless SelectedOnly).
    struct TWindow {
        int32_t From = 0;
        int32_t To = 0;
    };

    void prepare(TTextDrawer& drawer);
    void computeRanges();
    void paginate(TTextDrawer& drawer);
    int32_t lineNumberWidth(TTextDrawer& drawer) const;
    int32_t printedLineCount() const;
    int32_t firstPrintedLine() const;
    TWindow windowOf(int32_t line) const;
    std::vector<int32_t> rowStarts(int32_t line) const;
    void printPage(TTextDrawer& drawer, int pageNumber);
    // Draws rows firstRow..lastRow (inclusive) of a line from y; answers the y after them.
    int32_t printLine(TTextDrawer& drawer, int32_t line, int32_t firstRow, int32_t lastRow, int32_t y);
    void writeRows(TTextDrawer& drawer, int32_t line, const std::vector<int32_t>& starts, int32_t firstRow,
                   int32_t lastRow, int32_t y);
    void drawPiece(TTextDrawer& drawer, std::string_view text, int32_t column, int32_t y);
    bool reportStatus(TSynPrintStatus status, int pageNumber);

    TPrinterDevice* m_printer;
    TSynEditPrinterInfo m_printerInfo;
    std::vector<std::string> m_lines;
    std::vector<TSynRange> m_ranges;
    // A long line's pages start scanning near their first printed byte.
    TSynEditLineCheckpoints m_checkpoints;
    TFontDesc m_font;
    TSynCustomHighlighter* m_highlighter = nullptr;

    TBufferCoord m_selectionBegin;
    TBufferCoord m_selectionEnd;
    TSynSelectionMode m_selectionMode = smNormal;
    bool m_hasSelection = false;

    TTextDrawer* m_lastDrawer = nullptr;
    std::vector<TPageStart> m_pages;
    int32_t m_maxCol = 1;
    int32_t m_maxWidth = 0;
    int32_t m_charWidth = 1;
    int32_t m_lineHeight = 1;
    bool m_rangesComputed = false;
    bool m_pagesComputed = false;
    bool m_canHighlight = false;
    bool m_printing = false;
    bool m_aborted = false;
};

} // namespace tavlo
