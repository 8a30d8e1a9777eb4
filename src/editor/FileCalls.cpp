#include "editor/FileCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace tavlo {

namespace {

TFileCalls g_systemCalls;
TFileCalls* g_currentCalls = &g_systemCalls;

template <typename Call> auto retriedOnSignal(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR)
        result = call();
    return result;
}

} // namespace

int TFileCalls::Open(const std::string& path, int flags, mode_t mode) {
    return retriedOnSignal([&] { return ::open(path.c_str(), flags | O_CLOEXEC, mode); });
}

ssize_t TFileCalls::Read(int fd, void* data, size_t size) {
    return retriedOnSignal([&] { return ::read(fd, data, size); });
}

ssize_t TFileCalls::Write(int fd, const void* data, size_t size) {
    return retriedOnSignal([&] { return ::write(fd, data, size); });
}

int TFileCalls::Allocate(int fd, off_t length) {
    const int error = ::posix_fallocate(fd, 0, length);
    if (error == 0) return 0;
    errno = error;
    return -1;
}

int TFileCalls::Truncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int TFileCalls::Sync(int fd) {
    return ::fsync(fd);
}

int TFileCalls::LinkUnnamed(int fd, const std::string& path) {
    // Naming an O_TMPFILE file through /proc needs no privilege, unlike AT_EMPTY_PATH.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
}

int TFileCalls::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

TFileCalls& FileCalls() {
    return *g_currentCalls;
}

TFileCallsOverride::TFileCallsOverride(TFileCalls& calls) : m_previous(g_currentCalls) {
    g_currentCalls = &calls;
}

TFileCallsOverride::~TFileCallsOverride() {
    g_currentCalls = m_previous;
}

} // namespace tavlo
