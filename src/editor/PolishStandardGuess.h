// Which Polish character standard a text's bytes are probably in, judged by how often the
// bytes that are Polish letters in each standard occur; UTF-8 (which none of the standards
// can show) is told apart by its byte sequences.
#pragma once

#include <optional>
#include <string_view>

namespace tavlo {

struct TStandardGuess {
    bool Utf8 = false;
    int Standard = -1; // a Polish standard (0..3) when not Utf8
    friend bool operator==(const TStandardGuess&, const TStandardGuess&) = default;
};

// None for a text without bytes above 127, or whose such bytes are no Polish letters in
// any standard often enough to tell.
std::optional<TStandardGuess> GuessPolishStandard(std::string_view bytes);

} // namespace tavlo
