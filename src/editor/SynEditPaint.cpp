// Painting of the text area: rows cut into runs from the highlighter's tokens, the selection,
// special line colours and the right edge; invalidation and the scroll hint.
#include "editor/SynEditPaint.h"

#include <algorithm>

#include "editor/SynEdit.h"
#include "highlighters/SynEditHighlighter.h"
#include "platform/SynEditHost.h"

namespace tavlo {

namespace {

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Rows of lines first..last within the visible ones, as the top and bottom of rect.
bool rowsOf(int32_t first, int32_t last, int32_t firstVisible, int32_t visibleRows, int32_t rowHeight,
            TRect& rect) {
    if (first > last) std::swap(first, last);
    int32_t top = std::max(first, firstVisible);
    int32_t bottom = std::min(last, firstVisible + visibleRows);
    if (top > bottom) return false;
    rect.Top = (top - firstVisible) * rowHeight;
    rect.Bottom = (bottom - firstVisible + 1) * rowHeight;
    return true;
}

bool isEmpty(const TRect& r) { return r.Left >= r.Right || r.Top >= r.Bottom; }

TRect unite(const TRect& a, const TRect& b) {
    if (isEmpty(a)) return b;
    if (isEmpty(b)) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// The selection as painting sees it: its lines and display columns. A column block keeps its
// characters, which take other display columns on each line when tabs come before them.
struct TPaintSelection {
    bool Any = false;
    int32_t FirstLine = 0;
    int32_t LastLine = 0;
    int32_t FirstColumn = 0;
    int32_t LastColumn = 0;
    int32_t FirstChar = 0;
    int32_t LastChar = 0;
};

TSynRowSelection rowSelection(const TPaintSelection& selection, TSynSelectionMode mode, int32_t line,
                              const TSynRowGeometry& geometry) {
    TSynRowSelection row;
    if (!selection.Any || line < selection.FirstLine || line > selection.LastLine) return row;
    int32_t start = geometry.FirstColumn, end = geometry.LastColumn + 1;
    bool partly = false;
    if (mode == smColumn || (mode == smNormal && line == selection.FirstLine)) {
        if (selection.FirstColumn >= geometry.LastColumn) return row;
        start = selection.FirstColumn;
        partly = true;
    }
    if (mode == smColumn || (mode == smNormal && line == selection.LastLine)) {
        if (selection.LastColumn < geometry.FirstColumn) return row;
        end = selection.LastColumn;
        partly = true;
    }
    row.Start = start;
    row.End = std::max(start, end);
    row.Partly = partly;
    row.Wholly = !partly;
    return row;
}

// Feeds the tokens of one tab-expanded line to the painter, then the line-end mark. The
// highlighter has been started on the line, at its start or at a token before the first
// painted column.
void addHighlightedTokens(TSynRowPainter& painter, TSynCustomHighlighter& highlighter,
                          std::string_view text, const TSynRowGeometry& geometry,
                          TFontStyles fontStyle) {
    const TSynHighlighterAttributes* last = nullptr;
    size_t scanned = size_t(highlighter.TokenStart());
    while (!highlighter.AtLineEnd()) {
        int32_t start = highlighter.TokenStart();
        if (start >= geometry.LastColumn - 1) return; // the rest, line end included, is out of view
        std::string_view token = highlighter.TokenView();
        last = highlighter.TokenAttribute();
        if (last)
            painter.AddToken(token, start, last->Foreground(), last->Background(), last->Style());
        else
            painter.AddToken(token, start, clNone, clNone, fontStyle);
        scanned = size_t(start) + token.size();
        highlighter.NextToken();
    }
    // A scanner that stopped early (at a zero byte) must not hide the rest of the line.
    if (scanned < text.size()) {
        painter.AddToken(text.substr(scanned), int32_t(scanned), clNone, clNone, fontStyle);
        last = nullptr;
    }
    if (geometry.ShowSpecialChars) {
        const TSynHighlighterAttributes* comment = highlighter.CategoryAttribute(catComment);
        const TSynHighlighterAttributes* markAttr =
            last && last == comment ? comment : highlighter.CategoryAttribute(catWhitespace);
        painter.AddToken(std::string_view(&LineEndMark, 1), int32_t(text.size()),
                         markAttr ? markAttr->Foreground() : clNone, markAttr ? markAttr->Background() : clNone, 0);
    }
}

// Binds the drawer for a paint and lets go of it whatever happens.
class TDrawingScope {
public:
    TDrawingScope(TTextDrawer& drawer, TDrawSurface& surface, TTextDrawer*& painting)
        : m_drawer(drawer), m_painting(painting) {
        m_drawer.BeginDrawing(surface);
        m_painting = &drawer;
    }
    ~TDrawingScope() {
        m_painting = nullptr;
        m_drawer.EndDrawing();
    }
    TDrawingScope(const TDrawingScope&) = delete;
    TDrawingScope& operator=(const TDrawingScope&) = delete;

private:
    TTextDrawer& m_drawer;
    TTextDrawer*& m_painting;
};

} // namespace

// ---------------------------------------------------------------------------------------
// TSynRowPainter

TSynRowPainter::TSynRowPainter(TTextDrawer& drawer, const TSynRowGeometry& geometry)
    : m_drawer(drawer), m_geometry(geometry) {
    size_t columns = size_t(std::max(0, geometry.LastColumn - geometry.FirstColumn)) + 1;
    m_run.reserve(std::max<size_t>(128, columns));
    m_piece.reserve(std::max<size_t>(128, columns));
}

void TSynRowPainter::BeginRow(const TRect& rect, const TSynRowSelection& selection, const TSynRowColors& colors) {
    m_row = rect;
    m_left = rect.Left;
    m_selection = selection;
    m_colors = colors;
    m_run.clear();
    // The row's most common background goes down first in one fill; text on it is then
    // drawn without a fill of its own, which spares most runs their fill.
    m_base = selection.Wholly ? colors.SelectedBack : colors.Back;
    m_drawer.SetBackColor(m_base);
    m_drawer.FillBackground(rect);
}

void TSynRowPainter::AddToken(std::string_view text, int32_t start, TColor fore, TColor back, TFontStyles style) {
    // Only the painted columns are kept, so a long line costs no more than a short one.
    const int64_t first = m_geometry.FirstColumn - 1, last = m_geometry.LastColumn - 1;
    const int64_t end = int64_t(start) + int64_t(text.size());
    if (end <= first || start >= last || text.empty()) return;
    if (start < first) {
        text.remove_prefix(size_t(first - start));
        start = int32_t(first);
    }
    if (end > last) text = text.substr(0, size_t(last - start));
    if (back == clNone) back = m_colors.Back;
    if (fore == clNone) fore = m_geometry.FontColor;

    if (!m_run.empty()) {
        const bool blank = isBlank(text);
        // Blanks show no glyphs, so their style only matters when it draws a line.
        const bool sameLook =
            style == m_runStyle || (blank && ((style | m_runStyle) & (fsUnderline | fsStrikeOut)) == 0);
        const bool sameColors = (m_colors.Special && !m_geometry.SpecialLineDefaultFg) || m_selection.Wholly ||
                                (back == m_runBack && (fore == m_runFore || blank));
        if (sameLook && sameColors && int64_t(m_runStart) + int64_t(m_run.size()) == start) {
            m_run.append(text);
            return;
        }
        flush(false);
    }
    m_run.assign(text);
    m_runStart = start;
    m_runFore = fore;
    m_runBack = back;
    m_runStyle = style;
}

void TSynRowPainter::EndRow() { flush(true); }

void TSynRowPainter::flush(bool fillToEnd) {
    if (!m_run.empty()) {
        const int32_t c1 = std::max(m_geometry.FirstColumn, m_runStart + 1);
        const int32_t c2 = std::min(m_geometry.LastColumn, m_runStart + int32_t(m_run.size()) + 1);
        m_drawer.SetStyle(m_runStyle);
        if (m_selection.Partly) {
            const int32_t start = m_selection.Start, end = m_selection.End;
            drawPiece(c1, std::min(start, c2), false);
            drawPiece(std::max(start, c1), std::min(end, c2), true);
            drawPiece(std::max(end, c1), c2, false);
        } else {
            drawPiece(c1, c2, m_selection.Wholly);
        }
        m_run.clear();
    }
    if (fillToEnd) fillRest();
}

TColor TSynRowPainter::useColors(bool selected) {
    TColor back = m_runBack;
    if (selected) {
        m_drawer.SetForeColor(m_colors.SelectedFore);
        back = m_colors.SelectedBack;
    } else if (m_colors.Special) {
        m_drawer.SetForeColor(m_geometry.SpecialLineDefaultFg ? m_runFore : m_colors.Fore);
        back = m_colors.Back;
    } else {
        m_drawer.SetForeColor(m_runFore);
    }
    m_drawer.SetBackColor(back);
    return back;
}

void TSynRowPainter::drawPiece(int32_t from, int32_t to, bool selected) {
    if (from >= to) return;
    const size_t offset = size_t(from - 1 - m_runStart), count = size_t(to - from);
    const bool marks = m_geometry.ShowSpecialChars;
    m_piece.assign(m_run, offset, count);
    for (char& c : m_piece) {
        if (c == '\t')
            c = ' ';
        else if (c == ' ' && marks)
            c = SpaceMark;
    }
    if (marks) {
        // Each tab fills the cells up to the next stop; its mark sits in the middle cell.
        const int tabWidth = std::max(1, m_geometry.TabWidth);
        size_t i = 0;
        while (i < m_run.size()) {
            if (m_run[i] != '\t') {
                ++i;
                continue;
            }
            size_t segmentEnd = i + 1;
            while (segmentEnd < m_run.size() && m_run[segmentEnd] == '\t' &&
                   (int64_t(m_runStart) + int64_t(segmentEnd)) % tabWidth != 0)
                ++segmentEnd;
            const size_t middle = i + (segmentEnd - i - 1) / 2;
            if (middle >= offset && middle < offset + count) m_piece[middle - offset] = TabMark;
            i = segmentEnd;
        }
    }
    const bool onBase = useColors(selected) == m_base;
    const int32_t right = m_geometry.ColumnX(to);
    // Upright glyphs stay inside their cells; only slanted ones reach into the neighbours'.
    // Clipping is dear, so it is kept for italic runs, which are also drawn opaque so that
    // their own cells are repainted whole.
    TTextOutOptions options = onBase ? TTextOutOptions(0) : TTextOutOptions(etoOpaque);
    if (m_runStyle & fsItalic) options = etoOpaque | etoClipped;
    m_drawer.WriteRun(m_geometry.ColumnX(from), m_row.Top, options, {m_left, m_row.Top, right, m_row.Bottom},
                      m_piece);
    m_left = right;
}

void TSynRowPainter::fillRest() {
    if (m_left >= m_row.Right) return;
    if (m_selection.Partly) {
        auto edge = [this](int32_t column) {
            return int32_t(std::clamp<int64_t>(int64_t(column - 1) * m_geometry.CellWidth + m_geometry.TextLeft,
                                               m_left, m_row.Right));
        };
        fillPiece(edge(m_selection.Start), false);
        fillPiece(edge(m_selection.End), true);
    }
    fillPiece(m_row.Right, m_selection.Wholly);
}

void TSynRowPainter::fillPiece(int32_t right, bool selected) {
    if (right <= m_left) return;
    const TColor back = selected ? m_colors.SelectedBack : m_colors.Back;
    if (back != m_base) {
        m_drawer.SetBackColor(back);
        m_drawer.FillBackground({m_left, m_row.Top, right, m_row.Bottom});
    }
    m_left = right;
}

// ---------------------------------------------------------------------------------------
// TCustomSynEdit: painting

void TCustomSynEdit::Paint(TDrawSurface& surface, const TRect& clip) {
    if (!m_textDrawer || isEmpty(clip)) return;
    TTextDrawer& drawer = *m_textDrawer;
    const int32_t textStart = m_gutterWidth + 2;
    const int32_t firstLine = m_firstVisibleLine + std::max(0, clip.Top) / m_rowHeight;
    const int32_t lastLine = int32_t(std::min<int64_t>(
        m_lines->Count(), int64_t(m_firstVisibleLine) + std::max(0, clip.Bottom - 1) / m_rowHeight));
    int32_t firstColumn = m_firstVisibleColumn;
    if (clip.Left > textStart) firstColumn += (clip.Left - textStart) / m_cellWidth;
    const int32_t lastColumn =
        m_firstVisibleColumn + std::max(0, clip.Right - textStart + m_cellWidth - 1) / m_cellWidth;

    TDrawingScope scope(drawer, surface, m_paintingDrawer);
    if (clip.Left < m_gutterWidth)
        paintGutter({clip.Left, clip.Top, std::min(clip.Right, m_gutterWidth), clip.Bottom}, firstLine, lastLine);
    if (clip.Right > m_gutterWidth)
        paintTextLines({std::max(clip.Left, m_gutterWidth), clip.Top, clip.Right, clip.Bottom}, firstLine, lastLine,
                       firstColumn, lastColumn);
    if (OnPaint) {
        drawer.SetStyle(m_font.Style);
        drawer.SetForeColor(m_font.Color);
        drawer.SetBackColor(m_color);
        OnPaint(*this, drawer);
    }
    PaintTransient(ttAfter, false);
}

TColor TCustomSynEdit::EditorBackground() const {
    if (m_highlighter) {
        const TSynHighlighterAttributes* whitespace = m_highlighter->CategoryAttribute(catWhitespace);
        if (whitespace && whitespace->Background() != clNone) return whitespace->Background();
    }
    return m_color;
}

void TCustomSynEdit::paintTextLines(TRect clip, int32_t firstLine, int32_t lastLine, int32_t firstColumn,
                                    int32_t lastColumn) {
    TTextDrawer& drawer = *m_textDrawer;
    const TColor background = EditorBackground();
    const int32_t textStart = m_gutterWidth + 2;
    const int64_t edgeX = int64_t(m_rightEdge) * m_cellWidth + TextLeft();
    const bool showEdge = m_rightEdge > 0 && edgeX >= std::max(clip.Left, textStart) && edgeX < clip.Right;
    auto drawEdge = [&](int32_t top, int32_t bottom) {
        if (showEdge && top < bottom) drawer.DrawLine({int32_t(edgeX), top}, {int32_t(edgeX), bottom}, m_rightEdgeColor);
    };

    if (clip.Left < textStart) {
        drawer.SetBackColor(background);
        drawer.FillBackground({clip.Left, clip.Top, std::min(textStart, clip.Right), clip.Bottom});
        clip.Left = textStart;
    }
    if (isEmpty(clip)) return;

    int32_t paintedBottom = clip.Top;
    if (firstLine <= lastLine) {
        TPaintSelection selection;
        const bool hidden = m_hideSelection && !(m_host && m_host->HasFocus());
        if (!hidden && HasSelection()) {
            TBufferCoord first = SelFirst(), last = SelLast();
            if (m_selectionMode == smColumn && first.Char > last.Char) std::swap(first.Char, last.Char);
            if (last.Line >= firstLine && first.Line <= lastLine)
                selection = {true,       first.Line, last.Line, CharToColumn(first).Char, CharToColumn(last).Char,
                             first.Char, last.Char};
        }
        // The lines painted need their ranges; rows above whose range changed repaint later.
        mendRanges(lastLine - 1, firstLine - 1);
        TSynRowGeometry geometry;
        geometry.CellWidth = m_cellWidth;
        geometry.TextLeft = TextLeft();
        geometry.FirstColumn = firstColumn;
        geometry.LastColumn = lastColumn;
        geometry.TabWidth = m_tabWidth;
        geometry.ShowSpecialChars = HasOption(eoShowSpecialChars);
        geometry.SpecialLineDefaultFg = HasOption(eoSpecialLineDefaultFg);
        geometry.FontColor = m_font.Color;
        TSynCustomHighlighter* highlighter = m_highlighter && m_highlighter->Enabled() ? m_highlighter : nullptr;

        drawer.SetStyle(m_font.Style);
        TSynRowPainter painter(drawer, geometry);
        std::string expanded;
        for (int32_t line = firstLine; line <= lastLine; ++line) {
            const int32_t top = (line - m_firstVisibleLine) * m_rowHeight;
            TSynRowColors colors;
            colors.Fore = m_font.Color;
            colors.Back = background;
            colors.SelectedFore = m_selectedColor.Foreground();
            colors.SelectedBack = m_selectedColor.Background();
            if (OnSpecialLineColors) {
                TColor fore = colors.Fore, back = colors.Back;
                OnSpecialLineColors(*this, line, colors.Special, fore, back);
                if (colors.Special) {
                    colors.Fore = fore;
                    colors.Back = back;
                    colors.SelectedFore = back;
                    colors.SelectedBack = fore;
                }
            }
            if (m_selectionMode == smColumn && selection.Any) {
                selection.FirstColumn = CharToColumn({selection.FirstChar, line}).Char;
                selection.LastColumn = CharToColumn({selection.LastChar, line}).Char;
            }
            painter.BeginRow({clip.Left, top, clip.Right, top + m_rowHeight},
                             rowSelection(selection, m_selectionMode, line, geometry), colors);
            // A line whose tabs (if any) take one column each reads the same expanded: it is
            // painted from the buffer, so a huge line is not copied for every paint.
            std::string_view text = m_lines->LineAt(line - 1);
            const bool asStored =
                m_tabWidth > 1 && size_t(m_lines->ExpandedLineLength(line - 1)) == text.size();
            if (!asStored) {
                // A long line is expanded only to a margin of a long line's length past the
                // painted columns: a token that reaches into view ends, and is coloured, as
                // in the whole line unless it is longer than that.
                expanded = text.size() >= TSynEditLineCheckpoints::LongLine
                               ? m_lines->ExpandedLinePrefix(line - 1, size_t(lastColumn) + TSynEditLineCheckpoints::LongLine)
                               : m_lines->ExpandedLine(line - 1);
                text = expanded;
            }
            if (highlighter) {
                // A long line is scanned from a resume point near the first painted column,
                // when its bytes are painted as they stand.
                const size_t firstByte = asStored ? size_t(firstColumn - 1) : 0;
                m_ranges.Checkpoints().StartLine(*highlighter, text, line - 1,
                                                 m_lines->LineRange(line - 1), firstByte);
                addHighlightedTokens(painter, *highlighter, text, geometry, m_font.Style);
            } else {
                painter.AddToken(text, 0, clNone, clNone, m_font.Style);
                if (geometry.ShowSpecialChars)
                    painter.AddToken(std::string_view(&LineEndMark, 1), int32_t(text.size()), clNone, clNone,
                                     m_font.Style);
            }
            painter.EndRow();
            drawEdge(top, top + m_rowHeight);
        }
        paintedBottom = std::max(clip.Top, (lastLine - m_firstVisibleLine + 1) * m_rowHeight);
    }
    if (paintedBottom < clip.Bottom) {
        drawer.SetBackColor(background);
        drawer.FillBackground({clip.Left, paintedBottom, clip.Right, clip.Bottom});
        drawEdge(paintedBottom, clip.Bottom);
    }
}

// ---------------------------------------------------------------------------------------
// Invalidation

void TCustomSynEdit::InvalidateLines(int32_t first, int32_t last) {
    if (!m_host || !m_host->WindowExists()) return;
    TRect rect{m_gutterWidth, 0, m_host->ClientWidth(), m_host->ClientHeight()};
    if ((first != -1 || last != -1) && !rowsOf(first, last, m_firstVisibleLine, m_visibleRows, m_rowHeight, rect))
        return;
    invalidateCollected(rect);
}

void TCustomSynEdit::InvalidateGutterLines(int32_t first, int32_t last) {
    if (!m_host || !m_host->WindowExists()) return;
    TRect rect{0, 0, m_gutterWidth, m_host->ClientHeight()};
    if ((first != -1 || last != -1) && !rowsOf(first, last, m_firstVisibleLine, m_visibleRows, m_rowHeight, rect))
        return;
    invalidateCollected(rect);
}

void TCustomSynEdit::InvalidateLine(int32_t line) {
    if (!m_host || !m_host->WindowExists()) return;
    TRect rect{0, 0, m_host->ClientWidth(), 0};
    if (rowsOf(line, line, m_firstVisibleLine, m_visibleRows, m_rowHeight, rect)) invalidateCollected(rect);
}

// While the buffer changes, invalidations gather into one rectangle, sent when it is done.
void TCustomSynEdit::invalidateCollected(const TRect& rect) {
    if (isEmpty(rect)) return;
    if (m_stateFlags & esLinesChanging)
        m_invalidRect = unite(m_invalidRect, rect);
    else
        m_host->InvalidateRect(rect);
}

void TCustomSynEdit::flushInvalidRect() {
    TRect rect = m_invalidRect;
    m_invalidRect = {};
    if (!isEmpty(rect) && m_host && m_host->WindowExists()) m_host->InvalidateRect(rect);
}

void TCustomSynEdit::invalidateSelectionRows() {
    if (HasSelection()) InvalidateLines(SelFirst().Line, SelLast().Line);
}

// ---------------------------------------------------------------------------------------
// Transient notifications, properties, cell size

void TCustomSynEdit::PaintTransient(TTransientType type, bool nested) {
    if (nested) {
        if (type == ttBefore) {
            if (m_paintTransientLock++ != 0) return;
        } else if (m_paintTransientLock == 0 || --m_paintTransientLock != 0) {
            return;
        }
    } else if (m_paintTransientLock != 0) {
        return;
    }
    if (!OnPaintTransient) return;
    if (m_paintingDrawer) {
        m_paintingDrawer->SetStyle(m_font.Style);
        m_paintingDrawer->SetForeColor(m_font.Color);
        m_paintingDrawer->SetBackColor(m_color);
    }
    OnPaintTransient(*this, m_paintingDrawer, type);
}

void TCustomSynEdit::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    invalidateAll();
}

void TCustomSynEdit::SetFont(const TFontDesc& font) {
    if (font.Name.empty()) throw EheTextDrawerException();
    m_font = font;
    measureCell();
    SizeOrFontChanged();
    invalidateAll();
}

void TCustomSynEdit::SetRightEdge(int32_t column) {
    if (column == m_rightEdge) return;
    m_rightEdge = column;
    InvalidateLines(-1, -1);
}

void TCustomSynEdit::SetRightEdgeColor(TColor color) {
    if (color == m_rightEdgeColor) return;
    m_rightEdgeColor = color;
    if (m_rightEdge > 0) InvalidateLines(-1, -1);
}

void TCustomSynEdit::SetHideSelection(bool hide) {
    if (hide == m_hideSelection) return;
    m_hideSelection = hide;
    invalidateSelectionRows();
}

void TCustomSynEdit::SetTextDrawer(TTextDrawer* drawer) {
    m_textDrawer = drawer;
    measureCell();
    SizeOrFontChanged();
    invalidateAll();
}

// Every style must fit the one cell: rows as high as italic text, cells as wide as bold.
void TCustomSynEdit::measureCell() {
    if (!m_textDrawer) return;
    TFontStyles used = m_font.Style;
    if (m_highlighter) {
        used = 0;
        for (int i = 0; i < m_highlighter->AttributeCount(); ++i) used |= m_highlighter->AttributeAt(i)->Style();
    }
    m_textDrawer->SetBaseFont(m_font);
    m_textDrawer->SelectMeasureStyle(used & fsItalic);
    m_measuredCellHeight = m_textDrawer->CharHeight();
    m_textDrawer->SelectMeasureStyle(used & fsBold);
    m_measuredCellWidth = m_textDrawer->CharWidth();
}

int32_t TCustomSynEdit::measuredCellWidth() const {
    return m_textDrawer ? m_measuredCellWidth : m_host ? m_host->CharWidth() : 1;
}

int32_t TCustomSynEdit::measuredCellHeight() const {
    return m_textDrawer ? m_measuredCellHeight : m_host ? m_host->CharHeight() : 1;
}

// ---------------------------------------------------------------------------------------
// Scroll hint

std::string TCustomSynEdit::ScrollHintText() const {
    if (ScrollHintFormat == shfTopToBottom) {
        // The last line shown: a full window of rows, or fewer at the end of the text.
        int64_t shown = std::min<int64_t>(m_visibleRows, int64_t(m_lines->Count()) - m_firstVisibleLine + 1);
        int64_t lastShown = m_firstVisibleLine + std::max<int64_t>(shown, 1) - 1;
        return std::to_string(m_firstVisibleLine) + " - " + std::to_string(lastShown);
    }
    return "Top Line: " + std::to_string(m_firstVisibleLine);
}

void TCustomSynEdit::ShowScrollHint(int32_t thumbPosition, int32_t thumbRange) {
    if (!HasOption(eoShowScrollHint) || !m_host || !m_host->WindowExists()) return;
    const std::string text = ScrollHintText();
    const TPoint size = m_host->ScrollHintSize(text, 200);
    TPoint at{m_host->ClientWidth() - size.X - 4, 10};
    if (HasOption(eoScrollHintFollows)) {
        const int32_t arrow = m_host->ScrollArrowHeight();
        const int64_t track = std::max(0, m_host->ClientHeight() - 2 * arrow);
        const int64_t along = thumbRange > 0 ? track * clampInt(thumbPosition, 0, thumbRange) / thumbRange : 0;
        at.Y = arrow + int32_t(along) - size.Y / 2;
    }
    m_host->ShowScrollHint(text, at, ScrollHintColor);
}

void TCustomSynEdit::HideScrollHint() {
    if (m_host && m_host->WindowExists()) m_host->HideScrollHint();
}

} // namespace tavlo
