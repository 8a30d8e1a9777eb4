#include "app/PolishDialogs.h"
#include "app/SettingsStore.h"
#include "app/unMain.h"

#include <QApplication>

int main(int argc, char** argv) {
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
