#include "print/SynEditPrint.h"

#include "editor/SynEditTextBuffer.h"
#include "highlighters/SynHighlighterRanges.h"

#include <algorithm>

namespace tavlo {

namespace {

const TSynCharSet& FirstBreakSet() {
    static const TSynCharSet set = MakeCharSet("\t ,-");
    return set;
}

const TSynCharSet& SecondBreakSet() {
    static const TSynCharSet set = MakeCharSet(").;");
    return set;
}

// Break positions using one set of break characters; false when some run of maxCol
// characters holds none of them.
bool WrapAtBreaks(std::string_view text, int32_t maxCol, const TSynCharSet& breaks, std::vector<int32_t>& positions) {
    const int32_t length = static_cast<int32_t>(text.size());
    int32_t runStart = 0;
    int32_t lastBreak = -1;
    for (int32_t i = 1; i <= length; ++i) {
        if (breaks[static_cast<unsigned char>(text[static_cast<size_t>(i - 1)])]) lastBreak = i;
        if (i - runStart < maxCol) continue;
        if (lastBreak <= runStart) {
            positions.clear();
            return false;
        }
        positions.push_back(lastBreak);
        runStart = lastBreak;
        lastBreak = -1;
        if (length - runStart <= maxCol) break;
    }
    return true;
}

} // namespace

std::vector<int32_t> TSynEditPrint::WrapPositions(std::string_view text, int32_t maxCol) {
    std::vector<int32_t> positions;
    maxCol = std::max(maxCol, 1);
    if (static_cast<int64_t>(text.size()) <= maxCol) return positions;
    if (WrapAtBreaks(text, maxCol, FirstBreakSet(), positions)) return positions;
    if (WrapAtBreaks(text, maxCol, SecondBreakSet(), positions)) return positions;
    for (int64_t at = maxCol; at < static_cast<int64_t>(text.size()); at += maxCol)
        positions.push_back(static_cast<int32_t>(at));
    return positions;
}

TSynEditPrint::TSynEditPrint(TPrinterDevice* printer) : m_printer(printer), m_printerInfo(printer) {
    m_font.Color = clBlack;
}

TSynEditPrint::~TSynEditPrint() {
    if (m_highlighter) m_highlighter->RemoveChangeHook(this);
}

void TSynEditPrint::SetLines(const std::vector<std::string>& lines) {
    const TExpandTabsTextFunc expand = TextExpanderFor(std::max(TabWidth, 1));
    std::vector<std::string> expanded;
    expanded.reserve(lines.size());
    for (const std::string& line : lines) {
        std::string text = line.find('\t') == std::string::npos ? line : expand(line, std::max(TabWidth, 1));
        std::replace(text.begin(), text.end(), '\t', ' ');
        expanded.push_back(std::move(text));
    }
    SetLinesAsTheyAre(std::move(expanded));
}

void TSynEditPrint::SetLinesAsTheyAre(std::vector<std::string> lines) {
    m_lines = std::move(lines);
    m_ranges.assign(m_lines.size(), 0);
    m_rangesComputed = false;
    m_pagesComputed = false;
}

void TSynEditPrint::SetFont(const TFontDesc& font) {
    m_font = font;
    m_pagesComputed = false;
}

void TSynEditPrint::SetHighlighter(TSynCustomHighlighter* highlighter) {
    if (m_highlighter) m_highlighter->RemoveChangeHook(this);
    m_highlighter = highlighter;
    if (m_highlighter)
        m_highlighter->AddChangeHook(this, [this](TSynCustomHighlighter&) {
            m_rangesComputed = false;
            m_pagesComputed = false;
        });
    m_rangesComputed = false;
    m_pagesComputed = false;
}

void TSynEditPrint::SetSelection(TBufferCoord begin, TBufferCoord end, TSynSelectionMode mode) {
    if (end < begin) std::swap(begin, end);
    m_selectionBegin = begin;
    m_selectionEnd = end;
    m_selectionMode = mode;
    m_hasSelection = true;
    m_pagesComputed = false;
}

int32_t TSynEditPrint::firstPrintedLine() const {
    if (!SelectedOnly || !m_hasSelection) return 0;
    return std::clamp(m_selectionBegin.Line - 1, 0, static_cast<int32_t>(m_lines.size()));
}

int32_t TSynEditPrint::printedLineCount() const {
    const int32_t count = static_cast<int32_t>(m_lines.size());
    if (!SelectedOnly || !m_hasSelection) return count;
    const int32_t last = std::clamp(m_selectionEnd.Line, 0, count);
    return std::max(0, last - firstPrintedLine());
}

TSynEditPrint::TWindow TSynEditPrint::windowOf(int32_t line) const {
    const int32_t length = static_cast<int32_t>(m_lines[static_cast<size_t>(line)].size());
    TWindow window{0, length};
    if (!SelectedOnly || !m_hasSelection || m_selectionMode == smLine) return window;
    const bool columns = m_selectionMode == smColumn;
    if (columns || line == m_selectionBegin.Line - 1) window.From = std::clamp(m_selectionBegin.Char - 1, 0, length);
    if (columns || line == m_selectionEnd.Line - 1) window.To = std::clamp(m_selectionEnd.Char - 1, 0, length);
    window.To = std::max(window.To, window.From);
    return window;
}

std::vector<int32_t> TSynEditPrint::rowStarts(int32_t line) const {
    const TWindow window = windowOf(line);
    const int64_t width = int64_t(window.To - window.From) * m_charWidth;
    std::vector<int32_t> starts{0};
    if (!Wrap || width <= m_maxWidth) return starts;
    const std::string_view text =
        std::string_view(m_lines[static_cast<size_t>(line)]).substr(static_cast<size_t>(window.From),
                                                                   static_cast<size_t>(window.To - window.From));
    std::vector<int32_t> positions = WrapPositions(text, m_maxCol);
    starts.insert(starts.end(), positions.begin(), positions.end());
    return starts;
}

int32_t TSynEditPrint::lineNumberWidth(TTextDrawer& drawer) const {
    // The widest number printed is that of the last line.
    const int64_t largest = int64_t(m_lines.size()) + LineOffset;
    return drawer.TextWidth(std::to_string(largest) + ": ");
}

void TSynEditPrint::computeRanges() {
    if (m_rangesComputed) return;
    m_checkpoints.Clear();
    if (m_highlighter && !m_lines.empty()) ComputeLineRanges(*m_highlighter, m_lines, m_ranges);
    m_rangesComputed = true;
}

void TSynEditPrint::prepare(TTextDrawer& drawer) {
    m_lastDrawer = &drawer;
    const int32_t dpi = m_printerInfo.YPixPrInch();
    drawer.SelectMeasureStyle(0);
    drawer.SetBaseFont(FontAtDpi(m_font, dpi));
    m_charWidth = std::max(drawer.CharWidth(), 1);
    m_lineHeight = std::max(drawer.CharHeight(), 1);
    Margins.ComputePage(1, m_printerInfo, LineNumbers, LineNumbersInMargin, lineNumberWidth(drawer));
    paginate(drawer);
    const int pageCount = static_cast<int>(m_pages.size());
    Header.Prepare(drawer, dpi, pageCount, Margins, Title);
    Footer.Prepare(drawer, dpi, pageCount, Margins, Title);
    drawer.SetBaseFont(FontAtDpi(m_font, dpi));
    m_canHighlight = Highlight && m_highlighter && !m_lines.empty();
}

void TSynEditPrint::paginate(TTextDrawer& drawer) {
    computeRanges();
    m_pages.clear();
    m_maxWidth = Margins.PRight - Margins.PLeft;
    // The most "W"s narrower than the text area, and the area cut to their width.
    const int32_t widthOfW = std::max(drawer.TextWidth("W"), 1);
    int32_t columns = std::max((m_maxWidth - 1) / widthOfW, 1);
    while (columns > 1 && drawer.TextWidth(std::string(static_cast<size_t>(columns), 'W')) >= m_maxWidth) --columns;
    m_maxCol = columns;
    m_maxWidth = std::max(drawer.TextWidth(std::string(static_cast<size_t>(columns), 'W')), m_charWidth);

    const int32_t first = firstPrintedLine();
    const int32_t end = first + printedLineCount();
    m_pages.push_back({first, 0});
    int32_t y = Margins.PTop;
    bool pageHasRows = false;
    for (int32_t line = first; line < end; ++line) {
        const TWindow window = windowOf(line);
        const bool fits = !Wrap || int64_t(window.To - window.From) * m_charWidth <= m_maxWidth;
        const int32_t rows = fits ? 1 : static_cast<int32_t>(rowStarts(line).size());
        for (int32_t row = 0; row < rows; ++row) {
            if (pageHasRows && y + m_lineHeight > Margins.PBottom) {
                m_pages.push_back({line, row});
                y = Margins.PTop;
            }
            y += m_lineHeight;
            pageHasRows = true;
        }
    }
    m_pagesComputed = true;
}

void TSynEditPrint::UpdatePages(TTextDrawer& drawer) {
    m_printerInfo.Refresh();
    prepare(drawer);
}

int TSynEditPrint::PageCount() {
    if (!m_pagesComputed && m_lastDrawer) prepare(*m_lastDrawer);
    return m_pagesComputed ? static_cast<int>(m_pages.size()) : 0;
}

void TSynEditPrint::PrintToCanvas(TTextDrawer& drawer, TDrawSurface& surface, int pageNumber) {
    m_aborted = false;
    m_printing = false;
    if (!m_pagesComputed || m_lastDrawer != &drawer) prepare(drawer);
    drawer.BeginDrawing(surface);
    printPage(drawer, std::clamp(pageNumber, 1, static_cast<int>(m_pages.size())));
    drawer.EndDrawing();
}

bool TSynEditPrint::reportStatus(TSynPrintStatus status, int pageNumber) {
    m_aborted = false;
    if (OnPrintStatus) OnPrintStatus(status, pageNumber, m_aborted);
    if (m_aborted && m_printing && m_printer) m_printer->AbortDocument();
    return !m_aborted;
}

bool TSynEditPrint::PrintRange(int first, int last, std::string& error) {
    if (SelectedOnly && !m_hasSelection) return true;
    if (!m_printer) {
        error = "Brak drukarki.";
        return false;
    }
    const std::string name = DocTitle.empty() ? Title : DocTitle;
    if (!m_printer->BeginDocument(name, error)) return false;
    m_printing = true;
    m_aborted = false;
    TTextDrawer& drawer = m_printer->Drawer();
    reportStatus(psBegin, first);
    UpdatePages(drawer);
    const int count = static_cast<int>(m_pages.size());
    first = std::clamp(first, 1, count);
    last = last < 0 ? count : std::clamp(last, first, count);
    const int copies = std::max(Copies, 1);
    drawer.BeginDrawing(m_printer->Surface());
    for (int copy = 1; copy <= copies && !m_aborted; ++copy)
        for (int page = first; page <= last && !m_aborted; ++page) {
            printPage(drawer, page);
            if (!m_aborted && !(copy == copies && page == last)) m_printer->NewPage();
        }
    drawer.EndDrawing();
    if (!m_aborted) {
        reportStatus(psEnd, last);
        if (!m_aborted) m_printer->EndDocument();
    }
    m_printing = false;
    return true;
}

void TSynEditPrint::printPage(TTextDrawer& drawer, int pageNumber) {
    if (!reportStatus(psNewPage, pageNumber)) return;
    const int32_t dpi = m_printerInfo.YPixPrInch();
    Margins.ComputePage(pageNumber, m_printerInfo, LineNumbers, LineNumbersInMargin, lineNumberWidth(drawer));
    drawer.SetBackColor(Color);
    drawer.FillBackground({Margins.PLeft, Margins.PTop, Margins.PRight, Margins.PBottom});
    Header.Print(drawer, pageNumber + PageOffset);
    drawer.SetBaseFont(FontAtDpi(m_font, dpi));

    const TPageStart start = PageStart(pageNumber);
    const bool lastPage = pageNumber >= static_cast<int>(m_pages.size());
    const TPageStart end =
        lastPage ? TPageStart{firstPrintedLine() + printedLineCount(), 0} : PageStart(pageNumber + 1);
    int32_t y = Margins.PTop;
    for (int32_t line = start.Line; line < end.Line || (line == end.Line && end.Row > 0); ++line) {
        const int32_t firstRow = line == start.Line ? start.Row : 0;
        const int32_t lastRow = line == end.Line ? end.Row - 1 : INT32_MAX;
        y = printLine(drawer, line, firstRow, lastRow, y);
        if (OnPrintLine) OnPrintLine(line + 1, pageNumber);
    }

    Footer.Print(drawer, pageNumber + PageOffset);
    drawer.SetBaseFont(FontAtDpi(m_font, dpi));
}

int32_t TSynEditPrint::printLine(TTextDrawer& drawer, int32_t line, int32_t firstRow, int32_t lastRow, int32_t y) {
    if (LineNumbers && firstRow == 0) {
        const std::string number = std::to_string(int64_t(line) + 1 + LineOffset) + ": ";
        drawer.SetStyle(0);
        drawer.SetForeColor(clBlack);
        drawer.WriteSimple(Margins.PLeft - drawer.TextWidth(number), y, number);
    }
    const std::vector<int32_t> starts = rowStarts(line);
    lastRow = std::min(lastRow, static_cast<int32_t>(starts.size()) - 1);
    writeRows(drawer, line, starts, firstRow, lastRow, y);
    return y + (lastRow - firstRow + 1) * m_lineHeight;
}

void TSynEditPrint::drawPiece(TTextDrawer& drawer, std::string_view text, int32_t column, int32_t y) {
    if (text.empty()) return;
    const int32_t x = Margins.PLeft + column * m_charWidth;
    const int64_t right = int64_t(x) + int64_t(text.size()) * m_charWidth;
    const TRect cells{x, y, static_cast<int32_t>(std::min<int64_t>(right, INT32_MAX)), y + m_lineHeight};
    const bool opaque = drawer.BackColor() != Color;
    drawer.WriteRun(x, y, opaque ? TTextOutOptions(etoOpaque) : TTextOutOptions(0), cells, text);
}

void TSynEditPrint::writeRows(TTextDrawer& drawer, int32_t line, const std::vector<int32_t>& starts, int32_t firstRow,
                              int32_t lastRow, int32_t y) {
    const std::string& lineText = m_lines[static_cast<size_t>(line)];
    const TWindow window = windowOf(line);
    const std::string_view text =
        std::string_view(lineText).substr(static_cast<size_t>(window.From), static_cast<size_t>(window.To - window.From));
    const int32_t length = static_cast<int32_t>(text.size());
    // Without wrapping a row holds what fits; the rest of the line is not printed.
    auto rowEnd = [&](int32_t row) {
        if (row + 1 < static_cast<int32_t>(starts.size())) return starts[static_cast<size_t>(row + 1)];
        return Wrap ? length : std::min(length, starts[static_cast<size_t>(row)] + m_maxCol);
    };
    const TColor fontColor = m_font.Color;

    if (!m_canHighlight) {
        drawer.SetStyle(m_font.Style);
        drawer.SetForeColor(fontColor);
        drawer.SetBackColor(Color);
        for (int32_t row = firstRow; row <= lastRow; ++row) {
            const int32_t from = starts[static_cast<size_t>(row)];
            drawPiece(drawer, text.substr(static_cast<size_t>(from), static_cast<size_t>(rowEnd(row) - from)), 0,
                      y + (row - firstRow) * m_lineHeight);
        }
        return;
    }

    TSynCustomHighlighter& highlighter = *m_highlighter;
    const int32_t shownFrom = starts[static_cast<size_t>(firstRow)];
    const int32_t shownTo = rowEnd(lastRow);
    m_checkpoints.StartLine(highlighter, lineText, line, m_ranges[static_cast<size_t>(line)],
                            static_cast<size_t>(window.From + shownFrom));
    int32_t row = firstRow;
    for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
        // Token bounds within the printed window.
        int32_t from = std::max(highlighter.TokenStart() - window.From, shownFrom);
        const int32_t to =
            std::min<int32_t>(highlighter.TokenStart() + static_cast<int32_t>(highlighter.TokenView().size()) -
                                  window.From,
                              shownTo);
        if (to <= from) {
            if (highlighter.TokenStart() - window.From >= shownTo) break;
            continue;
        }
        const TSynHighlighterAttributes* attribute = highlighter.TokenAttribute();
        drawer.SetStyle(attribute ? attribute->Style() : m_font.Style);
        TColor foreground = fontColor;
        TColor background = Color;
        if (attribute && Colors) {
            if (attribute->Foreground() != clNone) foreground = attribute->Foreground();
            if (attribute->Background() != clNone) background = attribute->Background();
        }
        drawer.SetForeColor(foreground);
        drawer.SetBackColor(background);
        while (from < to) {
            while (from >= rowEnd(row)) ++row;
            const int32_t pieceEnd = std::min(to, rowEnd(row));
            const int32_t rowStart = starts[static_cast<size_t>(row)];
            drawPiece(drawer, text.substr(static_cast<size_t>(from), static_cast<size_t>(pieceEnd - from)),
                      from - rowStart, y + (row - firstRow) * m_lineHeight);
            from = pieceEnd;
        }
    }
}

} // namespace tavlo
