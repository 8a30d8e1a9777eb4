// Toolbar and menu pictures from one installed icon theme, the same on every desktop, so
// that the buttons match each other and a disabled one is drawn greyed.
#pragma once

#include <QIcon>
#include <QStyle>

namespace tavlo {

// The theme the program's pictures come from (Debian package tango-icon-theme).
extern const char* const ToolbarIconTheme;

// The theme's picture of that name; the style's own picture when the theme is not
// installed or lacks it.
QIcon ToolbarIcon(const char* name, QStyle::StandardPixmap fallback);

} // namespace tavlo
