// A designed caption that the window's face sets wider than its box: where it would run
// under the control beside it («Zн=        +j» under the field after it), each binding sets
// it closer to keep it in its box; elsewhere it runs on, as long as its text.
//
//     RunsUnderANeighbour(form, Label3, 80)   true where a control of Label3's parent stands
//                                             within 80 pixels of its box's left, on its rows
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Geometry.h"

#include <functional>

namespace tk {

// Where each control stands, in one layout; the controls of one parent in the same units.
using TBoxOf = std::function<TRect(const TControl&)>;

// Whether `caption`, set `width` pixels wide from its box's left, reaches past its box into
// another control of the same parent (a group box too). `boxOf`: where each control stands;
// none: as designed.
bool RunsUnderANeighbour(const TForm& form, const TControl& caption, int width,
                         const TBoxOf& boxOf = {});

} // namespace tk
