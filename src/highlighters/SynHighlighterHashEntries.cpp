#include "highlighters/SynHighlighterHashEntries.h"

#include <algorithm>
#include <stdexcept>

namespace tavlo {

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

TSynHashEntry::TSynHashEntry(std::string keyword, int kind)
    : m_keyword(std::move(keyword)), m_kind(kind) {}

TSynHashEntry::~TSynHashEntry() {
    // Unlink the chain one entry at a time rather than recursing through every Next.
    std::unique_ptr<TSynHashEntry> rest = std::move(m_next);
    while (rest) rest = std::move(rest->m_next);
}

void TSynHashEntry::AddEntry(std::unique_ptr<TSynHashEntry>& head,
                             std::unique_ptr<TSynHashEntry> entry) {
    if (!entry) return;
    std::unique_ptr<TSynHashEntry>* slot = &head;
    while (*slot) {
        if (SameTextIgnoringCase(entry->m_keyword, (*slot)->m_keyword))
            throw std::invalid_argument("Keyword \"" + entry->m_keyword + "\" already in list");
        if (entry->KeyLen() < (*slot)->KeyLen()) break;
        slot = &(*slot)->m_next;
    }
    entry->m_next = std::move(*slot);
    *slot = std::move(entry);
}

bool TSynHashEntryList::Contains(int hash, const std::string& keyword) const {
    for (const TSynHashEntry* entry = Get(hash); entry; entry = entry->Next())
        if (SameTextIgnoringCase(entry->Keyword(), keyword)) return true;
    return false;
}

void TSynHashEntryList::Put(int hash, std::unique_ptr<TSynHashEntry> entry) {
    if (hash < 0) throw std::out_of_range("Invalid hash value " + std::to_string(hash));
    if (hash >= Count()) m_heads.resize(static_cast<size_t>(hash) + 1);
    TSynHashEntry::AddEntry(m_heads[static_cast<size_t>(hash)], std::move(entry));
}

} // namespace tavlo
