// zline's answers without a window: --line, --distance, --wavelength, --attenuation,
// --toward generator|load, --mirror.
#pragma once

#include "cli/Run.h"

namespace cli {

TProgram ZlineProgram();

} // namespace cli
