#include "app/WindowPlacement.h"

#include <algorithm>

namespace tavlo {

namespace {

qint64 overlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect FitWindowOnScreens(int left, int top, int width, int height, const QSize& smallest,
                         const QList<QRect>& screens) {
    // Beyond any screen, and small enough that the rectangle's edges cannot overflow.
    constexpr int kFar = 1 << 20;
    const QRect wanted(std::clamp(left, -kFar, kFar), std::clamp(top, -kFar, kFar),
                       std::clamp(width, 1, kFar), std::clamp(height, 1, kFar));
    if (screens.isEmpty()) return wanted;
    QRect screen = screens.first();
    qint64 bestOverlap = 0;
    for (const QRect& candidate : screens) {
        const qint64 overlap = overlapArea(wanted, candidate);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            screen = candidate;
        }
    }
    const int fittedWidth = std::max(std::min(wanted.width(), screen.width()), smallest.width());
    const int fittedHeight =
        std::max(std::min(wanted.height(), screen.height()), smallest.height());
    // A window bigger than its screen keeps its top left corner on it.
    return {std::max(std::min(wanted.left(), screen.right() + 1 - fittedWidth), screen.left()),
            std::max(std::min(wanted.top(), screen.bottom() + 1 - fittedHeight), screen.top()),
            fittedWidth, fittedHeight};
}

} // namespace tavlo
