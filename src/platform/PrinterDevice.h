// The printer as the print job sees it: the sheet's geometry in printer pixels and a spooled
// document whose pages are drawn through a text drawer.
#pragma once

#include "platform/TextDrawer.h"

#include <optional>
#include <string>

namespace tavlo {

struct TPrinterGeometry {
    int32_t PhysicalWidth = 0;
    int32_t PhysicalHeight = 0;
    int32_t PrintableWidth = 0;
    int32_t PrintableHeight = 0;
    // The unprintable strips at the left and top edges.
    int32_t LeftGutter = 0;
    int32_t TopGutter = 0;
    int32_t DpiX = 0;
    int32_t DpiY = 0;
    friend bool operator==(const TPrinterGeometry&, const TPrinterGeometry&) = default;
};

class TPrinterDevice {
public:
    virtual ~TPrinterDevice() = default;

    // The current printer's geometry; none when no printer is installed.
    virtual std::optional<TPrinterGeometry> CurrentGeometry() = 0;

    // A spooled document. Begin answers false (with a message for the user) when the printer
    // cannot start one; pages are drawn on Drawer() bound to Surface() between Begin and End.
    virtual bool BeginDocument(const std::string& name, std::string& error) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual void AbortDocument() = 0;
    virtual TTextDrawer& Drawer() = 0;
    virtual TDrawSurface& Surface() = 0;
};

} // namespace tavlo
