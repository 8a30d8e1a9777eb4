#include "print/SynEditPrinterInfo.h"

#include <cmath>

namespace tavlo {

namespace {

// A device can report nonsense (a vanished printer, a driver without sizes): such a sheet is
// replaced by the fixed one rather than dividing by zero later.
bool IsUsable(const TPrinterGeometry& g) {
    return g.PhysicalWidth > 0 && g.PhysicalHeight > 0 && g.PrintableWidth > 0 && g.PrintableHeight > 0 &&
           g.DpiX > 0 && g.DpiY > 0 && g.LeftGutter >= 0 && g.TopGutter >= 0 &&
           g.PrintableWidth + g.LeftGutter <= g.PhysicalWidth && g.PrintableHeight + g.TopGutter <= g.PhysicalHeight;
}

int32_t Round(double value) { return static_cast<int32_t>(std::lround(value)); }

} // namespace

TPrinterGeometry TSynEditPrinterInfo::A4At300Dpi() {
    return {2481, 3507, 2358, 3407, 65, 50, 300, 300};
}

void TSynEditPrinterInfo::SetDevice(TPrinterDevice* device) {
    m_device = device;
    m_refreshed = false;
}

void TSynEditPrinterInfo::Refresh() {
    std::optional<TPrinterGeometry> geometry;
    if (m_device) geometry = m_device->CurrentGeometry();
    m_geometry = geometry && IsUsable(*geometry) ? *geometry : A4At300Dpi();
    m_refreshed = true;
}

const TPrinterGeometry& TSynEditPrinterInfo::Geometry() {
    if (!m_refreshed) Refresh();
    return m_geometry;
}

int32_t TSynEditPrinterInfo::RightGutter() {
    const TPrinterGeometry& g = Geometry();
    return g.PhysicalWidth - g.PrintableWidth - g.LeftGutter;
}

int32_t TSynEditPrinterInfo::BottomGutter() {
    const TPrinterGeometry& g = Geometry();
    return g.PhysicalHeight - g.PrintableHeight - g.TopGutter;
}

float TSynEditPrinterInfo::XPixPrmm() { return static_cast<float>(Geometry().DpiX / 25.4); }
float TSynEditPrinterInfo::YPixPrmm() { return static_cast<float>(Geometry().DpiY / 25.4); }

int32_t TSynEditPrinterInfo::PixFromLeft(double mm) { return Round(mm * XPixPrmm() - LeftGutter()); }
int32_t TSynEditPrinterInfo::PixFromRight(double mm) { return Round(mm * XPixPrmm() - RightGutter()); }
int32_t TSynEditPrinterInfo::PixFromTop(double mm) { return Round(mm * YPixPrmm() - TopGutter()); }
int32_t TSynEditPrinterInfo::PixFromBottom(double mm) { return Round(mm * YPixPrmm() - BottomGutter()); }

} // namespace tavlo
