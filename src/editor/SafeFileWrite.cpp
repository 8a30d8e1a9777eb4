#include "editor/SafeFileWrite.h"

#include "editor/FileCalls.h"
#include "editor/FileErrors.h"
#include "editor/InPlaceFileWrite.h"
#include "editor/SaveTemporaryFiles.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlo {

namespace {

// The file a name finally stands for, following symbolic links; the name itself when it
// is no link or its target cannot be resolved.
std::string resolveTarget(const std::string& fileName) {
    struct stat info {};
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return fileName;
    char resolved[PATH_MAX];
    if (::realpath(fileName.c_str(), resolved)) return resolved;
    return fileName;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself survive a crash; a folder that cannot be synced loses nothing.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

TFileIdentity WriteFileSafely(const std::string& fileName, const TProduceFunc& produce) {
    const std::string target = resolveTarget(fileName);
    struct stat existing {};
    bool exists = true;
    if (::stat(target.c_str(), &existing) != 0) {
        if (errno != ENOENT) throw EFCreateError(fileName, errno);
        exists = false;
    }
    // Only a file has contents to keep.
    if (exists && S_ISDIR(existing.st_mode))
        throw EFCreateError(fileName, TFileErrorReason::IsFolder, 0, TOldFileState::None);
    if (exists && !S_ISREG(existing.st_mode))
        throw EFCreateError(fileName, TFileErrorReason::NotRegularFile, 0, TOldFileState::None);
    const TOldFileState oldFile = exists ? TOldFileState::Kept : TOldFileState::None;
    // Renaming would get round a file the user may not write.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw EFCreateError(fileName, errno, oldFile);
    // Replacing the file would split it from its other names.
    if (exists && existing.st_nlink > 1) return WriteFileInPlace(fileName, target, produce);

    const std::string folder = folderOf(target);
    RemoveStaleSaveTemporaries(folder);
    int error = 0;
    std::optional<TSaveTemporary> temporary = TSaveTemporary::Create(folder, error);
    if (!temporary) {
        if (exists) return WriteFileInPlace(fileName, target, produce);
        throw EFCreateError(fileName, error);
    }
    const int fd = temporary->Fd();
    if (exists && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Another owner cannot be kept; the file becomes ours, as any new file would.
    }
    error = ProduceInto(fd, produce);
    if (!error && ::fchmod(fd, exists ? existing.st_mode & 07777 : newFileMode()) != 0)
        error = errno;
    if (!error && FileCalls().Sync(fd) != 0) error = errno;
    struct stat written {};
    if (!error && ::fstat(fd, &written) != 0) error = errno;
    if (!error) error = temporary->MoveOver(target);
    if (error) throw EFCreateError(fileName, error, oldFile);
    syncFolder(folder);
    return FileIdentityOf(written);
}

} // namespace tavlo
