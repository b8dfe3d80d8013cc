#include "toolkit/RadioGroup.h"

namespace tk {

bool GroupHasChoice(const TForm& form, const TControl* group) {
    for (const auto& c : form.Controls())
        if (const auto* radio = dynamic_cast<const TRadioButton*>(c.get());
            radio && radio->Parent == group && radio->Checked())
            return true;
    return false;
}

bool IsGroupStop(const TForm& form, const TRadioButton& radio) {
    if (radio.TabOrder < 0) return false;
    if (GroupHasChoice(form, radio.Parent)) return radio.Checked();
    for (const auto& c : form.Controls())
        if (const auto* other = dynamic_cast<const TRadioButton*>(c.get());
            other && other->Parent == radio.Parent && other->TabOrder >= 0)
            return other == &radio;
    return false;
}

} // namespace tk
