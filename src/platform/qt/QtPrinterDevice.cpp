#include "platform/qt/QtPrinterDevice.h"

#include "editor/PolishCharsets.h"
#include "print/SynEditPrinterInfo.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace tavlo {

TQtPrinterDevice::TQtPrinterDevice(QPrinter& printer, int codePageStandard)
    : m_printer(printer), m_drawer(0, TFontDesc{}) {
    SetCodePageStandard(codePageStandard);
}

void TQtPrinterDevice::SetCodePageStandard(int standard) { m_drawer.SetCodePage(CodePageCharacters(standard)); }

TQtPrinterDevice::~TQtPrinterDevice() {
    if (m_painter.isActive()) m_painter.end();
}

bool TQtPrinterDevice::HasInstalledPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

bool TQtPrinterDevice::printsToRealPrinter() const {
    return m_printer.outputFormat() == QPrinter::NativeFormat && m_printer.isValid() &&
           !m_printer.printerName().isEmpty();
}

QString TQtPrinterDevice::PrinterName() const { return printsToRealPrinter() ? m_printer.printerName() : QString(); }

void TQtPrinterDevice::MakePdfPrinter(QPrinter& printer, const QString& fileName) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setResolution(TSynEditPrinterInfo::A4At300Dpi().DpiX);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

std::optional<TPrinterGeometry> TQtPrinterDevice::CurrentGeometry() {
    // A PDF file gets the same sheet as the preview shows without a printer.
    if (!printsToRealPrinter()) return std::nullopt;
    const QRect paper = m_printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = m_printer.pageRect(QPrinter::DevicePixel).toRect();
    const int dpi = m_printer.resolution();
    return TPrinterGeometry{paper.width(), paper.height(), page.width(), page.height(),
                            page.left() - paper.left(), page.top() - paper.top(), dpi, dpi};
}

bool TQtPrinterDevice::BeginDocument(const std::string& name, std::string& error) {
    const TPrinterGeometry geometry = CurrentGeometry().value_or(TSynEditPrinterInfo::A4At300Dpi());
    m_printer.setDocName(QString::fromLocal8Bit(name.data(), qsizetype(name.size())));
    m_printer.setFullPage(true);
    // A PDF file is laid out on the sheet the preview shows without a printer.
    if (!printsToRealPrinter()) m_printer.setPageSize(QPageSize(QPageSize::A4));
    if (!m_painter.begin(&m_printer)) {
        error = m_printer.outputFormat() == QPrinter::PdfFormat
                    ? "Nie można zapisać pliku " + m_printer.outputFileName().toStdString() + "."
                    : "Drukarka nie przyjęła wydruku. Sprawdź, czy jest dostępna.";
        return false;
    }
    // The job draws in the geometry's pixels from the printable area's corner.
    const double scale = double(m_printer.resolution()) / geometry.DpiX;
    m_painter.scale(scale, scale);
    m_painter.translate(geometry.LeftGutter, geometry.TopGutter);
    return true;
}

void TQtPrinterDevice::NewPage() { m_printer.newPage(); }

void TQtPrinterDevice::EndDocument() {
    if (m_painter.isActive()) m_painter.end();
}

void TQtPrinterDevice::AbortDocument() {
    m_printer.abort();
    if (m_painter.isActive()) m_painter.end();
}

} // namespace tavlo
