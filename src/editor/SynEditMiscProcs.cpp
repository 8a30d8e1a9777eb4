#include "editor/SynEditMiscProcs.h"

#include <algorithm>
#include <array>

namespace tavlo {

namespace {

struct CaseTables {
    std::array<uint8_t, 256> upper{};
    std::array<uint8_t, 256> lower{};
    std::array<bool, 256> alpha{};

    CaseTables() {
        for (int c = 0; c < 256; ++c) upper[c] = lower[c] = uint8_t(c);
        auto pair = [this](int up, int low) {
            upper[low] = uint8_t(up);
            lower[up] = uint8_t(low);
            alpha[up] = alpha[low] = true;
        };
        for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
        // Windows-1250 letters outside ASCII.
        const int pairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                                {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xBC, 0xBE}};
        for (auto& p : pairs) pair(p[0], p[1]);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7) pair(c, c + 0x20);
        alpha[0xB5] = true; // micro sign
        alpha[0xDF] = true; // sharp s, no capital
    }
};

const CaseTables& tables() {
    static const CaseTables t;
    return t;
}

} // namespace

uint8_t UpperCase1250(uint8_t c) { return tables().upper[c]; }
uint8_t LowerCase1250(uint8_t c) { return tables().lower[c]; }
bool IsAlpha1250(uint8_t c) { return tables().alpha[c]; }
bool IsAlphaNumeric1250(uint8_t c) { return tables().alpha[c] || (c >= '0' && c <= '9'); }

std::string UpperCase1250(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = char(UpperCase1250(uint8_t(c)));
    return result;
}

std::string LowerCase1250(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = char(LowerCase1250(uint8_t(c)));
    return result;
}

int64_t ColumnAfter(int64_t column, std::string_view bytes, int tabWidth) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t tab = bytes.find('\t', at);
        column += int64_t((tab == std::string_view::npos ? bytes.size() : tab) - at);
        if (tab == std::string_view::npos) break;
        column += tabWidth > 1 ? tabWidth - column % tabWidth : 1;
        at = tab + 1;
    }
    return column;
}

int32_t CharToColumnOf(std::string_view line, int32_t x, int tabWidth, TColumnPoint from) {
    // In 64 bits: x may be any 32-bit value, INT32_MIN included.
    const int64_t wanted = std::max<int64_t>(int64_t(x) - 1, 0);
    const int64_t inLine = std::min<int64_t>(wanted, int64_t(line.size()));
    const std::string_view counted = line.substr(from.Byte, size_t(inLine) - from.Byte);
    const int64_t column = ColumnAfter(from.Column, counted, tabWidth) + wanted - inLine;
    return int32_t(std::min<int64_t>(column + 1, INT32_MAX));
}

int32_t ColumnToCharOf(std::string_view line, int32_t column, int tabWidth, TColumnPoint from) {
    int64_t sum = from.Column;
    size_t i = from.Byte;
    while (sum < column && i < line.size()) {
        if (line[i] == '\t')
            sum += tabWidth - sum % tabWidth;
        else
            ++sum;
        ++i;
    }
    return int32_t(std::min<int64_t>(int64_t(i) + std::max<int64_t>(column - sum, 0), INT32_MAX));
}

int32_t LeadingWhiteCount(std::string_view line) {
    int32_t n = 0;
    while (size_t(n) < line.size() && uint8_t(line[size_t(n)]) <= ' ') ++n;
    return n;
}

int32_t LeadingWhiteWidth(std::string_view line, int tabWidth) {
    return CharToColumnOf(line, LeadingWhiteCount(line) + 1, tabWidth) - 1;
}

std::string IndentText(int32_t width, int tabWidth, bool spacesOnly) {
    if (width <= 0) return {};
    if (spacesOnly || width < tabWidth) return std::string(size_t(width), ' ');
    return std::string(size_t(width / tabWidth), '\t') + std::string(size_t(width % tabWidth), ' ');
}

std::string_view TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

size_t TrailingBlanks(std::string_view text) { return text.size() - TrimRight(text).size(); }

size_t SplicedTrailingBlanks(std::string_view line, size_t at, size_t removed, std::string_view text) {
    at = std::min(at, line.size());
    removed = std::min(removed, line.size() - at);
    const std::string_view parts[] = {line.substr(at + removed), text, line.substr(0, at)};
    size_t blanks = 0;
    for (std::string_view part : parts) {
        const size_t partBlanks = TrailingBlanks(part);
        blanks += partBlanks;
        if (partBlanks < part.size()) break;
    }
    return blanks;
}

size_t TrimmedLength(size_t length, size_t blanks, size_t keptBlanks, size_t keep) {
    return std::max(std::min(length, length - blanks + keptBlanks), std::min(keep, length));
}

size_t InsertionEnd(std::string_view inserted, size_t head, size_t length, size_t stored) {
    return head - std::min(length - stored, TrailingBlanks(inserted));
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        pieces.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

} // namespace tavlo
