#include "app/QtPrompter.h"

#include "app/PolishDialogs.h"
#include "app/dlgConfirmReplace.h"
#include "app/dlgReplaceText.h"
#include "app/unConvertPLChars.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tavlo {

TQtPrompter::TQtPrompter(QWidget* parent) : m_parent(parent) {}

// The confirmation dialog is the window's child: it must go before the window does.
TQtPrompter::~TQtPrompter() = default;

namespace {

// The file the user chose; empty when the dialog was cancelled.
std::optional<QString> chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

TPromptAnswer TQtPrompter::ShowMessage(const TPromptMessage& message) {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(message, m_parent);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return TPromptAnswer::Yes;
    case QMessageBox::No:
        return TPromptAnswer::No;
    case QMessageBox::Ok:
        return TPromptAnswer::Ok;
    default:
        break;
    }
    // Esc or the close button: a Yes/No box has no Cancel, so it means No there.
    return message.buttons == TPromptButtons::YesNo ? TPromptAnswer::No : TPromptAnswer::Cancel;
}

std::optional<QString> TQtPrompter::ChooseFileToOpen(const QString& startFolder,
                                                     const QString& filter) {
    return chosenFile(*MakeFileDialog(m_parent, QFileDialog::AcceptOpen, QStringLiteral("Otwórz"),
                                      startFolder, filter));
}

std::optional<QString> TQtPrompter::ChooseFileToSave(const QString& suggestedName,
                                                     const QString& startFolder,
                                                     const QString& filter) {
    const QString start = suggestedName.isEmpty() ? startFolder : suggestedName;
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(
        m_parent, QFileDialog::AcceptSave, QStringLiteral("Zapisz jako"), start, filter);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return chosenFile(*dialog);
}

std::optional<QString> TQtPrompter::AskText(const QString& caption, const QString& prompt,
                                            const QString& initial) {
    const std::unique_ptr<QInputDialog> dialog =
        MakeInputDialog(m_parent, caption, prompt, initial);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->textValue();
}

std::optional<TConversionChoice> TQtPrompter::ChooseConversion(int from) {
    TfrConvertPLChars dialog(m_parent, from);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return TConversionChoice{dialog.ComboBoxCharsetFrom->currentIndex(),
                             dialog.ComboBoxCharsetTo->currentIndex()};
}

bool TQtPrompter::RunSearchDialog(TSearchDialogValues& values, bool replace) {
    std::unique_ptr<TTextSearchDialog> dialog = replace
                                                    ? std::make_unique<TTextReplaceDialog>(m_parent)
                                                    : std::make_unique<TTextSearchDialog>(m_parent);
    dialog->SetValues(values);
    if (dialog->exec() != QDialog::Accepted) return false;
    values = dialog->Values();
    return true;
}

TReplaceAnswer TQtPrompter::ConfirmReplace(const TReplaceQuestion& question) {
    if (!m_confirmation) m_confirmation = std::make_unique<TConfirmReplaceDialog>(m_parent);
    m_confirmation->SetReplacement(question.replacement);
    // The window frame the dialog gets is the one the main window has.
    const QWidget* window = m_parent->window();
    const QSize frame =
        m_confirmation->size() + window->frameGeometry().size() - window->geometry().size();
    m_confirmation->move(ConfirmReplacePosition(frame, question.windowClient, question.matchTopLeft,
                                                question.lineBottom));
    switch (m_confirmation->exec()) {
    case TConfirmReplaceDialog::Yes:
        return TReplaceAnswer::Yes;
    case TConfirmReplaceDialog::No:
        return TReplaceAnswer::No;
    case TConfirmReplaceDialog::All:
        return TReplaceAnswer::All;
    default:
        return TReplaceAnswer::Cancel;
    }
}

void TQtPrompter::EndReplaceQuestions() {
    m_confirmation.reset();
}

void TQtPrompter::Beep() {
    QApplication::beep();
}

} // namespace tavlo
