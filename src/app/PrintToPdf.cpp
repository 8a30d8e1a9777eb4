#include "app/PrintToPdf.h"

#include "app/DocumentFiles.h"
#include "app/EditorDocumentView.h"
#include "app/HighlighterChoice.h"
#include "app/PrintJobSetup.h"
#include "app/WindowHighlighters.h"
#include "editor/SynEditTextBuffer.h"
#include "platform/qt/QtPrinterDevice.h"

#include <QFile>
#include <QFileInfo>

namespace tavlo {

int PrintFileToPdf(const QString& fileName, const QString& pdfName, QTextStream& errors) {
    TSynEditStringList lines;
    const QFileInfo info(fileName);
    bool loaded = info.isFile();
    if (loaded) try {
            lines.LoadFile(QFile::encodeName(fileName).toStdString());
        } catch (const std::exception&) { // unreadable, or too big for memory
            loaded = false;
        }
    if (!loaded) {
        errors << QStringLiteral("Nie można otworzyć pliku %1").arg(fileName) << Qt::endl;
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    TQtPrinterDevice::MakePdfPrinter(printer, pdfName);
    TQtPrinterDevice device(printer, 0);
    TWindowHighlighters highlighters;
    TSynEditPrint job(&device);
    ConfigurePrintJob(job);
    TFontDesc font;
    font.Name = EditorFontName();
    SetPrintedDocument(job, lines, highlighters.ForIndex(HighlighterForExtension(FileExtension(fileName))), font);
    job.Title = info.absoluteFilePath().toStdString();
    std::string error;
    if (!job.Print(error)) {
        errors << QString::fromStdString(error) << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace tavlo
