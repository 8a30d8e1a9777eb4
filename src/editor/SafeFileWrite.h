// Replacing a file's contents so that a failure never leaves it half-written.
#pragma once

#include "editor/FileIdentity.h"
#include "editor/FileOutput.h"

#include <string>

namespace tavlo {

// Writes what `produce` puts into the stream to a temporary file beside the target and
// renames it over the target, keeping the target's permission bits. A symbolic link stays
// a link: the file it points to receives the text. A file with several names (hard links),
// or whose folder takes no new file, is written where it lies (see WriteFileInPlace).
// Answers the identity of the file written. Throws EFCreateError, which says why and what
// became of the old file (kept as it was, or saved in a backup).
TFileIdentity WriteFileSafely(const std::string& fileName, const TProduceFunc& produce);

} // namespace tavlo
