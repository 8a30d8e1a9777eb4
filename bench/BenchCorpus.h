// Generated documents for the benchmarks: C-like text of a chosen size, about 40 bytes a
// line, made on the fly and never committed.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tavlo::bench {

inline std::string GenerateCLikeText(size_t bytes, const char* lineBreak = "\n") {
    static const char* const words[] = {"int", "value", "count", "return", "if", "while", "buffer",
                                        "const", "char", "size_t", "index", "next", "for", "node"};
    std::mt19937 random(12345);
    std::string text;
    text.reserve(bytes + 128);
    while (text.size() < bytes) {
        size_t start = text.size();
        text.append(size_t(random() % 4) * 2, ' ');
        int wordCount = 3 + int(random() % 5);
        for (int w = 0; w < wordCount; ++w) {
            text += words[random() % (sizeof words / sizeof *words)];
            text += w + 1 < wordCount ? (random() % 5 == 0 ? "(" : " ") : ";";
        }
        if (random() % 3 == 0) text += " // " + std::to_string(random() % 100000);
        if (text.size() - start < 20) text += " /* pad */";
        text += lineBreak;
    }
    return text;
}

// A file of the generated text in the temporary folder, written once per size and reused.
inline std::string CLikeFile(size_t bytes) {
    namespace fs = std::filesystem;
    fs::path path = fs::temp_directory_path() / ("tavlo-bench-" + std::to_string(bytes) + ".c");
    std::error_code error;
    if (!fs::exists(path, error) || fs::file_size(path, error) < bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << GenerateCLikeText(bytes);
    }
    return path.string();
}

constexpr size_t kHundredMegabytes = 100u * 1000u * 1000u;

} // namespace tavlo::bench
