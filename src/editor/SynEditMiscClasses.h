// Settings objects the editor owns: the gutter, the bookmark options and the colours of
// selected text. Each reports its changes through OnChange so the editor can resize or
// repaint.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "editor/SynEditTypes.h"
#include "platform/SynEditHost.h"
#include "platform/TextDrawer.h"

namespace tavlo {

// Base of the settings objects: a setter stores a changed value and reports it.
class TSynSettings {
public:
    std::function<void()> OnChange;

protected:
    void changed() {
        if (OnChange) OnChange();
    }
    template <class T> void change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        changed();
    }
};

// The band left of the text with line numbers and bookmark glyphs.
class TSynGutter : public TSynSettings {
public:
    static constexpr int MinDigitCount = 2;
    static constexpr int MaxDigitCount = 12;

    TSynGutter();

    // Copies every setting, then reports one change.
    void Assign(const TSynGutter& source);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value) { change(m_autoSize, value); }
    TColor Color() const { return m_color; }
    void SetColor(TColor value) { change(m_color, value); }
    // Pointer shape over the gutter.
    TPointerShape Cursor() const { return m_cursor; }
    void SetCursor(TPointerShape value) { change(m_cursor, value); }
    // Fewest digits a line number takes; limited to 2..12. Also resets the fitted count.
    int DigitCount() const { return m_digitCount; }
    void SetDigitCount(int value);
    const TFontDesc& Font() const { return m_font; }
    void SetFont(const TFontDesc& value) { change(m_font, value); }
    bool LeadingZeros() const { return m_leadingZeros; }
    void SetLeadingZeros(bool value) { change(m_leadingZeros, value); }
    int LeftOffset() const { return m_leftOffset; }
    void SetLeftOffset(int value) { change(m_leftOffset, std::max(0, value)); }
    int RightOffset() const { return m_rightOffset; }
    void SetRightOffset(int value) { change(m_rightOffset, std::max(0, value)); }
    bool ShowLineNumbers() const { return m_showLineNumbers; }
    void SetShowLineNumbers(bool value) { change(m_showLineNumbers, value); }
    // Draw the numbers in Font; otherwise in the editor's font without style.
    bool UseFontStyle() const { return m_useFontStyle; }
    void SetUseFontStyle(bool value) { change(m_useFontStyle, value); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { change(m_visible, value); }
    // Pixel width when line numbers are not shown.
    int Width() const { return m_width; }
    void SetWidth(int value) { change(m_width, std::max(0, value)); }
    // Number the first line 0.
    bool ZeroStart() const { return m_zeroStart; }
    void SetZeroStart(bool value) { change(m_zeroStart, value); }

    // Digits line numbers take now: DigitCount, or more when AutoSize fitted the count.
    int AutoSizeDigitCount() const { return m_autoSizeDigitCount; }
    // Widens (or narrows back to DigitCount) the numbers to fit the document.
    void FitDigitCount(int32_t lineCount);
    // Pixel width of the gutter for a character cell of the given width.
    int32_t GutterPixelWidth(int32_t charWidth) const;
    // The number shown for a line, right-aligned in AutoSizeDigitCount positions.
    std::string LineNumberText(int32_t line) const;

private:
    bool m_autoSize = false;
    TColor m_color = clBtnFace;
    TPointerShape m_cursor = TPointerShape::Default;
    int m_digitCount = 4;
    TFontDesc m_font;
    bool m_leadingZeros = false;
    int m_leftOffset = 16;
    int m_rightOffset = 2;
    bool m_showLineNumbers = false;
    bool m_useFontStyle = true;
    bool m_visible = true;
    int m_width = 30;
    bool m_zeroStart = false;
    int m_autoSizeDigitCount = 4;
};

// How bookmarks are shown and reached.
class TSynBookMarkOpt : public TSynSettings {
public:
    // Bookmarks' glyphs are drawn before other marks' glyphs.
    bool DrawBookmarksFirst() const { return m_drawBookmarksFirst; }
    void SetDrawBookmarksFirst(bool value) { change(m_drawBookmarksFirst, value); }
    // The editor's own keys reach bookmarks.
    bool EnableKeys() const { return m_enableKeys; }
    void SetEnableKeys(bool value) { change(m_enableKeys, value); }
    bool GlyphsVisible() const { return m_glyphsVisible; }
    void SetGlyphsVisible(bool value) { change(m_glyphsVisible, value); }
    int LeftMargin() const { return m_leftMargin; }
    void SetLeftMargin(int value) { change(m_leftMargin, value); }
    // Horizontal step between the glyphs of marks on one line.
    int Xoffset() const { return m_xoffset; }
    void SetXoffset(int value) { change(m_xoffset, value); }

private:
    bool m_drawBookmarksFirst = true;
    bool m_enableKeys = true;
    bool m_glyphsVisible = true;
    int m_leftMargin = 2;
    int m_xoffset = 12;
};

// Colours of selected text.
class TSynSelectedColor : public TSynSettings {
public:
    void Assign(const TSynSelectedColor& source);

    TColor Background() const { return m_background; }
    void SetBackground(TColor value) { change(m_background, value); }
    TColor Foreground() const { return m_foreground; }
    void SetForeground(TColor value) { change(m_foreground, value); }

private:
    TColor m_background = clHighlight;
    TColor m_foreground = clHighlightText;
};

} // namespace tavlo
