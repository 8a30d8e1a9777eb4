#include "platform/qt/SynTextDrawer.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <cassert>
#include <cstdlib>

#include "editor/PolishCharsets.h"

namespace tavlo {

namespace {

// Windows system colour indexes to the palette roles that play the same part.
QPalette::ColorRole paletteRole(int systemIndex) {
    switch (systemIndex) {
    case 7: // menu text
    case 8: // window text
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17:
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Base; // the window and everything else
    }
}

QRect toQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

// Ten bookmark glyphs side by side, numbered 0..9, made once for the process.
const QImage& bookmarkGlyphStrip() {
    static const QImage strip = [] {
        constexpr int cellWidth = 11, height = 14;
        QImage image(cellWidth * 10, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QFont font;
        font.setPixelSize(9);
        font.setBold(true);
        painter.setFont(font);
        for (int n = 0; n < 10; ++n) {
            QRect cell(n * cellWidth, 0, cellWidth - 1, height - 1);
            painter.setPen(QColor(0, 0, 128));
            painter.setBrush(QColor(70, 130, 220));
            painter.drawRect(cell);
            painter.setPen(Qt::white);
            painter.drawText(cell, Qt::AlignCenter, QString::number(n));
        }
        return image;
    }();
    return strip;
}

} // namespace

QColor ToQColor(TColor color) {
    if (color == clNone) return Qt::transparent;
    if (isSystemColor(color)) return QGuiApplication::palette().color(paletteRole(color & 0xFF));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TheTextDrawer::TheTextDrawer(TFontStyles measureStyle, const TFontDesc& font)
    : m_stock(std::make_unique<TheFontStock>(font)), m_measureStyle(measureStyle),
      m_codePage(CodePageCharacters(psCp1250)) {
    SetBaseFont(font);
}

TheTextDrawer::~TheTextDrawer() {
    assert(m_drawingCount == 0 && "drawer destroyed while drawing");
}

void TheTextDrawer::BeginDrawing(TDrawSurface& surface) {
    auto* qtSurface = dynamic_cast<TQtDrawSurface*>(&surface);
    assert(qtSurface && "the Qt drawer draws on Qt surfaces only");
    if (!qtSurface) return;
    QPainter* painter = &qtSurface->Painter();
    if (m_drawingCount > 0) {
        assert(painter == m_painter && "another surface is still bound");
        ++m_drawingCount;
        return;
    }
    m_painter = painter;
    m_painter->save();
    m_painter->setFont(*drawingFont().Font);
    m_painter->setPen(ToQColor(m_foreColor));
    m_painter->setBackground(ToQColor(m_backColor));
    ++m_drawingCount;
}

void TheTextDrawer::EndDrawing() {
    assert(m_drawingCount > 0 && "EndDrawing without BeginDrawing");
    if (m_drawingCount == 0) return;
    if (--m_drawingCount > 0) return;
    m_painter->restore();
    m_painter = nullptr;
}

void TheTextDrawer::SetBaseFont(const TFontDesc& font) {
    if (font.Name.empty()) throw EheTextDrawerException();
    m_advances.clear();
    m_stock->SetBaseFont(font);
    m_stock->SelectStyle(m_measureStyle);
    takeCellMetrics();
    SetStyle(font.Style);
}

void TheTextDrawer::SelectMeasureStyle(TFontStyles style) {
    if (style == m_measureStyle) return;
    m_measureStyle = style;
    m_advances.clear();
    m_stock->SelectStyle(style);
    takeCellMetrics();
}

void TheTextDrawer::takeCellMetrics() {
    m_cellAdvance = m_stock->CellAdvance();
    m_cellHeight = m_stock->CellHeight();
}

void TheTextDrawer::SetStyle(TFontStyles style) {
    m_style = style;
    const TFontStyleSlot& font = drawingFont();
    if (m_painter) m_painter->setFont(*font.Font);
}

// The drawing style's font, made again if the handles were released meanwhile.
const TFontStyleSlot& TheTextDrawer::drawingFont() {
    m_stock->SelectStyle(m_style);
    return m_stock->CurrentSlot();
}

void TheTextDrawer::SetForeColor(TColor color) {
    if (color == m_foreColor) return;
    m_foreColor = color;
    if (m_painter) m_painter->setPen(ToQColor(color));
}

void TheTextDrawer::SetBackColor(TColor color) {
    if (color == m_backColor) return;
    m_backColor = color;
    if (m_painter) m_painter->setBackground(ToQColor(color));
}

void TheTextDrawer::decode(std::string_view text) {
    m_chars.resize(qsizetype(text.size()));
    QChar* out = m_chars.data();
    for (unsigned char byte : text)
        *out++ = QChar(byte == 0 ? ZeroBytePlaceholder : m_codePage[byte]);
}

void TheTextDrawer::WriteSimple(int32_t x, int32_t y, std::string_view text) {
    assert(m_painter && "WriteSimple outside BeginDrawing/EndDrawing");
    if (!m_painter) return;
    const TFontStyleSlot& font = drawingFont();
    decode(text);
    m_painter->setFont(*font.Font);
    m_painter->setPen(ToQColor(m_foreColor));
    m_painter->drawText(QPointF(x, y + font.Ascent), m_chars);
}

int32_t TheTextDrawer::TextWidth(std::string_view text) {
    decode(text);
    return QFontMetrics(*drawingFont().Font).horizontalAdvance(m_chars);
}

void TheTextDrawer::growAdvances(size_t count) {
    if (m_advances.size() >= count) return;
    m_advances.resize(count / AdvanceArrayStep * AdvanceArrayStep + AdvanceArrayStep,
                      m_cellAdvance);
}

void TheTextDrawer::WriteRun(int32_t x, int32_t y, TTextOutOptions options, const TRect& rect,
                             std::string_view text) {
    assert(m_painter && "WriteRun outside BeginDrawing/EndDrawing");
    if (!m_painter) return;
    QRect area = toQRect(rect);
    if (options & etoOpaque) m_painter->fillRect(area, ToQColor(m_backColor));
    if (text.empty()) return;

    growAdvances(text.size());
    const TFontStyleSlot& font = drawingFont();
    decode(text);
    const int count = int(text.size());
    m_glyphs.resize(size_t(count));
    int glyphCount = count;
    font.RawFont.glyphIndexesForChars(m_chars.constData(), count, m_glyphs.data(), &glyphCount);

    if (options & etoClipped) {
        m_painter->save();
        m_painter->setClipRect(area, Qt::IntersectClip);
    }
    m_painter->setPen(ToQColor(m_foreColor));
    m_painter->setFont(*font.Font);

    // Glyphs the font has go out as one run at explicit positions; a character it lacks is
    // drawn alone in its cell, so the painter can take it from a fallback font.
    const QPointF baseline(x, y + font.Ascent);
    m_positions.clear();
    int kept = 0;
    int32_t pen = 0;
    for (int i = 0; i < count; ++i) {
        if (m_glyphs[size_t(i)] != 0) {
            m_glyphs[size_t(kept++)] = m_glyphs[size_t(i)];
            m_positions.emplace_back(pen, 0);
        } else if (m_chars[i] != QChar(u' ')) {
            m_painter->drawText(baseline + QPointF(pen, 0), QString(m_chars[i]));
        }
        pen += m_advances[size_t(i)];
    }
    if (kept > 0) {
        m_run.setRawFont(font.RawFont);
        m_run.setRawData(m_glyphs.data(), m_positions.data(), kept);
        m_run.setUnderline(m_style & fsUnderline);
        m_run.setStrikeOut(m_style & fsStrikeOut);
        m_painter->drawGlyphRun(baseline, m_run);
    }
    if (options & etoClipped) m_painter->restore();
}

void TheTextDrawer::FillBackground(const TRect& rect) {
    WriteRun(0, 0, etoOpaque, rect, {});
}

void TheTextDrawer::DrawLine(TPoint from, TPoint to, TColor color) {
    assert(m_painter && "DrawLine outside BeginDrawing/EndDrawing");
    if (!m_painter || from == to) return;
    // The end point itself stays unpainted: step back one pixel along the longer axis.
    int dx = to.X - from.X, dy = to.Y - from.Y;
    QPoint end(to.X, to.Y);
    if (std::abs(dx) >= std::abs(dy))
        end.rx() -= dx > 0 ? 1 : -1;
    else
        end.ry() -= dy > 0 ? 1 : -1;
    m_painter->setPen(QPen(ToQColor(color), 0));
    m_painter->drawLine(QPoint(from.X, from.Y), end);
    m_painter->setPen(ToQColor(m_foreColor));
}

void TheTextDrawer::DrawBookmarkGlyph(int index, int32_t x, int32_t rowTop, int32_t rowHeight) {
    assert(m_painter && "DrawBookmarkGlyph outside BeginDrawing/EndDrawing");
    if (!m_painter || index < 0 || index > 9 || rowHeight <= 0) return;
    const QImage& strip = bookmarkGlyphStrip();
    const int cellWidth = (strip.width() + 5) / 10;
    const int height = strip.height();
    int sourceTop = 0, shown = height, top = rowTop;
    if (height > rowHeight) {
        sourceTop = (height - rowHeight) / 2;
        shown = rowHeight;
    } else {
        top += (rowHeight - height) / 2;
    }
    m_painter->drawImage(QPoint(x, top), strip,
                         QRect(index * cellWidth, sourceTop, cellWidth, shown));
}

void TheTextDrawer::ReleaseTemporaryResources() {
    m_stock->ReleaseHandleLock();
}

} // namespace tavlo
