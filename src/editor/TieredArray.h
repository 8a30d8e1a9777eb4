// An array of plain records with constant-time access by index and inserts and removals whose
// cost does not grow with the length of the array as a flat array's does: the records lie in
// blocks of BlockSize, each a ring, and every block but the last is full. Reaching record i is
// a shift and a mask; an insert shifts at most half a block and then hands one record on from
// each following block to the next, which for the line records of a 100 MB document is at
// most two hundred hand-overs instead of moving tens of megabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace tavlo {

template <class T, unsigned BlockShift = 14>
class TTieredArray {
    static_assert(std::is_trivially_copyable_v<T>, "records move as raw bytes");

public:
    static constexpr size_t BlockSize = size_t(1) << BlockShift;

    TTieredArray() = default;
    ~TTieredArray() { releaseBlocks(0); }
    TTieredArray(const TTieredArray&) = delete;
    TTieredArray& operator=(const TTieredArray&) = delete;

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // Records the allocated blocks hold without allocating again.
    size_t capacity() const { return m_blocks.size() * BlockSize; }

    T& operator[](size_t i) { return m_blocks[i >> BlockShift][(m_heads[i >> BlockShift] + i) & Mask]; }
    const T& operator[](size_t i) const {
        return m_blocks[i >> BlockShift][(m_heads[i >> BlockShift] + i) & Mask];
    }

    // Allocates the blocks for n records at once (a load knows its line count); a smaller n
    // releases the blocks wholly beyond max(n, size).
    void reserve(size_t n) {
        if (n < m_size) n = m_size;
        size_t blocks = (n + BlockSize - 1) >> BlockShift;
        if (blocks < m_blocks.size()) {
            releaseBlocks(blocks);
            return;
        }
        m_blocks.reserve(blocks);
        m_heads.reserve(blocks);
        while (m_blocks.size() < blocks) {
            T* block = static_cast<T*>(std::malloc(sizeof(T) * BlockSize));
            if (!block) throw std::bad_alloc();
            m_blocks.push_back(block);
            m_heads.push_back(0);
        }
    }

    void clear() {
        releaseBlocks(0);
        m_size = 0;
    }

    void push_back(const T& record) {
        if (m_size == capacity()) reserve(m_size + 1);
        ++m_size;
        (*this)[m_size - 1] = record;
    }

    void insert(size_t index, const T& record) {
        if (index == m_size) {
            push_back(record);
            return;
        }
        if (m_size == capacity()) reserve(m_size + 1);
        const size_t target = index >> BlockShift;
        // From the block that receives the new last record back to the one after the target,
        // each block takes the last record of the block before it at its front.
        for (size_t b = m_size >> BlockShift; b > target; --b) {
            const T carried = m_blocks[b - 1][(m_heads[b - 1] + BlockSize - 1) & Mask];
            m_heads[b] = (m_heads[b] - 1) & Mask;
            m_blocks[b][m_heads[b]] = carried;
        }
        // The target block has a free slot now (it gave its last record on, or it is the
        // partly filled last block).
        const size_t held = std::min(BlockSize - 1, m_size - (target << BlockShift));
        openSlot(target, index & Mask, held);
        m_blocks[target][(m_heads[target] + index) & Mask] = record;
        ++m_size;
    }

    void erase(size_t index) {
        const size_t target = index >> BlockShift;
        const size_t held = std::min(BlockSize, m_size - (target << BlockShift));
        closeSlot(target, index & Mask, held);
        // Each following block hands its first record to the end of the block before it.
        const size_t lastBlock = (m_size - 1) >> BlockShift;
        for (size_t b = target + 1; b <= lastBlock; ++b) {
            m_blocks[b - 1][(m_heads[b - 1] + BlockSize - 1) & Mask] = m_blocks[b][m_heads[b]];
            m_heads[b] = (m_heads[b] + 1) & Mask;
        }
        --m_size;
    }

    // n copies of record at index. Many records are placed by moving the tail once; a few
    // go one by one.
    void insert(size_t index, size_t n, const T& record) {
        if (n <= BlockSize / 64) {
            for (size_t i = 0; i < n; ++i) insert(index, record);
            return;
        }
        std::vector<T> tail = takeTail(index);
        reserve(m_size + n + tail.size());
        for (size_t i = 0; i < n; ++i) push_back(record);
        for (const T& r : tail) push_back(r);
    }

    void erase(size_t index, size_t n) {
        if (n <= BlockSize / 64) {
            for (size_t i = 0; i < n; ++i) erase(index);
            return;
        }
        std::vector<T> tail = takeTail(index + n);
        m_size = index;
        for (const T& r : tail) push_back(r);
    }

private:
    static constexpr size_t Mask = BlockSize - 1;

    // Moves the records at offsets at..held-1 of the block one place on, or those before
    // `at` one place back, whichever are fewer; the ring has a free slot either way.
    void openSlot(size_t block, size_t at, size_t held) {
        T* ring = m_blocks[block];
        size_t& head = m_heads[block];
        if (at < held - at) {
            head = (head - 1) & Mask;
            shiftDown(ring, head, 1, at + 1);
        } else {
            shiftUp(ring, head, at, held);
        }
    }

    // The reverse of openSlot: the record at `at` is dropped and the smaller side closes in.
    void closeSlot(size_t block, size_t at, size_t held) {
        T* ring = m_blocks[block];
        size_t& head = m_heads[block];
        if (at < held - 1 - at) {
            shiftUp(ring, head, 0, at);
            head = (head + 1) & Mask;
        } else {
            shiftDown(ring, head, at + 1, held);
        }
    }

    // Moves the records at ring offsets from..to-1 one place on, in as few contiguous
    // pieces as the wrap of the ring allows, last piece first.
    static void shiftUp(T* ring, size_t head, size_t from, size_t to) {
        while (to > from) {
            const size_t source = (head + to - 1) & Mask, target = (source + 1) & Mask;
            const size_t n = std::min({to - from, source + 1, target + 1});
            std::memmove(ring + target + 1 - n, ring + source + 1 - n, n * sizeof(T));
            to -= n;
        }
    }

    // Moves the records at ring offsets from..to-1 one place back, first piece first.
    static void shiftDown(T* ring, size_t head, size_t from, size_t to) {
        while (from < to) {
            const size_t source = (head + from) & Mask, target = (source - 1) & Mask;
            const size_t n = std::min({to - from, BlockSize - source, BlockSize - target});
            std::memmove(ring + target, ring + source, n * sizeof(T));
            from += n;
        }
    }

    // Cuts the array at index and answers the records from there on.
    std::vector<T> takeTail(size_t index) {
        std::vector<T> tail;
        tail.reserve(m_size - index);
        for (size_t i = index; i < m_size; ++i) tail.push_back((*this)[i]);
        m_size = index;
        return tail;
    }

    void releaseBlocks(size_t keep) {
        for (size_t b = keep; b < m_blocks.size(); ++b) std::free(m_blocks[b]);
        m_blocks.resize(keep);
        m_heads.resize(keep);
    }

    std::vector<T*> m_blocks;
    std::vector<size_t> m_heads;
    size_t m_size = 0;
};

} // namespace tavlo
