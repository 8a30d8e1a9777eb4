// The fuzz targets: each takes any bytes and throws FuzzFailure when an invariant breaks.
// libFuzzer drives them (tests/fuzz/libfuzzer, `make fuzz`); the corpus replay test runs every
// input kept under tests/fuzz/corpus/<name>/ through them with the ordinary compiler.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavlo::fuzz {

class FuzzFailure : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void Expect(bool holds, const std::string& what) {
    if (!holds) throw FuzzFailure(what);
}

struct FuzzTarget {
    std::string_view Name; // the corpus folder and the libFuzzer program's suffix
    void (*Run)(std::string_view data);
};

void FuzzLineBuffer(std::string_view data);
void FuzzHighlighter(std::string_view data);
void FuzzEngine(std::string_view data);

std::span<const FuzzTarget> FuzzTargets();

} // namespace tavlo::fuzz
