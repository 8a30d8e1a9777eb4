#include "app/BatchConvert.h"

#include "editor/PolishCharsets.h"
#include "editor/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <fstream>
#include <iterator>
#include <ostream>

namespace tavlo {

namespace {

// "1 literę", "2 litery", "5 liter", "22 litery", "12 liter".
QString Letters(int64_t count) {
    const int64_t lastDigit = count % 10;
    const int64_t lastTwo = count % 100;
    QString word = QStringLiteral("liter");
    if (count == 1)
        word = QStringLiteral("literę");
    else if (lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = QStringLiteral("litery");
    return QStringLiteral("%1 %2").arg(count).arg(word);
}

bool ReadWholeFile(const std::string& name, std::string& bytes) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool MayWrite(const QFileInfo& info) {
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

int64_t CountConvertedLetters(const std::string& bytes, int from, int to) {
    std::string converted = bytes;
    ConvertPolishChars(converted, from, to);
    int64_t changed = 0;
    for (size_t i = 0; i < bytes.size(); ++i) changed += bytes[i] != converted[i];
    return changed;
}

int ConvertFiles(const QStringList& files, int from, int to, bool dryRun, QTextStream& out, QTextStream& errors) {
    int exitCode = 0;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const std::string name = QFile::encodeName(file).toStdString();
        auto fail = [&](const QString& why) {
            errors << QStringLiteral("%1: %2").arg(file, why) << Qt::endl;
            exitCode = 1;
        };
        std::string bytes;
        if (!info.exists()) {
            fail(QStringLiteral("nie ma takiego pliku"));
            continue;
        }
        if (!info.isFile()) {
            fail(info.isDir() ? QStringLiteral("to jest folder, nie plik") : QStringLiteral("to nie jest zwykły plik"));
            continue;
        }
        if (!ReadWholeFile(name, bytes)) {
            fail(QStringLiteral("nie można odczytać pliku"));
            continue;
        }
        const int64_t changed = CountConvertedLetters(bytes, from, to);
        if (dryRun) {
            out << QStringLiteral("%1: do zmiany %2").arg(file, Letters(changed)) << Qt::endl;
            continue;
        }
        if (changed == 0) {
            out << QStringLiteral("%1: bez zmian").arg(file) << Qt::endl;
            continue;
        }
        if (!MayWrite(info)) {
            fail(QStringLiteral("plik jest tylko do odczytu; nie zmieniono go"));
            continue;
        }
        ConvertPolishChars(bytes, from, to);
        try {
            WriteFileSafely(name, [&bytes](std::ostream& stream) { stream.write(bytes.data(), std::streamsize(bytes.size())); });
        } catch (const std::exception& error) {
            fail(QStringLiteral("nie można zapisać pliku; zostaje taki, jaki był (%1)").arg(QString::fromLocal8Bit(error.what())));
            continue;
        }
        out << QStringLiteral("%1: zmieniono %2").arg(file, Letters(changed)) << Qt::endl;
    }
    return exitCode;
}

} // namespace tavlo
