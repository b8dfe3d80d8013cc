// zmatch's window as the harness drives it. "Показать точку" parses the load and the line
// first and works the whole construction out before it changes anything, and "Согласовать"
// reads the wavelength and plans the construction before drawing: every stop, a bad field
// or a load without an answer, leaves the window as it was.
#include "fuzz/Harness.h"

#include "zmatch/Unit1.h"

namespace zfuzz {

const TProgram& Program() {
    static const TProgram program = ProgramOfForm(
        zmatch::kForm1Desc, [](chart::TChartState& state) -> std::unique_ptr<tk::TForm> {
            return std::make_unique<zmatch::TForm1>(state);
        });
    return program;
}

} // namespace zfuzz
