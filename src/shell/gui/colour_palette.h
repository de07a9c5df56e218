#pragma once
#include <QColor>

#include "shell/settings/colour_scheme.h"

namespace tarvo::shell {

inline QColor qColor(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// The scheme's colours given to this program's own palette (buttons, menus, highlighted text); the
// system scheme leaves the palette as it is.
void applyColourScheme(ColourScheme scheme);

}  // namespace tarvo::shell
