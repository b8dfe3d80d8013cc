// The files --exercises writes when asked: --worksheets FILE.pdf, --key FILE.pdf and
// --moodle FILE.xml, each whole or not at all (tk::SavePictureFile); one that cannot be
// written raises tk::Exception with the Russian message saying which and why.
#pragma once

#include "cli/Run.h"

#include "exercises/Exercise.h"

namespace cli {

void WriteExerciseFiles(const exercises::TExerciseSet& set, const TValues& values);

} // namespace cli
