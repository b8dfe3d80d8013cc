#include "toolkit/Link.h"

namespace tk {

bool IsLink(const TControl& control) {
    return control.Kind == TControlKind::Label && control.Cursor == TCursor::crHandPoint;
}

const std::string& ToolTipOf(const TControl& control) {
    if (IsLink(control) && control.Hint.empty()) return static_cast<const TLabel&>(control).Caption;
    return control.Hint;
}

} // namespace tk
