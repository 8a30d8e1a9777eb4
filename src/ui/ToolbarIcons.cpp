#include "ui/ToolbarIcons.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavlo {

const char* const ToolbarIconTheme = "Tango";

namespace {

bool useToolbarIconTheme() {
    // Also where the platform plugin names no icon folders (the offscreen one, say).
    QStringList folders = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!folders.contains(folder)) folders << folder;
    QIcon::setThemeSearchPaths(folders);
    const QString theme = QString::fromLatin1(ToolbarIconTheme);
    for (const QString& folder : folders) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + theme + QStringLiteral("/index.theme"))) {
            QIcon::setThemeName(theme);
            return true;
        }
    }
    return false;
}

} // namespace

QIcon ToolbarIcon(const char* name, QStyle::StandardPixmap fallback) {
    static const bool themeInstalled = useToolbarIconTheme();
    const QIcon styleIcon = QApplication::style()->standardIcon(fallback);
    if (!themeInstalled) return styleIcon;
    return QIcon::fromTheme(QString::fromLatin1(name), styleIcon);
}

} // namespace tavlo
