// What a pixel of the chart reads: the values under the pointer, worked out in double from
// the pixel's corner as ImpedanceAt reads pixels (G = u + jv, u = (X - 400)/300,
// v = -(Y - 350)/300: pixel (460, 230) is G = 0,2 + j0,4, z = 1 + j1), and the text the
// readout beside the pointer shows.
//
// The digits: every value is also read half a pixel either side of the corner along both
// axes, and written to the power of ten nearest its spread over those points, so that its
// last digit moves by about one from pixel to pixel (z = 1 + j1 spreads by 0,008: "1,00";
// on a 50 Ом line by 0,4 Ом: "50"); the two parts of a complex value share their decimals.
// Where a value spreads by more than a tenth of its size (of 1, or of |Zв| in ohms, when it
// is smaller), fewer than two significant digits are sure and the text gives the span the
// pixel covers instead («r ≈ 150…300», near the rim); the angle of Г, and with it the place
// on the wavelength scale, is read only where a pixel turns it by 10° at most, and is «не
// определён» nearer the centre. Points of the pixel beyond the rim are read on the rim,
// where the disc ends.
//
// The text, one value to a line, numbers with the user's decimal separator; pixel (460, 230)
// on a 50 Ом line reads
//     z = 1,00 + j1,00
//     Z = 50 + j50 Ом                (with a line: that of the load last shown)
//     y = 0,50 - j0,50
//     |Г| = 0,447, arg Г = 63°
//     КСВ = 2,62, КБВ = 0,382
//     0,162 λ к генератору, 0,338 λ к нагрузке
// and pixel (699, 350), by the open circuit, «r ≈ 400…1200, x ≈ -240…240» on its first line.
// Beyond the rim the text is the one line «За окружностью |Г| = 1»; farther than the
// wavelength labels, nothing. At the open circuit z is «z → ∞ (холостой ход)», at the short
// circuit y is «y → ∞ (короткое замыкание)»; at the centre the angle and the place on the
// wavelength scale are not defined and the text says so.
#pragma once

#include "chart/Frame.h"
#include "theory/LineTheory.h"

#include <optional>
#include <string>

namespace chart {

// A value at the pixel's corner, and the least and greatest it takes over the pixel.
struct TSpread {
    double Value = 0, Low = 0, High = 0;
    double Width() const { return High - Low; }
};

// A complex value's parts, written with shared decimals. Scale: the natural size a part
// is judged by when it is smaller (0,1 normalised, 0,1·|Zв| in ohms). At the open circuit
// z is infinite, at the short circuit y.
struct TComplexSpread {
    TSpread Re, Im;
    int Decimals = 0;
    double Scale = 0;
    bool Finite() const;
};

enum class TReadPlace {
    Disc,      // on the chart, |Г| <= 1
    BeyondRim, // |Г| > 1, up to the wavelength labels
    Outside,   // farther still: nothing to read
};

struct TReadout {
    TReadPlace Place = TReadPlace::Outside;
    theory::TComplex Gamma;             // at the corner
    TComplexSpread Z, Y;                // normalised impedance r + jx and admittance g + jb
    std::optional<TComplexSpread> Ohms; // Z = z·Zв, with a line
    TSpread GammaAbs, Vswr, Twr;        // |Г|, КСВ, КБВ
    bool AngleDefined = false;          // false at and around the centre
    TSpread Angle;                      // arg Г in degrees, (-180, 180]
    TSpread TowardGenerator;            // the place on the wavelength scale, [0, 0,5)
    int AngleDecimals = 0, PlaceDecimals = 0;
};

// Farther than this from the centre the readout says nothing: the wavelength ring and its
// labels lie within.
constexpr int ReadoutReach = WaveRingRadius + 30;

// The readings of pixel p; `line` (ohms) adds Z.
TReadout ReadPixel(TPixel p, std::optional<theory::TComplex> line = std::nullopt);

// The readout's text (above); empty outside.
std::string ReadoutText(const TReadout& r);

// A value written with `decimals` decimals (fewer than zero: rounded to tens, hundreds ...).
std::string ReadingNumber(double v, int decimals);

// A part of Z as the pick writes it into a field: with the readout's decimals, yet never
// fewer than two significant digits where it is not zero, so a span still gives a number.
std::string PickedNumber(const TSpread& part, int decimals);

} // namespace chart
