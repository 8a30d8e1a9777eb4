// The settings file of the user: an INI file written through QSettings, with the groups
// "FixedSettings", "Reopen" and "LastPositions". Reading takes what is there and sound in
// kind; writing replaces the whole file at once, so that a crash or a second instance
// writing at the same moment leaves one complete file.
#pragma once

#include "app/LastPositions.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tavlo {

constexpr int ReopenSlotCount = 10;

struct TFixedSettings {
    std::optional<QString> FindText;
    std::optional<QString> ReplaceText;
    std::optional<bool> CaseSensitive;
    std::optional<bool> WholeWords;
    std::optional<bool> FromCaret;
    std::optional<bool> SelectionOnly;
    std::optional<int> TabWidth;
    std::optional<int> FontSizeIndex;
    std::optional<int> WindowLeft;
    std::optional<int> WindowTop;
    std::optional<int> WindowWidth;
    std::optional<int> WindowHeight;
    std::optional<int> WindowState;
    bool operator==(const TFixedSettings&) const = default;
};

// Everything the file holds; an absent value or group stays empty.
struct TStoredSettings {
    bool hasFixedSettings = false;
    TFixedSettings fixed;
    bool hasReopen = false;
    std::array<std::optional<QString>, ReopenSlotCount> reopen;
    std::vector<TLastPositionEntry> lastPositions;
};

// Value names may hold any bytes (a full path, with '/' that QSettings takes for a group
// separator); they are kept as letters, digits, '.' and '-', everything else as "_XX".
QString EscapeValueName(const QByteArray& name);
// Empty for a name that escaping never produces.
std::optional<QByteArray> UnescapeValueName(const QString& key);

class TSettingsFile {
public:
    explicit TSettingsFile(QString path) : m_path(std::move(path)) {}

    // The user's file in the XDG configuration folder: BRENWICK/tavlo.ini.
    static QString DefaultPath();
    const QString& Path() const { return m_path; }

    // A missing, unreadable, oversized or malformed file reads as empty.
    TStoredSettings Read() const;
    // Writes a new file beside the old one and puts it in its place; false, with the old
    // file untouched, when that fails.
    bool Write(const TStoredSettings& settings) const;

private:
    QString m_path;
};

} // namespace tavlo
