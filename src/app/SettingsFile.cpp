#include "app/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>

namespace tavlo {

namespace {

// Far beyond what 50 positions and the fixed values take; a bigger file is not ours.
constexpr qint64 kLargestFile = 8 * 1024 * 1024;
constexpr char kEscape = '_';
// New files are written under the settings file's name followed by this and a random part.
const QString kFreshSuffix = QStringLiteral(".new-");
// A new file older than this was left by a writer that died before putting it in place.
constexpr qint64 kAbandonedAfterSeconds = 600;

const QString kFixedSettings = QStringLiteral("FixedSettings");
const QString kReopen = QStringLiteral("Reopen");
const QString kLastPositions = QStringLiteral("LastPositions");

// The values of "FixedSettings" by kind: name and the member that holds it.
template <typename T> struct TNamedValue {
    const char* name;
    std::optional<T> TFixedSettings::*member;
};
const TNamedValue<QString> kTextValues[] = {
    {"FindText", &TFixedSettings::FindText},
    {"ReplaceText", &TFixedSettings::ReplaceText},
};
const TNamedValue<bool> kBooleanValues[] = {
    {"SearchReplaceCaseSensitive", &TFixedSettings::CaseSensitive},
    {"SearchReplaceWholeWords", &TFixedSettings::WholeWords},
    {"SearchReplaceFromCaret", &TFixedSettings::FromCaret},
    {"SearchReplaceSelectionOnly", &TFixedSettings::SelectionOnly},
};
const TNamedValue<int> kNumberValues[] = {
    {"TabWidth", &TFixedSettings::TabWidth},       {"FontSizeIDX", &TFixedSettings::FontSizeIndex},
    {"windowLeft", &TFixedSettings::WindowLeft},   {"windowTop", &TFixedSettings::WindowTop},
    {"windowWidth", &TFixedSettings::WindowWidth}, {"windowHeight", &TFixedSettings::WindowHeight},
    {"windowState", &TFixedSettings::WindowState},
};

bool keptAsItIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
}

int hexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
    return -1;
}

QString reopenName(int slot) {
    return kReopen + QString::number(slot);
}

// A text value; a list is what QSettings makes of a text with commas written by hand.
std::optional<QString> readText(const QSettings& ini, const QString& name) {
    const QVariant value = ini.value(name);
    if (value.typeId() == QMetaType::QString) return value.toString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return std::nullopt;
}

std::optional<int> readNumber(const QSettings& ini, const QString& name) {
    const std::optional<QString> text = readText(ini, name);
    if (!text) return std::nullopt;
    bool isNumber = false;
    const int value = text->trimmed().toInt(&isNumber, 10);
    if (!isNumber) return std::nullopt;
    return value;
}

std::optional<bool> readBoolean(const QSettings& ini, const QString& name) {
    const std::optional<int> number = readNumber(ini, name);
    if (!number) return std::nullopt;
    return *number != 0;
}

void readFixedSettings(QSettings& ini, TFixedSettings& fixed) {
    ini.beginGroup(kFixedSettings);
    for (const auto& [name, member] : kTextValues)
        fixed.*member = readText(ini, QLatin1String(name));
    for (const auto& [name, member] : kBooleanValues)
        fixed.*member = readBoolean(ini, QLatin1String(name));
    for (const auto& [name, member] : kNumberValues)
        fixed.*member = readNumber(ini, QLatin1String(name));
    ini.endGroup();
}

void writeFixedSettings(QSettings& ini, const TFixedSettings& fixed) {
    ini.beginGroup(kFixedSettings);
    for (const auto& [name, member] : kTextValues)
        if (fixed.*member) ini.setValue(QLatin1String(name), *(fixed.*member));
    // Booleans are the numbers 1 and 0.
    for (const auto& [name, member] : kBooleanValues)
        if (fixed.*member) ini.setValue(QLatin1String(name), *(fixed.*member) ? 1 : 0);
    for (const auto& [name, member] : kNumberValues)
        if (fixed.*member) ini.setValue(QLatin1String(name), *(fixed.*member));
    ini.endGroup();
}

void removeAbandonedFreshFiles(const QFileInfo& target) {
    const QDateTime abandoned = QDateTime::currentDateTime().addSecs(-kAbandonedAfterSeconds);
    const QStringList pattern{target.fileName() + kFreshSuffix + QLatin1Char('*')};
    for (const QFileInfo& left : target.absoluteDir().entryInfoList(pattern, QDir::Files))
        if (left.lastModified() < abandoned) QFile::remove(left.absoluteFilePath());
}

} // namespace

