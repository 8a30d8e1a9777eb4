// Painting of the gutter: right-aligned line numbers, the edge lines and the marks' glyphs.
#include <algorithm>
#include <vector>

#include "editor/SynEdit.h"

namespace tavlo {

void TCustomSynEdit::paintGutter(const TRect& clip, int32_t firstLine, int32_t lastLine) {
    TTextDrawer& drawer = *m_textDrawer;
    // An empty document still shows line number 1.
    if (firstLine == 1 && lastLine == 0) lastLine = 1;
    drawer.SetBackColor(m_gutter.Color());
    if (m_gutter.ShowLineNumbers()) {
        const bool ownFont = m_gutter.UseFontStyle();
        if (ownFont) {
            drawer.SetBaseFont(m_gutter.Font());
            drawer.SetForeColor(m_gutter.Font().Color);
        } else {
            drawer.SetStyle(0);
            drawer.SetForeColor(m_font.Color);
        }
        const int32_t textHeight = drawer.CharHeight();
        const int32_t right = std::max(clip.Right, m_gutterWidth - 2);
        int32_t bottom = clip.Top;
        for (int32_t line = firstLine; line <= lastLine; ++line) {
            const int32_t top = (line - m_firstVisibleLine) * m_rowHeight;
            bottom = top + m_rowHeight;
            const std::string number = m_gutter.LineNumberText(line);
            drawer.FillBackground({clip.Left, top, right, bottom});
            drawer.WriteSimple(m_gutterWidth - m_gutter.RightOffset() - drawer.TextWidth(number) - 2,
                               top + (m_rowHeight - textHeight) / 2, number);
        }
        if (bottom < clip.Bottom) drawer.FillBackground({clip.Left, std::max(bottom, clip.Top), clip.Right, clip.Bottom});
        if (ownFont) drawer.SetBaseFont(m_font);
    } else {
        drawer.FillBackground(clip);
    }
    if (clip.Right >= m_gutterWidth - 2) {
        drawer.DrawLine({m_gutterWidth - 2, clip.Top}, {m_gutterWidth - 2, clip.Bottom}, EditorBackground());
        drawer.DrawLine({m_gutterWidth - 1, clip.Top}, {m_gutterWidth - 1, clip.Bottom}, m_gutter.Color());
    }
    if (m_bookMarkOptions.GlyphsVisible() && m_marks.Count() > 0) paintMarks(firstLine, lastLine);
}

// Bookmarks first (or last, as the options say); on a row only the first glyph drawn shows,
// the others only take their step.
void TCustomSynEdit::paintMarks(int32_t firstLine, int32_t lastLine) {
    std::vector<int32_t> offsets(size_t(std::max(0, lastLine - firstLine + 1)), 0);
    const bool bookmarksFirst = m_bookMarkOptions.DrawBookmarksFirst();
    for (bool bookmarks : {bookmarksFirst, !bookmarksFirst}) {
        for (int i = 0; i < m_marks.Count(); ++i) {
            const TSynEditMark& mark = m_marks[i];
            if (!mark.Visible() || mark.IsBookmark() != bookmarks || mark.Line() < firstLine || mark.Line() > lastLine)
                continue;
            int32_t& offset = offsets[size_t(mark.Line() - firstLine)];
            if (mark.ImageIndex() >= 0 && mark.ImageIndex() <= 9 && offset == 0)
                m_textDrawer->DrawBookmarkGlyph(mark.ImageIndex(), m_bookMarkOptions.LeftMargin(),
                                                (mark.Line() - m_firstVisibleLine) * m_rowHeight, m_rowHeight);
            offset += m_bookMarkOptions.Xoffset();
        }
    }
}

} // namespace tavlo
