// The tiered record array must behave as a flat array under any mix of inserts, removals and
// bulk operations, at block boundaries included.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editor/TieredArray.h"

namespace tavlo::test {
namespace {

template <class Tiered>
void expectSame(const Tiered& tiered, const std::vector<int>& flat) {
    ASSERT_EQ(tiered.size(), flat.size());
    for (size_t i = 0; i < flat.size(); ++i) ASSERT_EQ(tiered[i], flat[i]) << "at " << i;
}

// Random edits, a share of them at one place (as typing Enter again and again does), with the
// array kept between maxSize / 3 and maxSize records; bulk edits reach bulkMax records.
template <class Tiered>
void checkRandomEdits(Tiered& tiered, std::vector<int>& flat, size_t maxSize, size_t bulkMax, int steps) {
    std::mt19937 random(7);
    int next = 0;
    size_t place = 0;
    for (int step = 0; step < steps; ++step) {
        if (step % 500 == 0) place = flat.empty() ? 0 : random() % flat.size();
        const size_t at = flat.empty() ? 0 : (random() % 2 ? std::min(place, flat.size()) : random() % (flat.size() + 1));
        switch (random() % 8) {
        case 0: case 1: case 2:
            tiered.insert(at, next);
            flat.insert(flat.begin() + std::ptrdiff_t(at), next++);
            break;
        case 3:
            tiered.push_back(next);
            flat.push_back(next++);
            break;
        case 4: case 5:
            if (at < flat.size()) {
                tiered.erase(at);
                flat.erase(flat.begin() + std::ptrdiff_t(at));
            }
            break;
        case 6: {
            const size_t n = random() % bulkMax;
            tiered.insert(at, n, next);
            flat.insert(flat.begin() + std::ptrdiff_t(at), n, next++);
            break;
        }
        default: {
            const size_t n = std::min<size_t>(random() % bulkMax, flat.size() - std::min(at, flat.size()));
            tiered.erase(at, n);
            flat.erase(flat.begin() + std::ptrdiff_t(at), flat.begin() + std::ptrdiff_t(at + n));
            break;
        }
        }
        if (flat.size() > maxSize) {
            const size_t cut = maxSize / 3, from = random() % (flat.size() - cut);
            tiered.erase(from, cut);
            flat.erase(flat.begin() + std::ptrdiff_t(from), flat.begin() + std::ptrdiff_t(from + cut));
        }
        ASSERT_GE(tiered.capacity(), tiered.size());
        if (step % 16 == 0) expectSame(tiered, flat);
    }
    expectSame(tiered, flat);
}

TEST(TieredArray, RandomEditsMatchAFlatArray) {
    {
        TTieredArray<int, 6> tiered; // blocks of 64: rings that wrap, shifts in two pieces
        std::vector<int> flat;
        for (int i = 0; i < 3000; ++i) {
            tiered.push_back(-i);
            flat.push_back(-i);
        }
        checkRandomEdits(tiered, flat, 6000, 300, 20000);
    }
    TTieredArray<int, 3> tiered; // blocks of 8: every edit crosses blocks
    std::vector<int> flat;
    checkRandomEdits(tiered, flat, 300, 40, 20000);

    tiered.reserve(1000);
    EXPECT_GE(tiered.capacity(), 1000u);
    expectSame(tiered, flat);
    tiered.reserve(0); // gives back the blocks beyond the records, keeps the records
    EXPECT_LT(tiered.capacity(), flat.size() + 8);
    expectSame(tiered, flat);
    tiered.clear();
    EXPECT_EQ(tiered.size(), 0u);
    EXPECT_EQ(tiered.capacity(), 0u);
}

} // namespace
} // namespace tavlo::test
