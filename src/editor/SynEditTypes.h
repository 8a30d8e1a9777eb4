// Small value types shared by the editor engine, the highlighters and printing.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tavlo {

// Colour: 0x00BBGGRR, or 0x80000000 plus a system colour index, or clNone.
using TColor = int32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr bool isSystemColor(TColor c) { return (c & clSystemColor) != 0 && c != clNone; }

// Font style set, stored in one byte.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// 1-based character index (X) and line number (Y).
struct TBufferCoord {
    int32_t Char = 1;
    int32_t Line = 1;
    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

// 1-based display column after tab expansion (X) and line number (Y).
struct TDisplayCoord {
    int32_t Column = 1;
    int32_t Row = 1;
    friend bool operator==(const TDisplayCoord&, const TDisplayCoord&) = default;
};

// Line first, then character.
constexpr bool operator<(const TBufferCoord& a, const TBufferCoord& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Char < b.Char);
}
constexpr TBufferCoord minPoint(const TBufferCoord& a, const TBufferCoord& b) { return b < a ? b : a; }
constexpr TBufferCoord maxPoint(const TBufferCoord& a, const TBufferCoord& b) { return a < b ? b : a; }

enum TSynSelectionMode : uint8_t { smNormal, smLine, smColumn };

// Pixel point and rectangle (right and bottom exclusive), relative to the client area.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr int32_t clampInt(int32_t value, int32_t low, int32_t high) {
    return std::max(low, std::min(value, high));
}

} // namespace tavlo
