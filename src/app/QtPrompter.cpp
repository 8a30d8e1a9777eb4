#include "app/QtPrompter.h"

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

QMessageBox::Icon boxIcon(TPromptIcon icon) {
    switch (icon) {
    case TPromptIcon::Information:
        return QMessageBox::Information;
    case TPromptIcon::Question:
        return QMessageBox::Question;
    case TPromptIcon::Warning:
        return QMessageBox::Warning;
    case TPromptIcon::Error:
        return QMessageBox::Critical;
    case TPromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(TPromptAnswer answer) {
    switch (answer) {
    case TPromptAnswer::Yes:
        return QMessageBox::Yes;
    case TPromptAnswer::No:
        return QMessageBox::No;
    case TPromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case TPromptAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

TPromptAnswer TQtPrompter::ShowMessage(const TPromptMessage& message) {
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    TPromptAnswer firstButton = TPromptAnswer::Ok;
    if (message.buttons == TPromptButtons::YesNo) {
        buttons = QMessageBox::Yes | QMessageBox::No;
        firstButton = TPromptAnswer::Yes;
    } else if (message.buttons == TPromptButtons::YesNoCancel) {
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        firstButton = TPromptAnswer::Yes;
    }
    QString text = message.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(boxIcon(message.icon), message.caption, text, buttons, m_parent);
    const TPromptAnswer preferred =
        message.defaultAnswer == TPromptAnswer::Ok ? firstButton : message.defaultAnswer;
    box.setDefaultButton(boxButton(preferred));
    switch (box.exec()) {
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
    const QString name =
        QFileDialog::getOpenFileName(m_parent, QStringLiteral("Otwórz"), startFolder, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> TQtPrompter::ChooseFileToSave(const QString& suggestedName,
                                                     const QString& startFolder,
                                                     const QString& filter) {
    const QString start = suggestedName.isEmpty() ? startFolder : suggestedName;
    const QString name =
        QFileDialog::getSaveFileName(m_parent, QStringLiteral("Zapisz jako"), start, filter,
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> TQtPrompter::AskText(const QString& caption, const QString& prompt,
                                            const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
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
