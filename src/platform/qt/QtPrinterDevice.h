// The print job's printer on Qt: a QPrinter (a CUPS printer or a PDF file) whose pages are
// drawn by a text drawer in printer pixels, from the printable area's top-left corner.
#pragma once

#include "platform/PrinterDevice.h"
#include "platform/qt/SynTextDrawer.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace tavlo {

class TQtPrinterDevice : public TPrinterDevice {
public:
    // Borrows the printer; the drawer decodes bytes through the Polish standard given.
    TQtPrinterDevice(QPrinter& printer, int codePageStandard);
    ~TQtPrinterDevice() override;

    // Whether the system knows any printer at all.
    static bool HasInstalledPrinter();
    // Where pages go: a printer's name, or empty for a PDF file or no printer.
    QString PrinterName() const;
    // A printer that writes a PDF file on an A4 sheet at 300 dpi.
    static void MakePdfPrinter(QPrinter& printer, const QString& fileName);
    void SetCodePageStandard(int standard);

    std::optional<TPrinterGeometry> CurrentGeometry() override;
    bool BeginDocument(const std::string& name, std::string& error) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;
    TTextDrawer& Drawer() override { return m_drawer; }
    TDrawSurface& Surface() override { return m_surface; }

private:
    bool printsToRealPrinter() const;

    QPrinter& m_printer;
    QPainter m_painter;
    TQtDrawSurface m_surface{m_painter};
    TheTextDrawer m_drawer;
};

} // namespace tavlo
