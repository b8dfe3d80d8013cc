// zline's window as the harness drives it, with what each button may leave changed when it
// stops.
#include "fuzz/Harness.h"

#include "zline/Unit1.h"

namespace zfuzz {

namespace {

TProgram Describe() {
    TProgram p;
    p.Edits = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
    // "Показать точку" parses the load and the line first and works the whole construction
    // out before it changes anything, so every stop leaves the window as it was.
    p.Buttons.emplace_back("Button1",
                           std::vector<TRead>{{"Edit1"}, {"Edit2"}, {"Edit3"}, {"Edit4"}}, 1);
    // "Определить новое R+jX" reads the distance, the wavelength and the attenuation first
    // and changes nothing until every input is known to give a drawable point.
    p.Buttons.emplace_back("Button2", std::vector<TRead>{{"Edit5"}, {"Edit6"}, {"Edit7"}}, 3);
    p.HasCheckBox = true;
    p.Create = [](chart::TChartState& state) -> std::unique_ptr<tk::TForm> {
        return std::make_unique<zline::TForm1>(state);
    };
    return p;
}

} // namespace

const TProgram& Program() {
    static const TProgram program = Describe();
    return program;
}

} // namespace zfuzz
