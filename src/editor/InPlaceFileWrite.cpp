#include "editor/InPlaceFileWrite.h"

#include "editor/FileCalls.h"
#include "editor/FileErrors.h"
#include "editor/SaveTemporaryFiles.h"

#include <cerrno>
#include <cstdlib>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlo {

namespace {

// Long enough to recognise the file, short enough to leave room for the suffix.
constexpr size_t kBackupNameLength = 100;

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

std::string baseNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Cut at a character boundary, so that the name still reads as text.
std::string shortenedName(std::string name) {
    if (name.size() <= kBackupNameLength) return name;
    size_t end = kBackupNameLength;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    name.resize(end);
    return name;
}

int makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
        if (slash == std::string::npos) return 0;
    }
}

// The old bytes of the file being written, in a file of their own until the write is over.
class TBackupCopy {
public:
    ~TBackupCopy() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_keep && !m_path.empty()) ::unlink(m_path.c_str());
    }

    // 0 or the errno of the failure.
    int Make(int source, off_t size, const std::string& targetName) {
        const std::string folder = BackupFolder();
        if (folder.empty()) return ENOENT;
        if (const int error = makeFolders(folder)) return error;
        const std::string name =
            folder + "/" + shortenedName(targetName) + "." + RandomNameSuffix(6);
        m_fd = FileCalls().Open(name, O_CREAT | O_EXCL | O_RDWR, 0600);
        if (m_fd < 0) return errno;
        m_path = name;
        if (const int error = CopyFileStart(source, m_fd, size)) return error;
        if (FileCalls().Sync(m_fd) != 0) return errno;
        m_size = size;
        return 0;
    }

    int RestoreInto(int target) {
        if (const int error = CopyFileStart(m_fd, target, m_size)) return error;
        if (FileCalls().Truncate(target, m_size) != 0) return errno;
        return FileCalls().Sync(target) == 0 ? 0 : errno;
    }

    void Keep() { m_keep = true; }
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
    off_t m_size = 0;
    bool m_keep = false;
};

bool cannotReserve(int error) {
    // Where the file system has no way to reserve, the write itself finds a full disk.
    return error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

int writeOver(int fd, const TProduceFunc& produce, off_t newSize) {
    if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
    if (const int error = ProduceInto(fd, produce)) return error;
    if (FileCalls().Truncate(fd, newSize) != 0) return errno;
    return FileCalls().Sync(fd) == 0 ? 0 : errno;
}

} // namespace

std::string BackupFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/') return std::string(cache) + "/tavlo/backup";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache/tavlo/backup";
    return {};
}

TFileIdentity WriteFileInPlace(const std::string& fileName, const std::string& target,
                               const TProduceFunc& produce) {
    const TOldFileState kept = TOldFileState::Kept;
    const int fd = FileCalls().Open(target, O_RDWR, 0);
    if (fd < 0) throw EFCreateError(fileName, errno, kept);
    FdCloser closer{fd};
    struct stat before {};
    if (::fstat(fd, &before) != 0) throw EFCreateError(fileName, errno, kept);

    off_t newSize = 0;
    try {
        newSize = off_t(ProducedSize(produce));
    } catch (const std::bad_alloc&) {
        throw EFCreateError(fileName, ENOMEM, kept);
    } catch (...) {
        throw EFCreateError(fileName, EIO, kept);
    }
    TBackupCopy backup;
    if (const int error = backup.Make(fd, before.st_size, baseNameOf(target)))
        throw EFCreateError(fileName, TFileErrorReason::NoBackup, error, kept);
    if (newSize > before.st_size && FileCalls().Allocate(fd, newSize) != 0 &&
        !cannotReserve(errno)) {
        const int error = errno;
        // A reservation that failed half-way may have lengthened the file.
        FileCalls().Truncate(fd, before.st_size);
        throw EFCreateError(fileName, error, kept);
    }

    const int error = writeOver(fd, produce, newSize);
    if (error == 0) {
        struct stat after {};
        ::fstat(fd, &after);
        return FileIdentityOf(after);
    }
    if (backup.RestoreInto(fd) == 0) throw EFCreateError(fileName, error, kept);
    backup.Keep();
    throw EFCreateError(fileName, error, TOldFileState::InBackup, backup.Path());
}

} // namespace tavlo
