#include "fuzz/Harness.h"

#include "chart/ChartForm.h"

#include <algorithm>
#include <string_view>

namespace zfuzz {

namespace {

bool IsLoadField(std::string_view name) {
    return std::any_of(std::begin(chart::rows::kLoad), std::end(chart::rows::kLoad),
                       [&](const tk::TControlDesc& d) { return d.Name == name; });
}

} // namespace

TProgram ProgramOfForm(const tk::TFormDesc& form, TProgram::TCreate create) {
    TProgram p;
    std::vector<TRead> load, own;
    for (const tk::TControlDesc& d : form.Controls) {
        if (d.Kind == tk::TControlKind::CheckBox && std::string_view(d.Name) == "CheckBox1")
            p.HasCheckBox = true;
        if (d.Kind != tk::TControlKind::Edit) continue;
        p.Edits.emplace_back(d.Name);
        (IsLoadField(d.Name) ? load : own).emplace_back(d.Name);
    }
    p.Buttons.emplace_back("Button1", load, 1);
    const std::size_t ownReads = own.size();
    p.Buttons.emplace_back("Button2", std::move(own), ownReads);
    p.Create = std::move(create);
    return p;
}

} // namespace zfuzz
