#include "editor/FileIdentity.h"

#include <sys/stat.h>

namespace tavlo {

TFileIdentity FileIdentityOf(const struct stat& info) {
    return {uint64_t(info.st_dev), uint64_t(info.st_ino), int64_t(info.st_size),
            int64_t(info.st_mtim.tv_sec), int64_t(info.st_mtim.tv_nsec)};
}

std::optional<TFileIdentity> FileIdentityOf(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) return std::nullopt;
    return FileIdentityOf(info);
}

} // namespace tavlo
