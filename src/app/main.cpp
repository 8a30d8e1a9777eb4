#include "app/PolishDialogs.h"
#include "app/PrintToPdf.h"
#include "app/SettingsStore.h"
#include "app/unMain.h"

#include <QApplication>

#include <cstring>

namespace {

// tavlo --print-pdf FILE OUT.pdf: prints without a window, so it needs no display.
int PrintToPdf(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        errors << QStringLiteral("Użycie: tavlo --print-pdf PLIK WYJŚCIE.pdf") << Qt::endl;
        return 2;
    }
    return tavlo::PrintFileToPdf(arguments[2], arguments[3], errors);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--print-pdf") == 0) return PrintToPdf(argc, argv);
    QApplication application(argc, argv);
    // Qt's own dialogs and buttons in Polish, like the rest.
    tavlo::InstallQtPolishTranslation(application);
    tavlo::TfrMain window;
    tavlo::TSettingsStore settings(window,
                                   tavlo::TSettingsFile(tavlo::TSettingsFile::DefaultPath()));
    window.SetCommandLine(application.arguments().mid(1));
    window.show();
    return application.exec();
}
