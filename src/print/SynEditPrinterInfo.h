// The page geometry of the current printer, in printer pixels, with the conversions from
// millimetres that margins need. Without an installed printer an A4 sheet at 300 dpi.
#pragma once

#include "platform/PrinterDevice.h"

namespace tavlo {

class TSynEditPrinterInfo {
public:
    // Without a device the fixed A4 sheet is used.
    explicit TSynEditPrinterInfo(TPrinterDevice* device = nullptr) : m_device(device) {}

    static TPrinterGeometry A4At300Dpi();

    void SetDevice(TPrinterDevice* device);
    void Refresh();
    bool Refreshed() const { return m_refreshed; }

    int32_t PhysicalWidth() { return Geometry().PhysicalWidth; }
    int32_t PhysicalHeight() { return Geometry().PhysicalHeight; }
    int32_t PrintableWidth() { return Geometry().PrintableWidth; }
    int32_t PrintableHeight() { return Geometry().PrintableHeight; }
    int32_t LeftGutter() { return Geometry().LeftGutter; }
    int32_t TopGutter() { return Geometry().TopGutter; }
    int32_t RightGutter();
    int32_t BottomGutter();
    int32_t XPixPrInch() { return Geometry().DpiX; }
    int32_t YPixPrInch() { return Geometry().DpiY; }
    float XPixPrmm();
    float YPixPrmm();

    // Millimetres from an edge of the sheet to printer pixels from the printable area's edge.
    int32_t PixFromLeft(double mm);
    int32_t PixFromRight(double mm);
    int32_t PixFromTop(double mm);
    int32_t PixFromBottom(double mm);

    const TPrinterGeometry& Geometry();

private:
    TPrinterDevice* m_device;
    TPrinterGeometry m_geometry;
    bool m_refreshed = false;
};

} // namespace tavlo
