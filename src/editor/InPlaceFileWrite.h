// Writing a file where it lies, for a file whose folder takes no new file or that has more
// than one name (hard links), without ever leaving it cut short.
#pragma once

#include "editor/FileIdentity.h"
#include "editor/FileOutput.h"

#include <string>

namespace tavlo {

// Copies the old bytes to a backup in the user's cache folder, reserves the new size on
// disk, writes the new bytes over the old ones and cuts the rest. On a failure the old
// bytes are put back; if even that fails the backup stays and the error names it.
// `target` is the file itself (links resolved); `fileName` is what the error shows.
// Throws EFCreateError.
TFileIdentity WriteFileInPlace(const std::string& fileName, const std::string& target,
                               const TProduceFunc& produce);

// Where the backups go: $XDG_CACHE_HOME/tavlo/backup, or ~/.cache/tavlo/backup.
std::string BackupFolder();

} // namespace tavlo
