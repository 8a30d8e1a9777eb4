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
    // The bytes themselves (Qt has taken its own options out): a name that is no text
    // would otherwise be mangled on the way.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
    window.SetCommandLine(arguments);
    window.show();
    return application.exec();
}
