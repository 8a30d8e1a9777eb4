// Keyword chains for highlighters whose vocabulary is loaded at run time: a list indexed by
// hash value whose items are chains ordered by keyword length.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tavlo {

class TSynHashEntry {
public:
    TSynHashEntry(std::string keyword, int kind);
    ~TSynHashEntry();
    TSynHashEntry(const TSynHashEntry&) = delete;
    TSynHashEntry& operator=(const TSynHashEntry&) = delete;

    // Adds `entry` to the chain headed by `head` (shortest keyword first, equal lengths in the
    // order added); `head` becomes the new head. Throws std::invalid_argument
    // "Keyword \"%s\" already in list", leaving the chain as it was, when it holds the
    // keyword in any letter case.
    static void AddEntry(std::unique_ptr<TSynHashEntry>& head,
                         std::unique_ptr<TSynHashEntry> entry);

    const TSynHashEntry* Next() const { return m_next.get(); }
    int KeyLen() const { return static_cast<int>(m_keyword.size()); }
    const std::string& Keyword() const { return m_keyword; }
    int Kind() const { return m_kind; }

private:
    std::unique_ptr<TSynHashEntry> m_next;
    std::string m_keyword;
    int m_kind;
};

class TSynHashEntryList {
public:
    int Count() const { return static_cast<int>(m_heads.size()); }
    // The chain head at `hash`, or none outside the list.
    const TSynHashEntry* Get(int hash) const {
        return hash >= 0 && hash < Count() ? m_heads[static_cast<size_t>(hash)].get() : nullptr;
    }
    // Whether the chain at `hash` holds the keyword in any letter case.
    bool Contains(int hash, const std::string& keyword) const;
    // Grows the list as needed; throws std::out_of_range for a negative hash.
    void Put(int hash, std::unique_ptr<TSynHashEntry> entry);
    void Clear() { m_heads.clear(); }

private:
    std::vector<std::unique_ptr<TSynHashEntry>> m_heads;
};

} // namespace tavlo
