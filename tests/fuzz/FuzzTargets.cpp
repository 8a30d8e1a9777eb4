#include "FuzzTargets.h"

#include <array>

namespace tavlo::fuzz {

std::span<const FuzzTarget> FuzzTargets() {
    static const std::array<FuzzTarget, 3> targets{{
        {"line_buffer", FuzzLineBuffer},
        {"highlighter", FuzzHighlighter},
        {"engine", FuzzEngine},
    }};
    return targets;
}

} // namespace tavlo::fuzz