QString EscapeValueName(const QByteArray& name) {
    static const char digits[] = "0123456789ABCDEF";
    QString key;
    key.reserve(name.size());
    for (const char c : name) {
        if (keptAsItIs(c)) {
            key += QLatin1Char(c);
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        key += QLatin1Char(kEscape);
        key += QLatin1Char(digits[byte >> 4]);
        key += QLatin1Char(digits[byte & 15]);
    }
    return key;
}

std::optional<QByteArray> UnescapeValueName(const QString& key) {
    QByteArray name;
    name.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key[i];
        if (c.unicode() < 128 && keptAsItIs(char(c.unicode()))) {
            name += char(c.unicode());
            continue;
        }
        if (c != QLatin1Char(kEscape) || i + 2 >= key.size()) return std::nullopt;
        const int high = hexDigit(key[i + 1]);
        const int low = hexDigit(key[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        name += char(high * 16 + low);
        i += 2;
    }
    return name;
}

QString TSettingsFile::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/BRENWICK/tavlo.ini");
}

TStoredSettings TSettingsFile::Read() const {
    TStoredSettings settings;
    // Only a plain file of a sane size: a folder, a pipe or a huge file is not ours.
    const QFileInfo info(m_path);
    if (!info.isFile() || info.size() > kLargestFile) return settings;
    // QSettings keeps what it parsed per file name and parses again only when the file's
    // size or time changed, so a file rewritten within one tick of the clock at the same
    // size would read as the old one. A private copy under a new name is always parsed.
    QFile source(m_path);
    if (!source.open(QIODevice::ReadOnly)) return settings;
    const QByteArray bytes = source.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) return settings;
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("tavlo-settings-XXXXXX.ini")));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) return settings;
    QSettings ini(copy.fileName(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) return settings;

    const QStringList groups = ini.childGroups();
    settings.hasFixedSettings = groups.contains(kFixedSettings);
    if (settings.hasFixedSettings) readFixedSettings(ini, settings.fixed);

    settings.hasReopen = groups.contains(kReopen);
    ini.beginGroup(kReopen);
    for (int slot = 0; slot < ReopenSlotCount; ++slot)
        settings.reopen[size_t(slot)] = readText(ini, reopenName(slot));
    ini.endGroup();

    ini.beginGroup(kLastPositions);
    for (const QString& key : ini.childKeys()) {
        const std::optional<QByteArray> name = UnescapeValueName(key);
        const std::optional<QString> data = readText(ini, key);
        if (name && data) settings.lastPositions.push_back({*name, *data});
    }
    ini.endGroup();
    return settings;
}

bool TSettingsFile::Write(const TStoredSettings& settings) const {
    const QFileInfo target(m_path);
    if (!QDir().mkpath(target.absolutePath())) return false;
    // A fresh file beside the old one, renamed over it once complete.
    QTemporaryFile fresh(m_path + kFreshSuffix + QStringLiteral("XXXXXX"));
    fresh.setAutoRemove(false);
    if (!fresh.open()) return false;
    const QString freshPath = fresh.fileName();
    fresh.close();
    bool written = false;
    {
        QSettings ini(freshPath, QSettings::IniFormat);
        if (settings.hasFixedSettings) writeFixedSettings(ini, settings.fixed);
        if (settings.hasReopen) {
            ini.beginGroup(kReopen);
            for (int slot = 0; slot < ReopenSlotCount; ++slot)
                ini.setValue(reopenName(slot), settings.reopen[size_t(slot)].value_or(QString()));
            ini.endGroup();
        }
        ini.beginGroup(kLastPositions);
        for (const TLastPositionEntry& entry : settings.lastPositions)
            ini.setValue(EscapeValueName(entry.name), entry.data);
        ini.endGroup();
        ini.sync();
        written = ini.status() == QSettings::NoError;
    }
    if (written && std::rename(QFile::encodeName(freshPath).constData(),
                               QFile::encodeName(m_path).constData()) == 0) {
        removeAbandonedFreshFiles(target);
        return true;
    }
    QFile::remove(freshPath);
    return false;
}

} // namespace tavlo
