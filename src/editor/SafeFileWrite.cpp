#include "editor/SafeFileWrite.h"

#include "editor/SynEditTextBuffer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ostream>
#include <streambuf>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlo {

namespace {

// Unbuffered output to a file descriptor; the caller buffers.
class FdOutBuf : public std::streambuf {
public:
    explicit FdOutBuf(int fd) : m_fd(fd) {}

protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        char c = traits_type::to_char_type(ch);
        return writeAll(&c, 1) ? ch : traits_type::eof();
    }
    std::streamsize xsputn(const char* data, std::streamsize count) override {
        return writeAll(data, size_t(count)) ? count : 0;
    }

private:
    bool writeAll(const char* data, size_t count) {
        while (count > 0) {
            ssize_t written = ::write(m_fd, data, count);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            data += written;
            count -= size_t(written);
        }
        return true;
    }
    int m_fd;
};

bool produceInto(int fd, const std::function<void(std::ostream&)>& produce) {
    FdOutBuf buffer(fd);
    std::ostream stream(&buffer);
    try {
        produce(stream);
    } catch (...) {
        return false;
    }
    return stream.good();
}

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

std::string baseNameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void writeInPlace(const std::string& target, const std::string& fileName,
                  const std::function<void(std::ostream&)>& produce) {
    int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw EFCreateError(fileName);
    bool ok = produceInto(fd, produce);
    ok = (::close(fd) == 0) && ok;
    if (!ok) throw EFCreateError(fileName);
}

} // namespace

void WriteFileSafely(const std::string& fileName, const std::function<void(std::ostream&)>& produce) {
    const std::string target = resolveTarget(fileName);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) throw EFCreateError(fileName);
    // Renaming would get round a file the user may not write.
    if (exists && ::access(target.c_str(), W_OK) != 0) throw EFCreateError(fileName);

    std::string temp = folderOf(target) + "/." + baseNameOf(target) + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        writeInPlace(target, fileName, produce);
        return;
    }
    mode_t mode;
    if (exists) {
        mode = existing.st_mode & 07777;
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Another owner cannot be kept; the file becomes ours, as any new file would.
        }
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = produceInto(fd, produce);
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EFCreateError(fileName);
    }
}

} // namespace tavlo
