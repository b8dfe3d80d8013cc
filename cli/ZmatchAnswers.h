// zmatch's answers without a window: --line, --wavelength, --stub short|open.
#pragma once

#include "cli/Run.h"

namespace cli {

TProgram ZmatchProgram();

} // namespace cli
