#include "app/RecentFiles.h"

namespace tavlo {

void TRecentFiles::Add(const QString& name) {
    if (name.trimmed().isEmpty()) return;
    int found = Capacity - 1;
    for (int i = 0; i < Capacity - 1; ++i) {
        // File names are compared exactly: letter case tells two files apart.
        if (m_slots[size_t(i)] == name) {
            found = i;
            break;
        }
    }
    for (int i = found; i > 0; --i)
        m_slots[size_t(i)] = m_slots[size_t(i - 1)];
    m_slots[0] = name;
}

QString TRecentFiles::At(int slot) const {
    return slot >= 0 && slot < Capacity ? m_slots[size_t(slot)] : QString();
}

} // namespace tavlo
