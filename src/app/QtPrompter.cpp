#include "app/QtPrompter.h"

#include "app/PolishDialogs.h"
#include "app/unConvertPLChars.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tavlo {

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

void TQtPrompter::Beep() {
    QApplication::beep();
}

} // namespace tavlo
