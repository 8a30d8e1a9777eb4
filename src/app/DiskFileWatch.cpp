#include "app/DiskFileWatch.h"

#include <sys/stat.h>

namespace tavlo {

void TDiskFileWatch::Remember(const std::string& fileName, const TFileIdentity& identity) {
    m_fileName = fileName;
    m_identity = identity;
}

void TDiskFileWatch::Forget() {
    m_fileName.clear();
    m_identity.reset();
}

TDiskChange TDiskFileWatch::Check() const {
    if (!m_identity) return TDiskChange::None;
    struct stat info {};
    if (::stat(m_fileName.c_str(), &info) != 0) return TDiskChange::Deleted;
    if (!S_ISREG(info.st_mode)) return TDiskChange::None;
    return FileIdentityOf(info) == *m_identity ? TDiskChange::None : TDiskChange::Changed;
}

void TDiskFileWatch::Acknowledge() {
    if (!m_identity) return;
    if (auto current = FileIdentityOf(m_fileName)) m_identity = *current;
}

} // namespace tavlo
