#include "MainWindowFixture.h"

#include "app/unPrintPreview.h"
#include "editor/SynEditTextBuffer.h"
#include "highlighters/SynHighlighterPas.h"
#include "platform/qt/SynEditPrintPreviewWidget.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>

namespace tavlo {
namespace {

class PrintPreviewWindowTest : public MainWindowTest {
protected:
    TScriptedPrompter Prompter;
    TSynPasSyn Pascal;
    TfrPrintPreview Preview{Prompter, QStringLiteral("tavlo - [a.pas]")};
    TSynEditStringList Lines;

    void Open(int lineCount, const QString& fileName = QStringLiteral("/tmp/a.pas")) {
        for (int i = 0; i < lineCount; ++i) Lines.InsertLineAt(Lines.Count(), "writeln('wiersz " + std::to_string(i + 1) + "');");
        Preview.resize(900, 700);
        Preview.SetDocument(Lines, &Pascal, TFontDesc{}, 0, fileName);
        Preview.show();
    }
};

TEST_F(PrintPreviewWindowTest, PagePanelAndButtonsFollowThePageShown) {
    Open(200);
    const int count = Preview.SynEditPrintPreview().Preview().PageCount();
    ASSERT_GE(count, 3);
    EXPECT_EQ(Preview.windowTitle(), QStringLiteral("Podgląd wydruku [/tmp/a.pas]"));
    EXPECT_EQ(Preview.StatusText(TfrPrintPreview::pnPage), QStringLiteral("Strona: 1/%1").arg(count));
    EXPECT_FALSE(Preview.ToolButtonPrevious->isEnabled());
    EXPECT_TRUE(Preview.ToolButtonNext->isEnabled());
    EXPECT_EQ(Preview.ToolButtonPrint->toolTip(), QStringLiteral("Drukuj (Ctrl+P)"));
    EXPECT_EQ(Preview.ToolButtonNext->shortcut(), QKeySequence(QStringLiteral("Ctrl+PgDown")));

    for (int i = 1; i < count + 2; ++i) Preview.ToolButtonNextClick();
    EXPECT_EQ(Preview.StatusText(TfrPrintPreview::pnPage), QStringLiteral("Strona: %1/%1").arg(count));
    EXPECT_FALSE(Preview.ToolButtonNext->isEnabled());
    EXPECT_TRUE(Preview.ToolButtonPrevious->isEnabled());
    Preview.ToolButtonPreviousClick();
    EXPECT_EQ(Preview.StatusText(TfrPrintPreview::pnPage), QStringLiteral("Strona: %1/%2").arg(count - 1).arg(count));
    if (!TQtPrinterDevice::HasInstalledPrinter()) {
        EXPECT_EQ(Preview.StatusText(TfrPrintPreview::pnPrinter), QString());
    }

    // The window's wheel scrolls the preview by 100 pixels.
    TSynEditPrintPreview& preview = Preview.SynEditPrintPreview().Preview();
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&Preview, &wheel);
    EXPECT_EQ(preview.ScrollPosition().Y, -100);
}

TEST_F(PrintPreviewWindowTest, AnUntitledDocumentHasThePlainCaption) {
    Open(1, QString());
    EXPECT_EQ(Preview.windowTitle(), QStringLiteral("Podgląd wydruku"));
    EXPECT_EQ(Preview.StatusText(TfrPrintPreview::pnPage), QStringLiteral("Strona: 1/1"));
    EXPECT_FALSE(Preview.ToolButtonNext->isEnabled());
}

TEST_F(PrintPreviewWindowTest, PrintingAsksFirstAndWithoutAPrinterWritesThePdfChosenInTheDialog) {
    Open(120);
    const QString pdf = PathOf(QStringLiteral("wydruk.pdf"));
    int dialogs = 0;
    Preview.OnChoosePrinter = [&](QPrinter& printer) {
        ++dialogs;
        TQtPrinterDevice::MakePdfPrinter(printer, pdf);
        return true;
    };

    Prompter.answers = {TPromptAnswer::No};
    Preview.ToolButtonPrintClick();
    ASSERT_EQ(Prompter.shown.size(), 1u);
    EXPECT_EQ(Prompter.shown[0].text, QStringLiteral("Czy wydrukować aktualny widok?"));
    EXPECT_EQ(Prompter.shown[0].caption, QStringLiteral("tavlo - [a.pas]"));
    EXPECT_EQ(Prompter.shown[0].icon, TPromptIcon::Question);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(dialogs, 0);

    Prompter.answers = {TPromptAnswer::Yes};
    Preview.ToolButtonPrintClick();
    if (TQtPrinterDevice::HasInstalledPrinter()) GTEST_SKIP() << "a printer is installed here";
    EXPECT_EQ(dialogs, 1);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const QByteArray bytes = Contents(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
              Preview.SynEditPrintPreview().Preview().PageCount());

    // A file that cannot be written gives a message, not a silent success.
    Prompter.answers = {TPromptAnswer::Yes};
    Preview.OnChoosePrinter = [&](QPrinter& printer) {
        TQtPrinterDevice::MakePdfPrinter(printer, PathOf(QStringLiteral("brak/wydruk.pdf")));
        return true;
    };
    Preview.ToolButtonPrinterSetupClick();
    Preview.ToolButtonPrintClick();
    ASSERT_EQ(Prompter.shown.size(), 4u);
    EXPECT_TRUE(Prompter.shown[3].text.startsWith(QStringLiteral("Nie można zapisać pliku")));
    EXPECT_EQ(Prompter.shown[3].icon, TPromptIcon::Error);
}

TEST_F(PrintPreviewWindowTest, WholePageModeTurnsPagesWithTheScrollBarAndShowsTheHint) {
    Open(200);
    TSynEditPrintPreviewWidget& widget = Preview.SynEditPrintPreview();
    EXPECT_EQ(Preview.ComboBoxScale->currentText(), QStringLiteral("100 %"));
    Preview.ComboBoxScaleActivated(0);
    EXPECT_EQ(widget.Preview().ScaleMode(), pscWholePage);
    QScrollBar* bar = widget.verticalScrollBar();
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), widget.Preview().PageCount());
    bar->setSliderDown(true);
    bar->setSliderPosition(3);
    EXPECT_EQ(widget.Preview().PageNumber(), 3);
    ASSERT_NE(widget.PageHint(), nullptr);
    EXPECT_TRUE(widget.PageHint()->isVisible());
    EXPECT_EQ(widget.PageHint()->text(), QStringLiteral("Page: 3"));
    bar->setSliderDown(false);
    EXPECT_FALSE(widget.PageHint()->isVisible());
    EXPECT_EQ(widget.Preview().PageNumber(), 3);

    Preview.ComboBoxScaleActivated(Preview.ComboBoxScale->findText(QStringLiteral("50 %")));
    EXPECT_EQ(widget.Preview().ScaleMode(), pscUserScaled);
    EXPECT_EQ(widget.Preview().ScalePercent(), 50);
    Preview.ComboBoxScaleActivated(1);
    EXPECT_EQ(widget.Preview().ScaleMode(), pscPageWidth);
}

TEST_F(MainWindowTest, PrintItemIsEnabledForEveryDocument) {
    window->show();
    EXPECT_TRUE(window->TBXItemPrint->isEnabled());
    EXPECT_EQ(window->TBXItemPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
}

} // namespace
} // namespace tavlo
