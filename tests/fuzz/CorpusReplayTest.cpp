// Every input a fuzzer ever failed on, and the seeds, kept under corpus/<target>/: each must
// now pass its target. Built with the ordinary compiler, so no fuzzing tools are needed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzTargets.h"

namespace tavlo::fuzz {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(FuzzCorpus, EveryKeptInputPasses) {
    for (const FuzzTarget& target : FuzzTargets()) {
        const fs::path folder = fs::path(TAVLO_TEST_DATA) / "corpus" / target.Name;
        ASSERT_TRUE(fs::is_directory(folder)) << folder;
        int replayed = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == ".gitkeep") continue;
            const std::string bytes = readAll(entry.path());
            try {
                target.Run(bytes);
            } catch (const std::exception& error) {
                ADD_FAILURE() << target.Name << " fails on " << entry.path() << ": " << error.what();
            }
            ++replayed;
        }
        EXPECT_GT(replayed, 0) << "no input kept for " << target.Name;
    }
}

// A fuzzer's first steps: inputs of every length up to a few bytes, so that short reads and
// the end of the input are handled by each target.
TEST(FuzzCorpus, ShortInputs) {
    for (const FuzzTarget& target : FuzzTargets())
        for (size_t n = 0; n <= 3; ++n)
            for (int b = 0; b < 256; b += n == 0 ? 256 : 15) EXPECT_NO_THROW(target.Run(std::string(n, char(b))));
}

} // namespace
} // namespace tavlo::fuzz
