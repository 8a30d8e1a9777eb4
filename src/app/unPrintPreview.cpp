#include "app/unPrintPreview.h"

#include "app/PrintJobSetup.h"
#include "editor/PolishCharsets.h"
#include "platform/qt/SynEditPrintPreviewWidget.h"
#include "ui/MenuActions.h"
#include "ui/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tavlo {

namespace {

const QString kCaption = QStringLiteral("Podgląd wydruku");
// Entries of the scale box after "Cała strona" and "Szerokość strony".
constexpr int kScalePercents[] = {25, 50, 75, 100, 150, 200, 400};
constexpr int kFirstPercentEntry = 2;
constexpr int kWindowWheelStep = 100;

QIcon StandardIcon(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

} // namespace

TfrPrintPreview::TfrPrintPreview(TPrompter& prompter, const QString& applicationTitle, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_applicationTitle(applicationTitle) {
    setWindowTitle(kCaption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_printerDevice = std::make_unique<TQtPrinterDevice>(m_printer, 0);
    m_job = std::make_unique<TSynEditPrint>(m_printerDevice.get());
    ConfigurePrintJob(*m_job);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toolbar = new QToolBar(this);
    buildToolbar(toolbar);
    layout->addWidget(toolbar);
    m_preview = new TSynEditPrintPreviewWidget(this);
    layout->addWidget(m_preview, 1);
    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);
    layout->addWidget(m_statusBar);
    m_status = std::make_unique<TStatusPanels>(
        m_statusBar, std::vector<TPanelLayout>{{80, Qt::AlignCenter, false, Qt::ElideNone, {}},
                                               {300, Qt::AlignLeft | Qt::AlignVCenter, false, Qt::ElideRight, {}}});

    m_preview->Preview().SetMeasuringDrawer(&m_preview->Drawer());
    m_preview->Preview().SetSynEditPrint(m_job.get());
    OnChoosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

TfrPrintPreview::~TfrPrintPreview() {
    // The preview draws the job until it is told otherwise.
    m_preview->Preview().SetSynEditPrint(nullptr);
}

void TfrPrintPreview::buildToolbar(QToolBar* toolbar) {
    toolbar->setMovable(false);
    // Icons with hints; "Zamknij" has no icon and shows its text.
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolButtonClose = MakeAction(this, QStringLiteral("Zamknij"));
    ToolButtonPrint = MakeAction(this, QStringLiteral("Drukuj"), QKeySequence(QStringLiteral("Ctrl+P")),
                                 QStringLiteral("Drukuj (Ctrl+P)"));
    ToolButtonPrinterSetup =
        MakeAction(this, QStringLiteral("Ustawienia wydruku"), QKeySequence(QStringLiteral("Ctrl+Shift+P")),
                   QStringLiteral("Ustawienia wydruku (Ctrl+Shift+P)"));
    ToolButtonPrevious = MakeAction(this, QStringLiteral("Poprzednia strona"), QKeySequence(QStringLiteral("Ctrl+PgUp")),
                                    QStringLiteral("Poprzednia strona (Ctrl+PgUp)"));
    ToolButtonNext = MakeAction(this, QStringLiteral("Następna strona"), QKeySequence(QStringLiteral("Ctrl+PgDown")),
                                QStringLiteral("Następna strona (Ctrl+PgDn)"));
    ToolButtonPrint->setIcon(StandardIcon(QStyle::SP_DialogSaveButton));
    ToolButtonPrinterSetup->setIcon(StandardIcon(QStyle::SP_FileDialogDetailedView));
    ToolButtonPrevious->setIcon(StandardIcon(QStyle::SP_ArrowBack));
    ToolButtonNext->setIcon(StandardIcon(QStyle::SP_ArrowForward));

    toolbar->addAction(ToolButtonClose);
    toolbar->addSeparator();
    toolbar->addAction(ToolButtonPrint);
    toolbar->addAction(ToolButtonPrinterSetup);
    toolbar->addSeparator();
    toolbar->addAction(ToolButtonPrevious);
    toolbar->addAction(ToolButtonNext);
    toolbar->addSeparator();
    QStringList scales{QStringLiteral("Cała strona"), QStringLiteral("Szerokość strony")};
    for (int percent : kScalePercents) scales << QStringLiteral("%1 %").arg(percent);
    ComboBoxScale = MakeDropDownList(toolbar, scales, int(scales.size()));
    ComboBoxScale->setCurrentIndex(kFirstPercentEntry + 3);
    ComboBoxScale->setToolTip(QStringLiteral("Skala podglądu"));
    toolbar->addWidget(ComboBoxScale);
    for (QAction* action : toolbar->actions()) addAction(action);

    connect(ToolButtonClose, &QAction::triggered, this, &QDialog::close);
    connect(ToolButtonPrint, &QAction::triggered, this, &TfrPrintPreview::ToolButtonPrintClick);
    connect(ToolButtonPrinterSetup, &QAction::triggered, this, &TfrPrintPreview::ToolButtonPrinterSetupClick);
    connect(ToolButtonPrevious, &QAction::triggered, this, &TfrPrintPreview::ToolButtonPreviousClick);
    connect(ToolButtonNext, &QAction::triggered, this, &TfrPrintPreview::ToolButtonNextClick);
    connect(ComboBoxScale, &QComboBox::activated, this, &TfrPrintPreview::ComboBoxScaleActivated);
}

void TfrPrintPreview::SetDocument(const TSynEditStringList& lines, TSynCustomHighlighter* highlighter,
                                  const TFontDesc& font, int codePageStandard, const QString& fileName) {
    m_printerDevice->SetCodePageStandard(codePageStandard);
    m_preview->Drawer().SetCodePage(CodePageCharacters(codePageStandard));
    SetPrintedDocument(*m_job, lines, highlighter, font);
    m_job->Title = fileName.toStdString();
    m_preview->Preview().UpdatePreview();
    setWindowTitle(fileName.isEmpty() ? kCaption : kCaption + QStringLiteral(" [") + fileName + QStringLiteral("]"));
    refreshStatus();
}

QString TfrPrintPreview::StatusText(int panel) const { return m_status->Text(panel); }

void TfrPrintPreview::refreshStatus() {
    TSynEditPrintPreview& preview = m_preview->Preview();
    const int page = preview.PageNumber();
    const int count = preview.PageCount();
    m_status->SetText(pnPage, QStringLiteral("Strona: %1/%2").arg(page).arg(count));
    const QString printer = m_printerDevice->PrinterName();
    m_status->SetText(pnPrinter, printer.isEmpty() ? QString() : QStringLiteral("Drukarka: ") + printer);
    ToolButtonPrevious->setEnabled(page > 1);
    ToolButtonNext->setEnabled(page < count);
}

void TfrPrintPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refreshStatus();
}

void TfrPrintPreview::ToolButtonPrintClick() {
    const TPromptAnswer answer = m_prompter.ShowMessage({m_applicationTitle,
                                                         QStringLiteral("Czy wydrukować aktualny widok?"),
                                                         TPromptIcon::Question, TPromptButtons::YesNo});
    if (answer != TPromptAnswer::Yes) return;
    // Without a printer the pages can still go to a PDF file chosen in the print dialog.
    if (m_printerDevice->PrinterName().isEmpty() && m_printer.outputFileName().isEmpty() &&
        !OnChoosePrinter(m_printer))
        return;
    std::string error;
    if (!m_preview->Preview().Print(error))
        m_prompter.ShowMessage({m_applicationTitle, QString::fromStdString(error), TPromptIcon::Error});
    refreshStatus();
}

void TfrPrintPreview::ToolButtonPrinterSetupClick() {
    OnChoosePrinter(m_printer);
    refreshStatus();
}

void TfrPrintPreview::ToolButtonPreviousClick() {
    m_preview->Preview().PreviousPage();
    refreshStatus();
}

void TfrPrintPreview::ToolButtonNextClick() {
    m_preview->Preview().NextPage();
    refreshStatus();
}

void TfrPrintPreview::ComboBoxScaleActivated(int index) {
    TSynEditPrintPreview& preview = m_preview->Preview();
    if (index == 0) preview.SetScaleMode(pscWholePage);
    if (index == 1) preview.SetScaleMode(pscPageWidth);
    if (index >= kFirstPercentEntry && index < kFirstPercentEntry + int(std::size(kScalePercents)))
        preview.SetScalePercent(kScalePercents[index - kFirstPercentEntry]);
    refreshStatus();
}

void TfrPrintPreview::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) m_preview->Preview().ScrollVerticallyBy(delta > 0 ? kWindowWheelStep : -kWindowWheelStep);
    event->accept();
}

} // namespace tavlo
