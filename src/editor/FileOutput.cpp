#include "editor/FileOutput.h"

#include "editor/FileCalls.h"

#include <cerrno>
#include <memory>
#include <new>
#include <ostream>
#include <streambuf>
#include <unistd.h>

namespace tavlo {

namespace {

// Unbuffered output to a file descriptor (the producer buffers), remembering the error.
class FdOutBuf : public std::streambuf {
public:
    explicit FdOutBuf(int fd) : m_fd(fd) {}
    int Error() const { return m_error; }

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
        while (count > 0 && m_error == 0) {
            ssize_t written = FileCalls().Write(m_fd, data, count);
            if (written <= 0) {
                m_error = written < 0 ? errno : ENOSPC;
                break;
            }
            data += written;
            count -= size_t(written);
        }
        return m_error == 0;
    }
    int m_fd;
    int m_error = 0;
};

class CountingBuf : public std::streambuf {
public:
    uint64_t Count() const { return m_count; }

protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) ++m_count;
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        m_count += uint64_t(count);
        return count;
    }

private:
    uint64_t m_count = 0;
};

} // namespace

int ProduceInto(int fd, const TProduceFunc& produce) {
    FdOutBuf buffer(fd);
    std::ostream stream(&buffer);
    try {
        produce(stream);
    } catch (const std::bad_alloc&) {
        return ENOMEM;
    } catch (...) {
        return buffer.Error() != 0 ? buffer.Error() : EIO;
    }
    if (buffer.Error() != 0) return buffer.Error();
    return stream.good() ? 0 : EIO;
}

uint64_t ProducedSize(const TProduceFunc& produce) {
    CountingBuf buffer;
    std::ostream stream(&buffer);
    produce(stream);
    return buffer.Count();
}

int CopyFileStart(int from, int to, off_t size) {
    if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0) return errno;
    constexpr size_t chunkSize = 1 << 16;
    auto chunk = std::make_unique<char[]>(chunkSize);
    off_t left = size;
    while (left > 0) {
        const ssize_t got =
            FileCalls().Read(from, chunk.get(), size_t(std::min<off_t>(left, chunkSize)));
        if (got < 0) return errno;
        if (got == 0) return EIO; // shorter than it was a moment ago
        for (ssize_t done = 0; done < got;) {
            const ssize_t written = FileCalls().Write(to, chunk.get() + done, size_t(got - done));
            if (written < 0) return errno;
            if (written == 0) return ENOSPC;
            done += written;
        }
        left -= got;
    }
    return 0;
}

} // namespace tavlo
