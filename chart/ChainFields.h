// The chain window's fields for what an element carries beside its value: an L's or C's Q
// at f0, a line's loss in dB per wavelength, and a line's length in millimetres with a
// velocity factor; and the words for the standard values' result. Each reads its field, refuses what does not read or does not apply with a
// Russian message naming the field, and only then changes the element.
//
// The window keeps a line in wavelengths at f0 whichever way it was typed, so that the slider
// and the other fields treat it alike: 25 mm at vf 0,66 and 433,92 MHz is
//     0,025 / (0,66 · 299792458 / 433,92e6) = 0,05483 λ.
#pragma once

#include "theory/Chain.h"
#include "theory/StandardValues.h"
#include "toolkit/Controls.h"

#include <string>

namespace chart {

// QEdit read as the Q at f0 (empty: lossless); only an L or a C takes one.
void ApplyQ(theory::TChainElement& e, const tk::TEdit& qEdit);
// LossEdit read in dB per λ, zero or more (empty: none); only a line takes one.
void ApplyLoss(theory::TChainElement& e, const tk::TEdit& lossEdit);
// The length typed in mm with the velocity factor (0 < vf ≤ 1) as the line's λ at f0; the
// velocity factor read is returned, for the window to show the next line's length with.
double ApplyMillimetres(theory::TChainElement& e, const tk::TEdit& mmEdit,
                        const tk::TEdit& vfEdit, double f0Hz);

// What the fields show for `e`: its Q, its loss, and a line's length in mm at `vf` (empty
// where the element has none, or without a frequency).
struct TFieldTexts {
    std::string Q, Loss, Millimetres;
};
TFieldTexts FieldTexts(const theory::TChainElement& e, double f0Hz, double vf);

// A line's wavelengths at f0 from metres at a velocity factor, and back.
double WavesOfMetres(double metres, double vf, double f0Hz);
double MetresOfWaves(double waves, double vf, double f0Hz);

// What StandardLabel says: "E24: КСВ на входе 1,087 → 1,143".
std::string StandardVswrText(theory::TSeries series, double before, double after);

extern const char* const kQMessage;
extern const char* const kLineOnlyMessage;
extern const char* const kMillimetresFrequencyMessage;
extern const char* const kStandardFrequencyMessage;

} // namespace chart
