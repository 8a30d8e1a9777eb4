// Reads choices out of a fuzzer's bytes. Past the end every read answers zero (or empty), so
// any input is a valid, finite program.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavlo::fuzz {

class FuzzInput {
public:
    explicit FuzzInput(std::string_view data) : m_data(data) {}

    bool empty() const { return m_pos >= m_data.size(); }
    uint8_t byte() { return empty() ? 0 : uint8_t(m_data[m_pos++]); }
    bool flag() { return byte() & 1; }
    // A number in 0..n-1 (n > 0), from as many bytes as n needs.
    uint32_t below(uint32_t n) {
        uint32_t value = 0;
        for (uint32_t range = 1; range < n && range != 0; range <<= 8) value = (value << 8) | byte();
        return n == 0 ? 0 : value % n;
    }
    int32_t between(int32_t low, int32_t high) { return low + int32_t(below(uint32_t(high - low + 1))); }
    // Up to maxSize raw bytes: a length byte, then the bytes.
    std::string bytes(size_t maxSize) {
        size_t n = std::min<size_t>(below(uint32_t(maxSize) + 1), m_data.size() - std::min(m_pos, m_data.size()));
        std::string result(m_data.substr(m_pos, n));
        m_pos += n;
        return result;
    }
    // Everything not read yet.
    std::string_view rest() {
        std::string_view result = m_data.substr(std::min(m_pos, m_data.size()));
        m_pos = m_data.size();
        return result;
    }

private:
    std::string_view m_data;
    size_t m_pos = 0;
};

} // namespace tavlo::fuzz
