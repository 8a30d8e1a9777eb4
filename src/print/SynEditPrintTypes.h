// Small types shared by the print job, its header and footer and the preview.
#pragma once

#include "platform/TextDrawer.h"

#include <cmath>

namespace tavlo {

enum TFrameType : uint8_t { ftLine = 1, ftBox = 2, ftShaded = 4 };
using TFrameTypes = uint8_t;

enum THeaderFooterAlign { hfaLeft, hfaCenter, hfaRight };

enum TSynPrintStatus { psBegin, psNewPage, psEnd };

// The same font measured in pixels of a device with `dpi` dots per inch: stored heights are
// screen pixels, so the point size stays while the pixel height follows the device.
inline TFontDesc FontAtDpi(const TFontDesc& font, int32_t dpi) {
    TFontDesc scaled = font;
    scaled.Height = static_cast<int32_t>(std::lround(double(font.Height) * dpi / TFontDesc::PixelsPerInch));
    if (scaled.Height == 0) scaled.Height = font.Height < 0 ? -1 : 1;
    return scaled;
}

} // namespace tavlo
