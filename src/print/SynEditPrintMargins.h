// The page frame of a print job: margins kept in millimetres, read and written in a chosen
// unit, and turned into printer-pixel positions for each page.
#pragma once

#include "print/SynEditPrinterInfo.h"

namespace tavlo {

enum TUnitSystem { usMM, usCM, usInch, muThousandthsOfInches };

class TSynEditPrintMargins {
public:
    TUnitSystem UnitSystem() const { return m_unitSystem; }
    // Changes how the lengths read and write, never a stored length.
    void SetUnitSystem(TUnitSystem unit) { m_unitSystem = unit; }

    double Left() const { return fromMM(m_left); }
    double Right() const { return fromMM(m_right); }
    double Top() const { return fromMM(m_top); }
    double Bottom() const { return fromMM(m_bottom); }
    double Header() const { return fromMM(m_header); }
    double Footer() const { return fromMM(m_footer); }
    double LeftHFTextIndent() const { return fromMM(m_leftHFTextIndent); }
    double RightHFTextIndent() const { return fromMM(m_rightHFTextIndent); }
    double HFInternalMargin() const { return fromMM(m_hfInternalMargin); }
    double Gutter() const { return fromMM(m_gutter); }
    void SetLeft(double value) { m_left = toMM(value); }
    void SetRight(double value) { m_right = toMM(value); }
    void SetTop(double value) { m_top = toMM(value); }
    void SetBottom(double value) { m_bottom = toMM(value); }
    void SetHeader(double value) { m_header = toMM(value); }
    void SetFooter(double value) { m_footer = toMM(value); }
    void SetLeftHFTextIndent(double value) { m_leftHFTextIndent = toMM(value); }
    void SetRightHFTextIndent(double value) { m_rightHFTextIndent = toMM(value); }
    void SetHFInternalMargin(double value) { m_hfInternalMargin = toMM(value); }
    void SetGutter(double value) { m_gutter = toMM(value); }

    bool MirrorMargins = false;

    // Copies the ten lengths, MirrorMargins and the unit system.
    void Assign(const TSynEditPrintMargins& source) { *this = source; }

    // Positions of page `page` in printer pixels from the printable area's top-left corner.
    // `lineNumberWidth` is the width of the widest printed line number with its ": ", added to
    // the left edge when line numbers are printed outside the margin. A frame that would be
    // empty or inverted (margins wider than the sheet) is narrowed to keep at least one
    // pixel of text area.
    void ComputePage(int page, TSynEditPrinterInfo& printer, bool lineNumbers, bool lineNumbersInMargin,
                     int32_t lineNumberWidth);

    int32_t PLeft = 0;
    int32_t PRight = 0;
    int32_t PTop = 0;
    int32_t PBottom = 0;
    int32_t PHeader = 0;
    int32_t PFooter = 0;
    int32_t PLeftHFTextIndent = 0;
    int32_t PRightHFTextIndent = 0;
    int32_t PHFInternalMargin = 0;
    int32_t PGutter = 0;

private:
    double toMM(double value) const;
    double fromMM(double mm) const;

    TUnitSystem m_unitSystem = usMM;
    double m_left = 25;
    double m_right = 15;
    double m_top = 25;
    double m_bottom = 25;
    double m_header = 15;
    double m_footer = 15;
    double m_leftHFTextIndent = 2;
    double m_rightHFTextIndent = 2;
    double m_hfInternalMargin = 0.5;
    double m_gutter = 0;
};

} // namespace tavlo
