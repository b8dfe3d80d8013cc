#include "toolkit/TabOrder.h"

#include <algorithm>

namespace tk {

namespace {

bool IsContainer(const tk::TControl& c) {
    return c.Kind == tk::TControlKind::GroupBox;
}

// Labels and images never hold the focus, whatever their tab order says.
bool TakesFocus(const tk::TControl& c) {
    using K = tk::TControlKind;
    return c.Kind == K::Edit || c.Kind == K::Button || c.Kind == K::RadioButton ||
           c.Kind == K::CheckBox || c.Kind == K::RowList || c.Kind == K::SliderValue;
}

void Append(const tk::TForm& form, const tk::TControl* parent, std::vector<tk::TControl*>& out) {
    std::vector<tk::TControl*> entries;
    for (const auto& c : form.Controls())
        if (c->Parent == parent && (IsContainer(*c) || (c->TabOrder >= 0 && TakesFocus(*c))))
            entries.push_back(c.get());
    std::stable_sort(entries.begin(), entries.end(), [](const auto* a, const auto* b) {
        // Unordered containers sort last.
        const bool aLast = a->TabOrder < 0, bLast = b->TabOrder < 0;
        if (aLast != bLast) return bLast;
        return a->TabOrder < b->TabOrder;
    });
    for (tk::TControl* c : entries) {
        if (IsContainer(*c))
            Append(form, c, out);
        else
            out.push_back(c);
    }
}

} // namespace

std::vector<TControl*> TabSequence(const TForm& form) {
    std::vector<tk::TControl*> out;
    Append(form, nullptr, out);
    return out;
}

} // namespace tk
