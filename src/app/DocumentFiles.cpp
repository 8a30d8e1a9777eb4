#include "app/DocumentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace tavlo {

std::string NativeFileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

int64_t FileSizeOnDisk(const QString& name) {
    if (name.isEmpty()) return -1;
    struct stat info {};
    if (::stat(NativeFileName(name).c_str(), &info) != 0) return -1;
    return int64_t(info.st_size);
}

QString FileSizeText(int64_t size, const QString& decimalSeparator) {
    if (size < 1024) return QString::number(size) + QStringLiteral(" B");
    int64_t divisor = int64_t(1) << 30;
    QString unit = QStringLiteral(" GB");
    if (size < (int64_t(1) << 20)) {
        divisor = 1024;
        unit = QStringLiteral(" kB");
    } else if (size < (int64_t(1) << 30)) {
        divisor = int64_t(1) << 20;
        unit = QStringLiteral(" MB");
    }
    int64_t whole = size / divisor;
    const int64_t scaledRest = (size - whole * divisor) * 10;
    int64_t tenths = scaledRest / divisor;
    const int64_t twiceLeft = (scaledRest % divisor) * 2;
    if (twiceLeft > divisor || (twiceLeft == divisor && tenths % 2 == 1)) ++tenths;
    // 1023.96 kB shows as 1024,0 kB rather than as 1023,10 kB.
    if (tenths == 10) {
        ++whole;
        tenths = 0;
    }
    return QString::number(whole) + decimalSeparator + QString::number(tenths) + unit;
}

namespace {

bool inGroup(gid_t group) {
    if (group == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(size_t(count), 0);
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[size_t(i)] == group) return true;
    return false;
}

// By the permission class that applies to us, not by access(): the superuser may write
// anything, yet a file marked read-only should still be reported as such.
bool writableByPermissions(const struct stat& info) {
    if (info.st_uid == ::geteuid()) return info.st_mode & S_IWUSR;
    if (inGroup(info.st_gid)) return info.st_mode & S_IWGRP;
    return info.st_mode & S_IWOTH;
}

} // namespace

TFileAttributes ReadFileAttributes(const QString& name) {
    TFileAttributes attributes;
    struct stat info {};
    if (name.isEmpty() || ::stat(NativeFileName(name).c_str(), &info) != 0) return attributes;
    attributes.exists = true;
    attributes.mode = unsigned(info.st_mode & 07777);
    attributes.readOnly = !writableByPermissions(info);
    attributes.hidden = QFileInfo(name).fileName().startsWith(QLatin1Char('.'));
    return attributes;
}

bool MakeFileWritable(const QString& name) {
    struct stat info {};
    const std::string native = NativeFileName(name);
    if (::stat(native.c_str(), &info) != 0) return false;
    return ::chmod(native.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool RestoreFileMode(const QString& name, unsigned mode) {
    return ::chmod(NativeFileName(name).c_str(), mode_t(mode)) == 0;
}

QString CommandLineFileName(const QString& argument, const QString& folder) {
    return QDir::cleanPath(QDir(folder).absoluteFilePath(argument));
}

bool NameIsRepresentable(const QByteArray& nativeName) {
    return QFile::encodeName(QFile::decodeName(nativeName)) == nativeName;
}

QString FolderOfFile(const QString& name) {
    return name.isEmpty() ? QString() : QFileInfo(name).absolutePath();
}

QString FileExtension(const QString& name) {
    const QString base = QFileInfo(name).fileName();
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == base.size() - 1) return QString();
    return base.mid(dot);
}

} // namespace tavlo
