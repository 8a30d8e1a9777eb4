// The ten most recently opened or saved files, newest first.
#pragma once

#include <QString>
#include <array>

namespace tavlo {

class TRecentFiles {
public:
    static constexpr int Capacity = 10;

    // Moves a name already listed to the top; a new name pushes out the oldest.
    // A blank name changes nothing.
    void Add(const QString& name);
    // Empty for a free slot or an index outside the list.
    QString At(int slot) const;

private:
    std::array<QString, Capacity> m_slots;
};

} // namespace tavlo
