// The file a save writes before it takes the target's place. Where the file system allows
// it has no name until the moment it is moved over the target, so a save killed half-way
// leaves nothing behind; elsewhere it has a short recognisable name, and a later save into
// the same folder removes such names that no running save holds any more.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

class TSaveTemporary {
public:
    // In `folder`; empty with `error` set (errno) when the folder takes no new file.
    static std::optional<TSaveTemporary> Create(const std::string& folder, int& error);
    TSaveTemporary(TSaveTemporary&& other) noexcept;
    TSaveTemporary& operator=(TSaveTemporary&&) = delete;
    // Closes the file; a named one that never took the target's place is removed.
    ~TSaveTemporary();

    int Fd() const { return m_fd; }
    bool Unnamed() const { return m_name.empty(); }
    // Names the file beside the target if it has no name yet, then renames it over the
    // target: 0 or the errno of the failure.
    int MoveOver(const std::string& target);

private:
    TSaveTemporary(int fd, std::string folder, std::string name);

    int m_fd;
    std::string m_folder;
    std::string m_name; // full path; empty while unnamed
    bool m_moved = false;
};

// Removes this user's temporary save files in `folder` that no save is writing.
void RemoveStaleSaveTemporaries(const std::string& folder);
bool IsSaveTemporaryName(std::string_view name);

// Random letters and digits for names no other file has.
std::string RandomNameSuffix(size_t length);

} // namespace tavlo
