#include "app/PolishTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace tavlo {

bool InstallQtPolishTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void SetPolishButtonTexts(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Yes, "Tak"},
        {QMessageBox::No, "Nie"},
        {QMessageBox::Cancel, "Anuluj"},
        {QMessageBox::Ok, "OK"},
    };
    for (const auto& [which, text] : texts)
        if (QAbstractButton* button = box.button(which)) button->setText(QString::fromUtf8(text));
}

} // namespace tavlo
