// A text drawer for engine tests: it draws nothing, records every call with the colours
// and style in force, and gives exact metrics. Breaking the drawing protocol fails the
// running test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextDrawer.h"

namespace tavlo {

struct TDrawCall {
    enum Kind { Run, Simple, Fill, Line, Glyph };
    Kind What = Run;
    int32_t X = 0;
    int32_t Y = 0;
    TTextOutOptions Options = 0;
    TRect Rect;
    std::string Text;
    TColor Fore = clNone; // a line's colour
    TColor Back = clNone;
    TFontStyles Style = 0;
    TPoint To;      // end of a line
    int Index = -1; // glyph: the bookmark number; its row spans Rect.Top..Rect.Bottom
};

class TRecordingDrawer : public TTextDrawer {
public:
    // Cell metrics by style: bold widens the cell, italic heightens it.
    int32_t NormalWidth = 8;
    int32_t BoldWidth = 9;
    int32_t NormalHeight = 16;
    int32_t ItalicHeight = 17;

    std::vector<TDrawCall> Calls;
    std::vector<TFontDesc> BaseFonts; // every font given to SetBaseFont
    int Begins = 0;                   // BeginDrawing calls, nested ones included

    explicit TRecordingDrawer(TFontStyles measureStyle = fsBold, TFontDesc font = {})
        : m_measureStyle(measureStyle) {
        SetBaseFont(font);
    }

    void BeginDrawing(TDrawSurface& surface) override {
        ++Begins;
        if (m_depth > 0 && &surface != m_surface) ADD_FAILURE() << "a second surface bound";
        if (m_depth++ == 0) m_surface = &surface;
    }
    void EndDrawing() override {
        if (m_depth == 0) {
            ADD_FAILURE() << "EndDrawing without BeginDrawing";
            return;
        }
        if (--m_depth == 0) m_surface = nullptr;
    }
    bool IsDrawing() const override { return m_depth > 0; }
    int Depth() const { return m_depth; }

    void SetBaseFont(const TFontDesc& font) override {
        if (font.Name.empty()) throw EheTextDrawerException();
        BaseFonts.push_back(font);
        m_style = font.Style;
    }
    void SelectMeasureStyle(TFontStyles style) override { m_measureStyle = style; }
    TFontStyles MeasureStyle() const override { return m_measureStyle; }
    void SetStyle(TFontStyles style) override { m_style = style; }
    TFontStyles Style() const override { return m_style; }

    void SetForeColor(TColor color) override { m_fore = color; }
    void SetBackColor(TColor color) override { m_back = color; }
    TColor ForeColor() const override { return m_fore; }
    TColor BackColor() const override { return m_back; }

    int32_t CharWidth() const override {
        return (m_measureStyle & fsBold) ? BoldWidth : NormalWidth;
    }
    int32_t CharHeight() const override {
        return (m_measureStyle & fsItalic) ? ItalicHeight : NormalHeight;
    }

    void WriteSimple(int32_t x, int32_t y, std::string_view text) override {
        record(TDrawCall::Simple, x, y, 0, {}, text);
    }
    int32_t TextWidth(std::string_view text) override {
        return int32_t(text.size()) * ((m_style & fsBold) ? BoldWidth : NormalWidth);
    }
    void WriteRun(int32_t x, int32_t y, TTextOutOptions options, const TRect& rect,
                  std::string_view text) override {
        record(TDrawCall::Run, x, y, options, rect, text);
    }
    void FillBackground(const TRect& rect) override {
        record(TDrawCall::Fill, 0, 0, etoOpaque, rect, {});
    }
    void DrawLine(TPoint from, TPoint to, TColor color) override {
        TDrawCall& call = record(TDrawCall::Line, from.X, from.Y, 0, {}, {});
        call.To = to;
        call.Fore = color;
    }
    void DrawBookmarkGlyph(int index, int32_t x, int32_t rowTop, int32_t rowHeight) override {
        TDrawCall& call =
            record(TDrawCall::Glyph, x, rowTop, 0, {x, rowTop, x, rowTop + rowHeight}, {});
        call.Index = index;
    }
    void ReleaseTemporaryResources() override {}

    // The runs drawn, in order, without fills, lines and glyphs.
    std::vector<TDrawCall> Runs() const {
        std::vector<TDrawCall> runs;
        for (const TDrawCall& call : Calls)
            if (call.What == TDrawCall::Run && !call.Text.empty()) runs.push_back(call);
        return runs;
    }

private:
    TDrawCall& record(TDrawCall::Kind kind, int32_t x, int32_t y, TTextOutOptions options,
                      const TRect& rect, std::string_view text) {
        if (m_depth == 0) ADD_FAILURE() << "drawing outside BeginDrawing/EndDrawing";
        Calls.push_back(
            {kind, x, y, options, rect, std::string(text), m_fore, m_back, m_style, {}, -1});
        return Calls.back();
    }

    TFontStyles m_measureStyle;
    TFontStyles m_style = 0;
    TColor m_fore = clWindowText;
    TColor m_back = clWindow;
    TDrawSurface* m_surface = nullptr;
    int m_depth = 0;
};

} // namespace tavlo
