// The order in which Tab visits a form's controls, worked out from the controls alone so
// that it can be checked without a window.
#pragma once

#include "toolkit/Controls.h"

#include <vector>

namespace tk {

// The tab stops of each parent in ascending TabOrder (form order breaks ties); a group
// box is no stop itself, its own stops take its place in its parent's sequence. A group
// box without a tab order still lets Tab reach its children, after its parent's stops.
std::vector<TControl*> TabSequence(const TForm& form);

} // namespace tk
