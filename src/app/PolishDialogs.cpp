#include "app/PolishDialogs.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QTreeView>

namespace tavlo {

namespace {

// Wide enough for the name, size, kind and date columns side by side.
const QSize kFileDialogSize(820, 520);

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

bool InstallQtPolishTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

std::unique_ptr<QMessageBox> MakeMessageBox(const TPromptMessage& message, QWidget* parent) {
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
    auto box = std::make_unique<QMessageBox>(boxIcon(message.icon), message.caption, text, buttons,
                                             parent);
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Yes, "Tak"},
        {QMessageBox::No, "Nie"},
        {QMessageBox::Cancel, "Anuluj"},
        {QMessageBox::Ok, "OK"},
    };
    for (const auto& [which, caption] : texts)
        if (QAbstractButton* button = box->button(which))
            button->setText(QString::fromUtf8(caption));
    const TPromptAnswer preferred =
        message.defaultAnswer == TPromptAnswer::Ok ? firstButton : message.defaultAnswer;
    box->setDefaultButton(boxButton(preferred));
    return box;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const QString& caption, const QString& start,
                                            const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, caption, start, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setViewMode(QFileDialog::Detail);
    // The words of the program's own menu, also where Qt's translation is missing.
    dialog->setLabelText(QFileDialog::Accept, mode == QFileDialog::AcceptOpen
                                                  ? QStringLiteral("&Otwórz")
                                                  : QStringLiteral("&Zapisz"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Anuluj"));
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Szukaj w:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Nazwa &pliku:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Pliki rodzaju:"));
    dialog->resize(kFileDialogSize);
    // The name takes what the size, kind and date leave, instead of clipping them.
    if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return dialog;
}

std::unique_ptr<QInputDialog> MakeInputDialog(QWidget* parent, const QString& caption,
                                              const QString& prompt, const QString& initial) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(caption);
    dialog->setLabelText(prompt);
    dialog->setTextValue(initial);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Anuluj"));
    return dialog;
}

} // namespace tavlo
