#include "editor/FileErrors.h"

#include <cerrno>

namespace tavlo {

TFileErrorReason FileErrorReasonOf(int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
        return TFileErrorReason::NoPermission;
    case ENOSPC:
    case EDQUOT:
        return TFileErrorReason::NoSpace;
    case EISDIR:
        return TFileErrorReason::IsFolder;
    case ENAMETOOLONG:
        return TFileErrorReason::NameTooLong;
    case ENOMEM:
        return TFileErrorReason::TooBigForMemory;
    case ENOENT:
    case ENOTDIR:
        return TFileErrorReason::NotFound;
    case EROFS:
        return TFileErrorReason::ReadOnlyFileSystem;
    case EFBIG:
        return TFileErrorReason::TooLargeForFileSystem;
    case EIO:
        return TFileErrorReason::InputOutput;
    case ENXIO:
    case ENODEV:
        return TFileErrorReason::NotRegularFile;
    default:
        return TFileErrorReason::Unknown;
    }
}

EFileError::EFileError(const std::string& message, TFileErrorReason reason, int systemError)
    : std::runtime_error(message), m_reason(reason), m_systemError(systemError) {}

EFOpenError::EFOpenError(const std::string& fileName, int systemError)
    : EFileError("Cannot open file " + fileName, FileErrorReasonOf(systemError), systemError) {}

EFOpenError::EFOpenError(const std::string& fileName, TFileErrorReason reason)
    : EFileError("Cannot open file " + fileName, reason, 0) {}

EFCreateError::EFCreateError(const std::string& fileName, int systemError, TOldFileState oldFile,
                             const std::string& backupPath)
    : EFileError("Cannot create file " + fileName, FileErrorReasonOf(systemError), systemError),
      m_oldFile(oldFile), m_backupPath(backupPath) {}

EFCreateError::EFCreateError(const std::string& fileName, TFileErrorReason reason, int systemError,
                             TOldFileState oldFile)
    : EFileError("Cannot create file " + fileName, reason, systemError), m_oldFile(oldFile) {}

} // namespace tavlo
