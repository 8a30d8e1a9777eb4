#include "app/LineSorting.h"

#include "editor/PolishCharsets.h"
#include "editor/SynEditMiscProcs.h"
#include "platform/qt/CodePageText.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace tavlo {

std::vector<size_t> CollatedOrder(const std::vector<std::string>& keys) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The text's bytes are read in the system code page the editor works in. Folded first:
    // some locales' collators (the plain C one) ignore the case setting.
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(keys.size());
    for (const std::string& key : keys)
        sortKeys.push_back(collator.sortKey(TextOfBytes(psCp1250, key).toCaseFolded()));
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return sortKeys[a].compare(sortKeys[b]) < 0;
    });
    return order;
}

std::string JoinInOrder(const std::vector<std::string>& lines, const std::vector<size_t>& order) {
    std::string text;
    for (size_t index : order) {
        text += lines[index];
        text += "\r\n";
    }
    return text;
}

std::string SortedLinesText(std::string_view text) {
    std::vector<std::string_view> pieces = SplitLines(text);
    // SplitLines reports what follows a final break as one more, empty, piece.
    if (pieces.back().empty()) pieces.pop_back();
    const std::vector<std::string> lines(pieces.begin(), pieces.end());
    return JoinInOrder(lines, CollatedOrder(lines));
}

} // namespace tavlo
