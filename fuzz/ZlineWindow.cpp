// zline's window as the harness drives it, with what each button may leave changed when it
// stops.
#include "Harness.h"

#include <Unit1.h>

namespace zfuzz {

namespace {

// The move takes up its green pen before it reads anything, and stores the new position
// before it parses the attenuation and before it finds the new point too far out to draw.
TLeeway PenAndPosition(bool position) {
    TLeeway leeway;
    leeway.Pen = true;
    if (position) leeway.State = [](chart::TChartState& s) { s.NewWavePos = 0; };
    return leeway;
}

TProgram Describe() {
    TProgram p;
    p.Edits = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
    // "Показать точку" parses the load and the line first and works the whole construction
    // out before it changes anything, so every stop leaves the window as it was.
    p.Buttons.emplace_back("Button1",
                           std::vector<TRead>{{"Edit1"}, {"Edit2"}, {"Edit3"}, {"Edit4"}}, 1);
    // "Определить новое R+jX" reads the distance and the wavelength first and draws nothing
    // until every input is known to give a drawable point.
    p.Buttons.emplace_back("Button2",
                           std::vector<TRead>{{"Edit5", PenAndPosition(false)},
                                              {"Edit6", PenAndPosition(false)},
                                              {"Edit7", PenAndPosition(true)}},
                           2, PenAndPosition(true));
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
