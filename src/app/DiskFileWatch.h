// What the program last knew of the document's file on disk (read, written, or seen and
// let be), to notice when another program has replaced or changed it since.
#pragma once

#include "editor/FileIdentity.h"

#include <optional>
#include <string>

namespace tavlo {

enum class TDiskChange {
    None,    // as known, or no file to watch
    Changed, // another file, or the same one with another size or time
    Deleted, // nothing of that name any more
};

class TDiskFileWatch {
public:
    // `fileName` in the bytes of the file layer.
    void Remember(const std::string& fileName, const TFileIdentity& identity);
    void Forget();
    // A name that now stands for something other than a file (a folder, a device) counts as
    // no change here: opening or saving it reports what it is.
    TDiskChange Check() const;
    // Takes the file as it is now as known: the user has been told about the change.
    void Acknowledge();

private:
    std::string m_fileName;
    std::optional<TFileIdentity> m_identity;
};

} // namespace tavlo
