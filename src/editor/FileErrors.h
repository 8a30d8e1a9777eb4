// Errors of the file layer: the message the user reads first ("Cannot open file %s",
// "Cannot create file %s") and, beside it, why it failed and what became of the old file.
#pragma once

#include <stdexcept>
#include <string>

namespace tavlo {

enum class TFileErrorReason {
    Unknown,
    NoPermission,
    NoSpace,
    IsFolder,
    NotRegularFile,
    NameTooLong,
    TooBigForMemory,
    NotFound,
    ReadOnlyFileSystem,
    TooLargeForFileSystem,
    InputOutput,
    NameNotRepresentable, // the name's bytes are no text the program can show
    NoBackup,             // a write in place was refused: no backup copy could be made
};

TFileErrorReason FileErrorReasonOf(int systemError);

// What a failed save left on disk.
enum class TOldFileState {
    None,     // there was no file of that name before
    Kept,     // the file holds its old bytes
    InBackup, // the file may be damaged; its old bytes lie in BackupPath()
};

class EFileError : public std::runtime_error {
public:
    EFileError(const std::string& message, TFileErrorReason reason, int systemError);

    TFileErrorReason Reason() const { return m_reason; }
    // errno of the failing call; 0 when the reason is not a system error.
    int SystemError() const { return m_systemError; }

private:
    TFileErrorReason m_reason;
    int m_systemError;
};

class EFOpenError : public EFileError {
public:
    explicit EFOpenError(const std::string& fileName, int systemError = 0);
    EFOpenError(const std::string& fileName, TFileErrorReason reason);
};

class EFCreateError : public EFileError {
public:
    explicit EFCreateError(const std::string& fileName, int systemError = 0,
                           TOldFileState oldFile = TOldFileState::None,
                           const std::string& backupPath = {});
    EFCreateError(const std::string& fileName, TFileErrorReason reason, int systemError,
                  TOldFileState oldFile);

    TOldFileState OldFile() const { return m_oldFile; }
    const std::string& BackupPath() const { return m_backupPath; }

private:
    TOldFileState m_oldFile;
    std::string m_backupPath;
};

} // namespace tavlo
