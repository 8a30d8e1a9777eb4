// Ordering lines of the document's 8-bit text as the user's language orders words, with
// letter case ignored.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Indexes of the keys in collated order (the locale's, letter case ignored); equal keys
// keep their order.
std::vector<size_t> CollatedOrder(const std::vector<std::string>& keys);

// The lines in the given order, each followed by CR LF.
std::string JoinInOrder(const std::vector<std::string>& lines, const std::vector<size_t>& order);

// The lines of a text (broken at CR LF, CR or LF; a break at the very end ends the last
// line) sorted, each followed by CR LF.
std::string SortedLinesText(std::string_view text);

} // namespace tavlo
