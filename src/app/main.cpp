#include "app/unMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The dialogs' own buttons ("Tak", "Nie", "Anuluj") in Polish, like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTexts);
    tavlo::TfrMain window;
    window.SetCommandLine(application.arguments().mid(1));
    window.show();
    return application.exec();
}
