#pragma once

#include <QIcon>

namespace help {

enum class BrowserIcon { Back, Forward, Refresh, Home, Search, Stop };

// The help window's toolbar pictures, drawn by the program: the same on every desktop, and
// without the search through the desktop's icon themes and the decoding of the style's
// pictures that the first help window paid for (a quarter of its opening).
QIcon browserIcon(BrowserIcon kind);

}  // namespace help
