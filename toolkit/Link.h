// A link: a label designed with the hand cursor (the author's address at the column's foot).
// It keeps to its designed width, and its tooltip is what it says where it was given none,
// so that an address cut short is still read whole.
//
//     ToolTipOf(link «https://…/zmatch», no hint)    "https://…/zmatch"
//     ToolTipOf(field with hint «Частота f0 …»)     "Частота f0 …"
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace tk {

bool IsLink(const TControl& control);

// What shows when the pointer rests on the control; empty: nothing. The control's own text,
// held as long as the control is and unchanged: the page compares it on every change.
const std::string& ToolTipOf(const TControl& control);

} // namespace tk
