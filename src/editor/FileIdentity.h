// Which file a name stood for and in what state, to notice that another program replaced
// or changed it since this program last read or wrote it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct stat;

namespace tavlo {

struct TFileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;

    bool operator==(const TFileIdentity&) const = default;
};

TFileIdentity FileIdentityOf(const struct stat& info);
// Follows symbolic links; empty when the name stands for nothing.
std::optional<TFileIdentity> FileIdentityOf(const std::string& fileName);

} // namespace tavlo
