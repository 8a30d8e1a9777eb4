// What the main window remembers between runs: the search settings, tab width, font size,
// window placement, recent files and the last position in each recently edited file. The
// store answers the window's settings hooks and keeps everything in a TSettingsFile.
#pragma once

#include "app/SettingsFile.h"

#include <QDateTime>
#include <functional>

namespace tavlo {

class TfrMain;

class TSettingsStore {
public:
    // Takes over the window's settings hooks until the store is destroyed.
    TSettingsStore(TfrMain& window, TSettingsFile file);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    void LoadSettings();
    void SaveSettings();
    void StoreLastPosition();
    // Answers whether the file had a stored position.
    bool RestoreLastPosition();

    // The time written into last-position names; tests set their own.
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

private:
    void applySearchAndTabWidth(const TFixedSettings& fixed);
    void applyWindowPlacement(const TFixedSettings& fixed);
    void applyLastPosition(const TLastPosition& position);
    // The window's values over the stored ones (a maximised window keeps the stored placement).
    TFixedSettings currentFixedSettings(TFixedSettings fixed) const;
    TLastPosition currentLastPosition() const;
    QByteArray currentFileName() const;

    TfrMain& m_window;
    TSettingsFile m_file;
};

} // namespace tavlo
