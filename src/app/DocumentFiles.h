// File-system questions the document flows ask: sizes, attributes, names.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace tavlo {

// The name as the file layer takes it (the bytes of the path on disk).
std::string NativeFileName(const QString& name);

// Size from a directory lookup, -1 when there is no such entry. Never opens the file, so
// a FIFO or device can't block here.
int64_t FileSizeOnDisk(const QString& name);

// "512 B", "1,5 kB", "3,2 MB", "1,0 GB" with the given decimal separator.
QString FileSizeText(int64_t size, const QString& decimalSeparator);

struct TFileAttributes {
    bool exists = false;
    bool readOnly = false; // we may not write it by its permission bits
    bool hidden = false;   // the name starts with a dot
    bool system = false;   // no such thing here; always false
    unsigned mode = 0;     // permission bits, to put back after a save
};

TFileAttributes ReadFileAttributes(const QString& name);
// Lets the owner write the file, so that a save can replace it.
bool MakeFileWritable(const QString& name);
bool RestoreFileMode(const QString& name, unsigned mode);

// A command-line argument as a full, clean path: a relative name is taken from `folder`.
QString CommandLineFileName(const QString& argument, const QString& folder);
// Whether a name in bytes survives the round trip through text (not so for bytes that
// are no UTF-8): only such a name can be opened.
bool NameIsRepresentable(const QByteArray& nativeName);

// The folder a dialog should start in for a document; empty for an untitled one.
QString FolderOfFile(const QString& name);

// The extension with its leading dot, or empty: a name starting with a dot is hidden,
// not an extension, and a trailing dot is no extension either.
QString FileExtension(const QString& name);

} // namespace tavlo
