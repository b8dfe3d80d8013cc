// The load point: the typed load normalised to the line and plotted on the chart with its
// construction (its resistance and reactance circles, the ray through it, its |G| circle,
// its place on the wavelength scale). Planned once from the typed numbers, then drawn,
// left in the shared state and explained from the plan.
#pragma once

#include "chart/ChartState.h"
#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/StepMarks.h"
#include "chart/TypedLoad.h"

#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <complex>
#include <string>

namespace chart {

// The numbers typed for the load Zn = Rn + jXn and the line Zv = Rv + jXv, as the chart
// stores them (floats) and as typed.
struct TLoadInput {
    float Rn = 0, Xn = 0, Rv = 0, Xv = 0;
    TTypedLoad Exact;
};

// Reads the four fields in this order; a bad one raises the conversion error naming it.
TLoadInput ReadLoadInput(const tk::TEdit& rn, const tk::TEdit& xn, const tk::TEdit& rv,
                         const tk::TEdit& xv);

// One load point, worked out before anything is shown or stored.
struct TLoadPoint {
    TLoadInput Typed;
    std::complex<double> ZLine, ZNorm;
    float RCenter = 0, RRadius = 0; // the resistance circle through the load, in G units
    TRCirclePixels RCircle{};       // its PixR is R0
    bool XCircle = false;           // the reactance circle is drawn (x far enough from 0)
    float K = 0;                    // 1/x of that circle
    TXCirclePixels XPixels{};
    TPixel Point;         // where the load is plotted
    float DistPx = 0;     // its distance from the centre
    float Ux = 0, Uy = 0; // the unit direction toward it (0, 0 at the centre)
    TPixel Ray;           // where the ray through it meets the wavelength ring
    int Rho = 0;          // radius of its |G| circle
    float WavePos = 0;    // its place on the wavelengths-toward-generator scale
    float RadToWaves = 0; // the scale factor the place was found with

    // "Zнн=2,00+j1,00", as Label3 shows it.
    std::string Caption() const;
};

// Normalises the load and places it. A line without a positive resistance, a load no
// passive network has (CheckPassiveLoad) and a point beyond any pixel raise a toolkit
// exception; nothing has changed then.
TLoadPoint PlanLoadPoint(const TLoadInput& typed);

// Puts the load's point on `point` and reads from it what the chart reads from the point:
// its distance, direction, ray, |Г| circle and place on the wavelength scale.
void PlaceLoadPoint(TLoadPoint& load, TPixel point);

// Refuses (kLineResistanceMessage) a line resistance that is not above zero: a line's wave
// impedance has a positive resistance (Zв = -50 or j50 is no line). The float the chart
// divides by decides, so 1e-50 ohms, a float zero, is refused as well.
void CheckLineResistance(float rv);

// Refuses a load whose resistance is negative, however little (-0,001 ohms lands within a
// pixel of the rim, where the chart's pixel alone could not tell): kNegativeLoadMessage.
// A load's own resistance may be positive and Zн/Zв's still negative, made so by a complex
// Zв's reactance: kNegativeNormalisedMessage. Either way the point lies beyond the rim,
// where |Г| > 1: no КСВ, no match and no move have a true answer there. The typed values
// decide, as the exact answers do.
void CheckPassiveLoad(const TTypedLoad& load);

// Blanks the chart's disc with the brush colour (white), the pen black, the brush solid,
// before the grid is drawn again over it.
void WipeChartDisc(tk::TCanvas& canvas);

// Draws the load's construction over a freshly drawn grid: its circles in red, the wipe
// beyond the rim and the wavelength labels again, the ray and |G| circle in blue, its place
// on the scale, and its lime marker. Leaves the pen green, width 2, the brush solid white.
// `marks` notes its steps as LoadPointSteps tells them: the normalisation (nothing drawn),
// the circles, the ray with the |Г| circle, the place on the scale with the marker.
void DrawLoadPoint(tk::TCanvas& canvas, const TLoadPoint& load);
void DrawLoadPoint(tk::TCanvas& canvas, const TLoadPoint& load, TStepMarks& marks);

// What the load point leaves in the shared state for the buttons after it: the line, the
// normalised load, the point, its distance and place, and its circles as the scratch in
// hand. Run after the grid, whose scratch it overwrites.
void LeaveLoadPoint(TChartState& s, const TLoadPoint& load);

// (Rn + jXn) / (Rv + jXv), dividing through by the larger part of the divisor; a zero or
// undefined divisor gives NaN in both parts.
std::complex<double> NormalizeLoad(double rn, double xn, double rv, double xv);

// "+j" and "-j" forms of a complex value as the result labels write it.
std::string ComplexText(double re, double im, int precision, int digits);

// For the second buttons: nothing to start from yet.
extern const char* const kNoPointMessage;

// The messages of the loads that cannot be shown.
extern const char* const kLineResistanceMessage;
extern const char* const kNegativeLoadMessage;
extern const char* const kNegativeNormalisedMessage;
extern const char* const kOffChartMessage;

} // namespace chart
