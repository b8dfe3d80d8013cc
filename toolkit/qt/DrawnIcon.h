// An icon drawn from its shapes (toolkit/IconArt.h), smooth at every size a desktop asks
// for, from a 16-pixel title bar to a 256-pixel task switcher.
#pragma once

#include "toolkit/IconArt.h"

#include <QIcon>

namespace tkqt {

QIcon DrawnIcon(const tk::TIconArt& art);

} // namespace tkqt
