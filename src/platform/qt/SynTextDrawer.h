// The text drawer on a QPainter: bytes become characters through a code-page table and
// every character is placed in its own cell.
#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QPointF>

#include <array>
#include <memory>
#include <vector>

#include "platform/TextDrawer.h"
#include "platform/qt/SynTextDrawerFonts.h"

class QPainter;

namespace tavlo {

class TQtDrawSurface : public TDrawSurface {
public:
    explicit TQtDrawSurface(QPainter& painter) : m_painter(painter) {}
    QPainter& Painter() const { return m_painter; }

private:
    QPainter& m_painter;
};

// Colours as stored (0x00BBGGRR or a system colour) to Qt's; system colours come from the
// application palette, clNone is transparent.
QColor ToQColor(TColor color);

using TCodePageTable = std::array<char16_t, 256>;

class TheTextDrawer : public TTextDrawer {
public:
    // Zero bytes are shown as this character, so they do not vanish from the line.
    static constexpr char16_t ZeroBytePlaceholder = u'\u2400';
    static constexpr int AdvanceArrayStep = 64;

    TheTextDrawer(TFontStyles measureStyle, const TFontDesc& font);
    ~TheTextDrawer() override;

    // The characters of the 256 bytes; Windows-1250 until set.
    void SetCodePage(const TCodePageTable& table) { m_codePage = table; }

    void BeginDrawing(TDrawSurface& surface) override;
    void EndDrawing() override;
    bool IsDrawing() const override { return m_painter != nullptr; }

    void SetBaseFont(const TFontDesc& font) override;
    void SelectMeasureStyle(TFontStyles style) override;
    TFontStyles MeasureStyle() const override { return m_measureStyle; }
    void SetStyle(TFontStyles style) override;
    TFontStyles Style() const override { return m_style; }

    void SetForeColor(TColor color) override;
    void SetBackColor(TColor color) override;
    TColor ForeColor() const override { return m_foreColor; }
    TColor BackColor() const override { return m_backColor; }

    int32_t CharWidth() const override { return m_cellAdvance; }
    int32_t CharHeight() const override { return m_cellHeight; }

    void WriteSimple(int32_t x, int32_t y, std::string_view text) override;
    int32_t TextWidth(std::string_view text) override;
    void WriteRun(int32_t x, int32_t y, TTextOutOptions options, const TRect& rect,
                  std::string_view text) override;
    void FillBackground(const TRect& rect) override;
    void DrawLine(TPoint from, TPoint to, TColor color) override;
    void DrawBookmarkGlyph(int index, int32_t x, int32_t rowTop, int32_t rowHeight) override;

    void ReleaseTemporaryResources() override;

    // Entries of the per-character advance array (kept between runs).
    int AdvanceArrayLength() const { return int(m_advances.size()); }
    const TheFontStock& FontStock() const { return *m_stock; }

private:
    const TFontStyleSlot& drawingFont();
    void takeCellMetrics();
    void growAdvances(size_t count);
    void decode(std::string_view text);

    QPainter* m_painter = nullptr;
    int m_drawingCount = 0;
    std::unique_ptr<TheFontStock> m_stock;
    TFontStyles m_measureStyle;
    TFontStyles m_style = 0;
    int32_t m_cellAdvance = 0;
    int32_t m_cellHeight = 0;
    std::vector<int32_t> m_advances;
    TColor m_foreColor = clWindowText;
    TColor m_backColor = clWindow;
    TCodePageTable m_codePage;

    // Buffers reused from run to run, so drawing a row does not allocate.
    QString m_chars;
    std::vector<quint32> m_glyphs;
    std::vector<QPointF> m_positions;
    QGlyphRun m_run;
};

} // namespace tavlo
