// The print preview window: the pages of the current text as they will be printed, turned
// with the toolbar, and printed after a question, on a printer or into a PDF file.
#pragma once

#include "app/Prompter.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/SynEditPrint.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QStatusBar;
class QToolBar;

namespace tavlo {

class TStatusPanels;
class TSynEditPrintPreviewWidget;
class TSynEditStringList;

class TfrPrintPreview : public QDialog {
    Q_OBJECT

public:
    enum TPanel { pnPage, pnPrinter, pnCount };

    TfrPrintPreview(TPrompter& prompter, const QString& applicationTitle, QWidget* parent = nullptr);
    ~TfrPrintPreview() override;

    // Takes a copy of the text to print; the highlighter is borrowed while the window lives.
    // The fileName (empty for an untitled document) goes into the caption.
    void SetDocument(const TSynEditStringList& lines, TSynCustomHighlighter* highlighter, const TFontDesc& font,
                     int codePageStandard, const QString& fileName);

    TSynEditPrint& SynEditPrint() { return *m_job; }
    TSynEditPrintPreviewWidget& SynEditPrintPreview() { return *m_preview; }
    QString StatusText(int panel) const;

    // Shows the platform's print dialog for the printer; answers whether the user accepted.
    // Tests replace it.
    std::function<bool(QPrinter& printer)> OnChoosePrinter;

    QAction* ToolButtonClose;
    QAction* ToolButtonPrint;
    QAction* ToolButtonPrinterSetup;
    QAction* ToolButtonPrevious;
    QAction* ToolButtonNext;
    // How big the page is shown: the whole page, the page width, or a percentage.
    QComboBox* ComboBoxScale;

    void ToolButtonPrintClick();
    void ToolButtonPrinterSetupClick();
    void ToolButtonPreviousClick();
    void ToolButtonNextClick();
    void ComboBoxScaleActivated(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void buildToolbar(QToolBar* toolbar);
    void refreshStatus();

    TPrompter& m_prompter;
    QString m_applicationTitle;
    QPrinter m_printer{QPrinter::HighResolution};
    std::unique_ptr<TQtPrinterDevice> m_printerDevice;
    std::unique_ptr<TSynEditPrint> m_job;
    TSynEditPrintPreviewWidget* m_preview;
    QStatusBar* m_statusBar;
    std::unique_ptr<TStatusPanels> m_status;
};

} // namespace tavlo
