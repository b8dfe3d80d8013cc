// The lumped L-section on the chart, all of it in the impedance plane. An element across the
// line adds to the admittance and keeps g: the point moves along its circle of constant
// conductance, the resistance circle of that value turned half a turn (it touches the rim at
// the short circuit, G = -1). An element in series adds to the impedance and keeps r: the
// point moves along its resistance circle (which touches the rim at G = 1).
//
// With the element across next to the load (where g <= 1) the load moves along its g circle
// to the circle r = 1, and the series element then takes it along r = 1 to the centre; with
// the series element next to the load (r <= 1) along its r circle to g = 1, and the element
// across along g = 1 to the centre. Each crossing is found in pixels and read there, z at its
// pixel and y opposite it through the centre, to two decimals as the labels read the chart;
// the elements are the differences. 200 - j100 ohms on 100 ohms at 500 MHz: b = 0,29 across
// and x = 1,22 in series, C = 0,923 pF and L = 38,8 nH.
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "theory/LSection.h"

#include <string>
#include <vector>

namespace zmatch::methods {

// A circle centred on the real axis, in pixels: its centre's column and its radius.
struct TAxisCircle {
    int X = 0, R = 0;
};

// The circles the sections end on: r = 1 and g = 1, through the centre.
inline constexpr TAxisCircle kUnitResistanceCircle{chart::ChartCenterX + 150, 150};
inline constexpr TAxisCircle kUnitConductanceCircle{chart::ChartCenterX - 150, 150};
inline constexpr chart::TPixel kChartCentre{chart::ChartCenterX, chart::ChartCenterY};

// One section as the chart builds it.
struct TLSectionOnChart {
    theory::TLSectionSolution Exact;
    chart::TPixel Crossing;   // on r = 1 (the element across first) or on g = 1 (series first)
    chart::TImpedanceAt Z, Y; // z read at the crossing, y opposite it
    // The elements as read, normalised: the series x and the b across, each the difference of
    // two readings made to two decimals; 0 where the section needs no such element.
    double X = 0, B = 0;
};

struct TLSectionPlan {
    chart::TLoadPoint Load;
    double Zv = 0;                    // the line's impedance, real
    double Hz = 0;                    // 0: elements as reactance and susceptance
    chart::TImpedanceAt LoadZ, LoadY; // read at the load's pixel and opposite it
    float G = 0;                      // the load's conductance, as its circle is drawn
    TAxisCircle GCircle, RCircle;     // the load's circles of constant g and r
    // Those with the element across next to the load first, in the order theory gives them.
    std::vector<TLSectionOnChart> Sections;

    bool HasShuntFirst() const;
    bool HasSeriesFirst() const;
};

// Plans every section the load has; refuses a line with a reactive Zв and a reading the
// chart cannot make, before anything is drawn.
TLSectionPlan PlanLSection(const TMethodInput& input);

TMethodOutcome SolveLSection(const TMethodInput& input);
std::vector<std::string> LSectionExact(const TMethodInput& input);

// Line theory's sections, each network once: a residue of rounding below 10^-12 is no
// element, and a network of one element is given once, as the section of its own kind.
std::vector<theory::TLSectionSolution> DistinctSections(theory::TComplex z);

// Whether L and C can be written at this frequency (kLSectionFrequencyMessage).
bool LSectionFrequencyInRange(double hz);

// Draws the plan's sections over the load's construction (LSectionDrawing.cpp).
void DrawLSection(const TLSectionPlan& plan, tk::TCanvas& canvas, chart::TStepMarks& marks);

// An element as the results write it: "X = 122 Ом", "B = 2,90 мСм", at a frequency
// "L = 38,8 нГн", "C = 0,923 пФ"; three significant digits, or five decimals and more when
// `exact`. Built: the value as written, normalised back to the line (what is built from it);
// Reported: the same in ohms (series) or siemens (across), and Lumped the element as written
// at a frequency: what the JSON gives.
struct TWrittenElement {
    std::string Text;
    const char* Kind = ""; // "L", "C", or "" where the value is 0
    double Built = 0;
    double Reported = 0;
    theory::TLumped Lumped;
};
TWrittenElement WriteSeries(double x, double zv, double hz, bool exact = false);
TWrittenElement WriteShunt(double b, double zv, double hz, bool exact = false);

// The sentences of the construction after the load's: the circle of each kind of section,
// then each section, then what the line sees, each solution built as printed.
chart::TConstructionSteps LSectionSteps(const TLSectionPlan& plan,
                                        const std::vector<TSolution>& solutions);

// A value as the labels read the chart: four significant digits, two decimals at most
// (1,2247 reads 1,22).
double ChartReading(double v);

// Why a kind of section does not fit the load: "g = 2,50 > 1", the exact digits where two
// decimals read 1,00.
std::string AboveOneText(const char* name, double v);

// The names of the solutions' colours, in the palette's order, as the sentences say them.
const char* ColorName(std::size_t i);

// Elements in ohms and siemens are x·Zв and b/Zв: Zв must be real.
extern const char* const kLSectionLineMessage;
// L and C are written for frequencies from 1 Hz to 1000 GHz.
extern const char* const kLSectionFrequencyMessage;

} // namespace zmatch::methods
