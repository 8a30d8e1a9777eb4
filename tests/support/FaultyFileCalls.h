// A file layer that fails where a test says, for files in one folder: a folder that takes
// no new file, a file system without unnamed files, a disk that fills up or a device that
// breaks after so many bytes, a reservation or a read that fails.
#pragma once

#include "editor/FileCalls.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace tavlo {

class TFaultyFileCalls : public TFileCalls {
public:
    // The folder as the system names it (links resolved), so that open files match it.
    explicit TFaultyFileCalls(const std::string& faultyFolder) {
        char resolved[PATH_MAX];
        folder = ::realpath(faultyFolder.c_str(), resolved) ? resolved : faultyFolder;
    }

    std::string folder;
    bool refuseNewFiles = false; // creating a file there fails with EPERM
    bool noUnnamedFiles = false; // O_TMPFILE is not supported there
    int64_t writeLimit = -1;     // bytes written there before writes fail; -1: no limit
    int writeError = ENOSPC;
    int failingWrites = -1; // how many writes past the limit fail; -1: every one
    int allocateError = 0;  // the reservation fails, leaving the file lengthened
    int readError = 0;
    int64_t written = 0;

    int Open(const std::string& path, int flags, mode_t mode) override {
        if (inFolder(path)) {
            const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
            if (unnamed && noUnnamedFiles) return fail(EOPNOTSUPP);
            if ((unnamed || (flags & O_CREAT)) && refuseNewFiles) return fail(EPERM);
        }
        return TFileCalls::Open(path, flags, mode);
    }
    ssize_t Read(int fd, void* data, size_t size) override {
        if (readError != 0 && inFolder(pathOf(fd))) return fail(readError);
        return TFileCalls::Read(fd, data, size);
    }
    ssize_t Write(int fd, const void* data, size_t size) override {
        if (!inFolder(pathOf(fd))) return TFileCalls::Write(fd, data, size);
        if (writeLimit >= 0 && written + int64_t(size) > writeLimit && failingWrites != 0) {
            if (failingWrites > 0) --failingWrites;
            return fail(writeError);
        }
        const ssize_t result = TFileCalls::Write(fd, data, size);
        if (result > 0) written += result;
        return result;
    }
    int Allocate(int fd, off_t length) override {
        if (allocateError != 0 && inFolder(pathOf(fd))) {
            // Failing half-way, as a file system may, after lengthening the file.
            if (::ftruncate(fd, length) != 0) return -1;
            return fail(allocateError);
        }
        return TFileCalls::Allocate(fd, length);
    }

private:
    static int fail(int error) {
        errno = error;
        return -1;
    }
    static std::string pathOf(int fd) {
        char path[PATH_MAX];
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t length = ::readlink(link.c_str(), path, sizeof path - 1);
        return length > 0 ? std::string(path, size_t(length)) : std::string();
    }
    bool inFolder(const std::string& path) const {
        return path == folder || path.compare(0, folder.size() + 1, folder + "/") == 0;
    }
};

} // namespace tavlo
