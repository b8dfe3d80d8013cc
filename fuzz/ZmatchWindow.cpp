// zmatch's window as the harness drives it, with what each button may leave changed when it
// stops.
#include "Harness.h"

#include <Unit1.h>

namespace zfuzz {

namespace {

// The matching draws and shows the admittance point, and puts the unit-conductance circle
// into the scratch state, before it parses the wavelength.
TLeeway AfterTheFirstSteps() {
    TLeeway leeway;
    leeway.Labels = {"Label6"};
    leeway.Picture = true;
    leeway.State = [](chart::TChartState& s) {
        s.RCircleRadius = 0;
        s.PixX = 0;
        s.PixR = 0;
    };
    return leeway;
}

TProgram Describe() {
    TProgram p;
    p.Edits = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit6"};
    // "Показать точку" parses the load and the line first and works the whole construction
    // out before it changes anything, so every stop leaves the window as it was.
    p.Buttons.emplace_back("Button1",
                           std::vector<TRead>{{"Edit1"}, {"Edit2"}, {"Edit3"}, {"Edit4"}}, 1);
    // "Согласовать" plans the construction before drawing: a load without an answer stops
    // there, a bad wavelength only after the first steps.
    p.Buttons.emplace_back("Button2", std::vector<TRead>{{"Edit6", AfterTheFirstSteps()}});
    p.Create = [](chart::TChartState& state) -> std::unique_ptr<tk::TForm> {
        return std::make_unique<zmatch::TForm1>(state);
    };
    return p;
}

} // namespace

const TProgram& Program() {
    static const TProgram program = Describe();
    return program;
}

} // namespace zfuzz
