#include "editor/SaveTemporaryFiles.h"

#include "editor/FileCalls.h"

#include <cerrno>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlo {

namespace {

// Short and fixed, so the name fits wherever the target's name fits.
constexpr std::string_view kPrefix = ".tavlo-save-";
constexpr size_t kSuffixLength = 8;
constexpr int kNameAttempts = 100;

std::string newTemporaryPath(const std::string& folder) {
    return folder + "/" + std::string(kPrefix) + RandomNameSuffix(kSuffixLength);
}

bool unnamedFilesReachable() {
    // Naming such a file later goes through /proc.
    return ::access("/proc/self/fd", X_OK) == 0;
}

bool unnamedFilesUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

} // namespace

std::string RandomNameSuffix(size_t length) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
    std::string suffix(length, ' ');
    for (char& c : suffix)
        c = kAlphabet[pick(generator)];
    return suffix;
}

bool IsSaveTemporaryName(std::string_view name) {
    return name.size() == kPrefix.size() + kSuffixLength &&
           name.substr(0, kPrefix.size()) == kPrefix;
}

TSaveTemporary::TSaveTemporary(int fd, std::string folder, std::string name)
    : m_fd(fd), m_folder(std::move(folder)), m_name(std::move(name)) {}

TSaveTemporary::TSaveTemporary(TSaveTemporary&& other) noexcept
    : m_fd(other.m_fd), m_folder(std::move(other.m_folder)), m_name(std::move(other.m_name)),
      m_moved(other.m_moved) {
    other.m_fd = -1;
    other.m_name.clear();
}

TSaveTemporary::~TSaveTemporary() {
    if (!m_name.empty() && !m_moved) ::unlink(m_name.c_str());
    if (m_fd >= 0) ::close(m_fd);
}

std::optional<TSaveTemporary> TSaveTemporary::Create(const std::string& folder, int& error) {
    TFileCalls& calls = FileCalls();
    if (unnamedFilesReachable()) {
        const int fd = calls.Open(folder, O_TMPFILE | O_RDWR, 0600);
        if (fd >= 0) {
            // Held until the file is in place, so that no other save takes it for stale.
            ::flock(fd, LOCK_EX);
            return TSaveTemporary(fd, folder, {});
        }
        if (!unnamedFilesUnsupported(errno)) {
            error = errno;
            return std::nullopt;
        }
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string path = newTemporaryPath(folder);
        const int fd = calls.Open(path, O_CREAT | O_EXCL | O_RDWR, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error = errno;
            return std::nullopt;
        }
        ::flock(fd, LOCK_EX);
        // Another save may have removed it as stale before we held it.
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_nlink > 0) return TSaveTemporary(fd, folder, path);
        ::close(fd);
    }
    error = EEXIST;
    return std::nullopt;
}

int TSaveTemporary::MoveOver(const std::string& target) {
    TFileCalls& calls = FileCalls();
    for (int attempt = 0; m_name.empty(); ++attempt) {
        if (attempt == kNameAttempts) return EEXIST;
        std::string path = newTemporaryPath(m_folder);
        if (calls.LinkUnnamed(m_fd, path) == 0)
            m_name = std::move(path);
        else if (errno != EEXIST)
            return errno;
    }
    if (calls.Rename(m_name, target) != 0) return errno;
    m_moved = true;
    return 0;
}

void RemoveStaleSaveTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsSaveTemporaryName(entry->d_name)) continue;
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        // A save that is still running holds its lock; a killed one held it no longer.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace tavlo
