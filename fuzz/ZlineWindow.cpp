// zline's window as the harness drives it. "Показать точку" parses the load and the line
// first and works the whole construction out before it changes anything, and «Определить
// новое R+jX» reads the distance, the wavelength and the attenuation first and changes
// nothing until every input is known to give a drawable point: every stop leaves the window
// as it was.
#include "fuzz/Harness.h"

#include "zline/Unit1.h"

namespace zfuzz {

const TProgram& Program() {
    static const TProgram program = ProgramOfForm(
        zline::kForm1Desc, [](chart::TChartState& state) -> std::unique_ptr<tk::TForm> {
            return std::make_unique<zline::TForm1>(state);
        });
    return program;
}

} // namespace zfuzz
