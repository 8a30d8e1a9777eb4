// Text output on a fixed character grid, as the engine asks for it. Every character of a
// run takes exactly one cell of CharWidth pixels whatever its style, so columns line up and
// pixel positions follow from column numbers by multiplication.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "editor/SynEditTypes.h"

namespace tavlo {

enum class TFontPitch : uint8_t { Default, Fixed, Variable };

// A font as the program describes it, free of any window system.
struct TFontDesc {
    // Stored point sizes assume a screen of this density.
    static constexpr int32_t PixelsPerInch = 96;

    std::string Name = "Courier New";
    // Negative: the character (em) height in pixels; positive: the cell height including
    // the internal leading.
    int32_t Height = -13;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    TFontPitch Pitch = TFontPitch::Default;

    int32_t Size() const { return -mulDivRounded(Height, 72, PixelsPerInch); }
    void SetSize(int32_t points) { Height = -mulDivRounded(points, PixelsPerInch, 72); }

    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;

private:
    static constexpr int32_t mulDivRounded(int32_t value, int32_t num, int32_t den) {
        int64_t product = int64_t(value) * num;
        int64_t half = den / 2;
        return int32_t(product >= 0 ? (product + half) / den : (product - half) / den);
    }
};

// Raised for a font without a name: nothing could be drawn with it.
class EheTextDrawerException : public std::invalid_argument {
public:
    EheTextDrawerException() : std::invalid_argument("SetBaseFont: 'Value' must be specified.") {}
};

// Options of WriteRun, with the values the painting code passes.
using TTextOutOptions = uint32_t;
enum : TTextOutOptions {
    etoOpaque = 2,  // fill the rectangle with the background colour first
    etoClipped = 4, // keep the glyphs inside the rectangle
};

// What a platform drawer draws on (a painter over a window, a page, an image). The engine
// only passes it through from the window to the drawer.
class TDrawSurface {
public:
    virtual ~TDrawSurface() = default;
};

class TTextDrawer {
public:
    virtual ~TTextDrawer() = default;

    // Binds the surface; a nested call with the same surface only counts. Binding a second
    // surface while one is bound breaks the protocol.
    virtual void BeginDrawing(TDrawSurface& surface) = 0;
    // The last of the nested calls unbinds the surface and restores its state.
    virtual void EndDrawing() = 0;
    virtual bool IsDrawing() const = 0;

    // Takes a new font (all its style variants), remeasures the cell and selects the font's
    // own style. Throws EheTextDrawerException for a font without a name.
    virtual void SetBaseFont(const TFontDesc& font) = 0;
    // The style whose character cell sets CharWidth and CharHeight (bold at creation).
    virtual void SelectMeasureStyle(TFontStyles style) = 0;
    virtual TFontStyles MeasureStyle() const = 0;
    // The style of the text drawn next.
    virtual void SetStyle(TFontStyles style) = 0;
    virtual TFontStyles Style() const = 0;

    virtual void SetForeColor(TColor color) = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual TColor ForeColor() const = 0;
    virtual TColor BackColor() const = 0;

    // The cell of one character: its advance and its height.
    virtual int32_t CharWidth() const = 0;
    virtual int32_t CharHeight() const = 0;

    // Text at the font's own spacing, without a background.
    virtual void WriteSimple(int32_t x, int32_t y, std::string_view text) = 0;
    // Width of the text at the font's own spacing, as WriteSimple draws it.
    virtual int32_t TextWidth(std::string_view text) = 0;
    // One character per cell from (x, y): with etoOpaque the rectangle is filled with the
    // background colour first, with etoClipped nothing is drawn outside it. An empty text
    // with etoOpaque only fills.
    virtual void WriteRun(int32_t x, int32_t y, TTextOutOptions options, const TRect& rect,
                          std::string_view text) = 0;
    // Fills the rectangle with the background colour.
    virtual void FillBackground(const TRect& rect) = 0;
    // A one-pixel line from one point to the other (the last point excluded).
    virtual void DrawLine(TPoint from, TPoint to, TColor color) = 0;
    // Glyph of bookmark 0..9 at (x, rowTop), fitted into the row: a taller glyph is cut to
    // its middle part, a shorter one centred.
    virtual void DrawBookmarkGlyph(int index, int32_t x, int32_t rowTop, int32_t rowHeight) = 0;

    // Lets go of cached platform resources; they are made again when next needed.
    virtual void ReleaseTemporaryResources() = 0;
};

} // namespace tavlo
