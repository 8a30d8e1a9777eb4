#include "print/SynEditPrintMargins.h"

#include <algorithm>
#include <cmath>

namespace tavlo {

namespace {

double MillimetresPerUnit(TUnitSystem unit) {
    switch (unit) {
    case usCM: return 10.0;
    case usInch: return 25.4;
    case muThousandthsOfInches: return 25.4 / 1000.0;
    case usMM: break;
    }
    return 1.0;
}

int32_t Round(double value) { return static_cast<int32_t>(std::lround(value)); }

} // namespace

double TSynEditPrintMargins::toMM(double value) const { return value * MillimetresPerUnit(m_unitSystem); }
double TSynEditPrintMargins::fromMM(double mm) const { return mm / MillimetresPerUnit(m_unitSystem); }

void TSynEditPrintMargins::ComputePage(int page, TSynEditPrinterInfo& printer, bool lineNumbers,
                                       bool lineNumbersInMargin, int32_t lineNumberWidth) {
    if (!MirrorMargins || page % 2 == 1) {
        PLeft = printer.PixFromLeft(m_left + m_gutter);
        PRight = printer.PrintableWidth() - printer.PixFromRight(m_right);
    } else {
        PLeft = printer.PixFromLeft(m_right);
        PRight = printer.PrintableWidth() - printer.PixFromRight(m_left + m_gutter);
    }
    if (lineNumbers && !lineNumbersInMargin) PLeft += lineNumberWidth;
    PTop = printer.PixFromTop(m_top);
    PBottom = printer.PrintableHeight() - printer.PixFromBottom(m_bottom);
    PHeader = printer.PixFromTop(m_header);
    PFooter = printer.PrintableHeight() - printer.PixFromBottom(m_footer);
    // Margins that meet or cross leave no room for text: keep a one-pixel area where the
    // left (top) margin ends, so that pagination still moves forward.
    PRight = std::max(PRight, PLeft + 1);
    PBottom = std::max(PBottom, PTop + 1);

    PHFInternalMargin = Round(m_hfInternalMargin * printer.YPixPrmm());
    PGutter = Round(m_gutter * printer.XPixPrmm());
    PRightHFTextIndent = PRight - Round(m_rightHFTextIndent * printer.XPixPrmm());
    PLeftHFTextIndent = PLeft + Round(m_leftHFTextIndent * printer.XPixPrmm());
}

} // namespace tavlo
