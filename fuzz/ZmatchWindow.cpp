// zmatch's window as the harness drives it, with what each button may leave changed when it
// stops.
#include "fuzz/Harness.h"

#include "zmatch/Unit1.h"

namespace zfuzz {

namespace {

TProgram Describe() {
    TProgram p;
    p.Edits = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit6"};
    // "Показать точку" parses the load and the line first and works the whole construction
    // out before it changes anything, so every stop leaves the window as it was.
    p.Buttons.emplace_back("Button1",
                           std::vector<TRead>{{"Edit1"}, {"Edit2"}, {"Edit3"}, {"Edit4"}}, 1);
    // "Согласовать" reads the wavelength and plans the construction before drawing: a bad
    // wavelength or a load without an answer leaves the window as it was.
    p.Buttons.emplace_back("Button2", std::vector<TRead>{{"Edit6"}}, 1);
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
