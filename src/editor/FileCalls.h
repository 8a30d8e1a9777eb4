// The system calls through which documents are read and written. Tests put a version in
// place that fails where a full disk, a locked folder or a broken device would, so that
// every way a save can go wrong is tried on a real file.
#pragma once

#include <string>
#include <sys/types.h>

namespace tavlo {

class TFileCalls {
public:
    virtual ~TFileCalls() = default;

    // Each answers as the system call does: -1 (or an error result) with errno set.
    virtual int Open(const std::string& path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* data, size_t size);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    // Reserves [0, length) on disk, as posix_fallocate, but answering -1 and errno.
    virtual int Allocate(int fd, off_t length);
    virtual int Truncate(int fd, off_t length);
    virtual int Sync(int fd);
    // Gives a name to a file opened with O_TMPFILE.
    virtual int LinkUnnamed(int fd, const std::string& path);
    virtual int Rename(const std::string& from, const std::string& to);
};

// The calls in use; the system's own unless a test replaced them.
TFileCalls& FileCalls();

// Puts other calls in place for its lifetime.
class TFileCallsOverride {
public:
    explicit TFileCallsOverride(TFileCalls& calls);
    ~TFileCallsOverride();
    TFileCallsOverride(const TFileCallsOverride&) = delete;
    TFileCallsOverride& operator=(const TFileCallsOverride&) = delete;

private:
    TFileCalls* m_previous;
};

} // namespace tavlo
