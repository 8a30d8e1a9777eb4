// A second program writing the settings file, for the tests of instances that write at
// the same moment: settings_writer PATH TAG COUNT writes COUNT times a state whose every
// value carries TAG (COUNT 0: until killed).
#include "app/SettingsFile.h"

#include <QCoreApplication>

using namespace tavlo;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) return 2;
    const TSettingsFile file(arguments[1]);
    const int tag = arguments[2].toInt();
    const int count = arguments[3].toInt();
    for (int round = 0; count == 0 || round < count; ++round) {
        TStoredSettings settings = file.Read();
        settings.hasFixedSettings = true;
        settings.fixed.FindText = QStringLiteral("writer %1").arg(tag);
        settings.fixed.TabWidth = tag;
        settings.fixed.FontSizeIndex = tag;
        settings.fixed.WindowLeft = tag;
        settings.hasReopen = true;
        for (auto& slot : settings.reopen)
            slot = QStringLiteral("/writer/%1").arg(tag);
        RememberLastPosition(settings.lastPositions,
                             QByteArray("/writer/") + QByteArray::number(tag) + '/' +
                                 QByteArray::number(round % 80),
                             QDateTime::currentDateTime(), TLastPosition{});
        if (!file.Write(settings)) return 1;
    }
    return 0;
}
