// libFuzzer's entry point for the target named by TAVLO_FUZZ_TARGET (one program per target).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto run = [] {
        for (const tavlo::fuzz::FuzzTarget& target : tavlo::fuzz::FuzzTargets())
            if (target.Name == TAVLO_FUZZ_TARGET) return target.Run;
        std::abort();
    }();
    // A broken invariant throws: uncaught, it aborts, and libFuzzer keeps the input.
    run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
