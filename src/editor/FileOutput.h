// Writing a document's bytes to an open file and copying between files, answering with
// the system error that stopped them so that the user can be told why.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <sys/types.h>

namespace tavlo {

using TProduceFunc = std::function<void(std::ostream&)>;

// Writes what `produce` puts into the stream at the file's offset: 0, or the errno of
// the failure (ENOMEM when `produce` ran out of memory).
int ProduceInto(int fd, const TProduceFunc& produce);
// The number of bytes `produce` writes, without keeping them.
uint64_t ProducedSize(const TProduceFunc& produce);
// Copies `size` bytes from the start of `from` to the start of `to`: 0 or the errno.
int CopyFileStart(int from, int to, off_t size);

} // namespace tavlo
