// Where the main window may open: the stored placement, moved and shrunk as little as
// needed to lie on one of the screens the machine has now.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace tavlo {

// `screens` are the screens' available areas, the primary one first. The window goes to
// the screen it overlaps most (the primary one when it overlaps none), no bigger than that
// screen (unless `smallest` is) and wholly inside it. Any int is taken, also the absurd
// ones of a damaged file.
QRect FitWindowOnScreens(int left, int top, int width, int height, const QSize& smallest,
                         const QList<QRect>& screens);

} // namespace tavlo
