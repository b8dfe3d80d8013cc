// Tab enters a group of radio buttons once: at its checked one, or, while none is checked,
// at its first (in the form's order). The arrows move within the group.
//
//     «Коротко замкнутый» checked: it is the group's stop, «Разомкнутый» is not
#pragma once

#include "toolkit/Controls.h"

namespace tk {

// Whether one of the radio buttons of `group` (their parent; nullptr: the form) is checked.
bool GroupHasChoice(const TForm& form, const TControl* group);

// Whether Tab stops at `radio`: a stop of the form, and its group's as above.
bool IsGroupStop(const TForm& form, const TRadioButton& radio);

} // namespace tk
