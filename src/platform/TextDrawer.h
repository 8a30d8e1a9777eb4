// Text output on a fixed character grid, as the engine asks for it. Every character of a
// run takes exactly one cell of CharWidth pixels whatever its style, so columns line up and
// pixel positions follow from column numbers by multiplication.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

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

} // namespace tavlo
