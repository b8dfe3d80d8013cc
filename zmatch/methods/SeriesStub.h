// One stub in series with the line, on the chart. A series stub adds its reactance to the
// line's, so it goes where the line's impedance is 1 + jx: from the load along its |Г| circle
// toward the generator to the circle r = 1, at both crossings (above the axis x > 0, below
// x < 0). x is read at the crossing's pixel; the stub supplies -x, and the circle of -x meets
// the rim, where the stubs' pure reactances lie, at S. The stub's length is read along the
// rim clockwise to S from its end: the short-circuit point on the left (z = 0) or the
// open-circuit point on the right (z = ∞). For 100 + j80 Ом on 50 Ом with an open stub the
// chart reads the upper crossing z = 0,99 + j1,33 at 0,463 λ with a stub of 0,103 λ and the
// lower one at 0,120 λ with 0,397 λ (exactly 0,46337 λ and 0,10237 λ, 0,11974 λ and
// 0,39763 λ).
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/Frame.h"
#include "theory/SeriesStub.h"

#include <array>
#include <vector>

namespace zmatch::methods {

TMethodOutcome SolveSeriesStub(const TMethodInput& input);
std::vector<std::string> SeriesStubExact(const TMethodInput& input);

// One solution as the chart builds it: every point truncated to whole pixels before the
// next step reads it.
struct TSeriesCrossing {
    chart::TPixel Point;                    // where the load's |Г| circle meets r = 1
    chart::TImpedanceAt At;                 // read there: z = 1 + jx
    float Angle = 0;                        // the crossing's screen angle
    float Sweep = 0;                        // from the load's angle, clockwise
    float StubX = 0;                        // what the stub supplies: -x
    float StubCircleY = 0, StubCircleR = 0; // the circle of -x: its centre row and radius
    chart::TPixel S;                        // where it meets the rim
    float SAngle = 0, StubSweep = 0;        // S's screen angle; from the stub's end to S

    double Distance() const;
    double Stub() const;
};

struct TSeriesStubPlan {
    theory::TStubKind Kind = theory::TStubKind::Short;
    float From = 0; // the load's screen angle
    // Above the axis first (x > 0), then below.
    std::array<TSeriesCrossing, 2> Crossings;
};

// Plans both crossings for the load; a construction the chart's precision cannot finish
// raises kConstructionMessage.
TSeriesStubPlan PlanSeriesStub(const chart::TLoadPoint& load, theory::TStubKind kind);

// The steps after the load's, in the order the construction is drawn: each solution's turn
// to r = 1 and its stub, then what the line sees at the stubs; the lengths in the unit of the
// wavelength `lambda` too.
chart::TConstructionSteps SeriesStubSteps(const chart::TLoadPoint& load, const TSeriesStubPlan& p,
                                          const theory::TSeriesStubSolutions& exact,
                                          const std::vector<TSolution>& solutions, double lambda);

} // namespace zmatch::methods
