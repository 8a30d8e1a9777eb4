// Replacing a file's contents so that a failure never leaves it half-written.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace tavlo {

// Writes what `produce` puts into the stream to a temporary file beside the target and
// renames it over the target, keeping the target's permission bits. A symbolic link stays
// a link: the file it points to receives the text. Where the folder takes no new file the
// target is written in place. Throws EFCreateError on any failure; the old file is then
// left as it was (unless it had to be written in place).
void WriteFileSafely(const std::string& fileName, const std::function<void(std::ostream&)>& produce);

} // namespace tavlo
