// What every matching method of the methods window offers (MethodsForm.h): it is handed the
// load as «Показать точку» plans it on the window's own chart and the window's options, works
// out its solutions on the chart's pixels (truncated like every reading of the chart) and by
// line theory, refuses before anything is drawn when it has none, and then draws its
// construction over the load's.
//
// A method is one file here for its construction (the chart's readings, the drawing, the
// steps) and one in theory/ for its exact solutions, and one line in Methods.cpp that names
// it, its caption and the options it reads; the window and the command line take it from
// there:
//
//     series stub     SeriesStub.cpp    theory/SeriesStub.cpp
//     double stub     DoubleStub.cpp    theory/DoubleStub.cpp
//     quarter-wave    QuarterWave.cpp   theory/QuarterWave.cpp
//     L-section       LSection.cpp      theory/LSection.cpp
#pragma once

#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "theory/Network.h"
#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zmatch::methods {

// The options a method reads, each read from its row of the window or its option on the
// command line (zmatch/MethodOptions.h describes them); a method names its own as a set:
// TOptionKind::Stub | TOptionKind::Wavelength.
enum class TOptionKind : unsigned {
    Wavelength = 1,
    Stub = 2,
    FirstStub = 4,
    Spacing = 8,
    Frequency = 16
};

struct TOptionKinds {
    unsigned Bits = 0;
    constexpr bool Has(TOptionKind kind) const { return (Bits & unsigned(kind)) != 0; }
};
constexpr TOptionKinds operator|(TOptionKinds set, TOptionKind kind) {
    return {set.Bits | unsigned(kind)};
}
constexpr TOptionKinds operator|(TOptionKind a, TOptionKind b) {
    return TOptionKinds{unsigned(a)} | b;
}
constexpr TOptionKinds Only(TOptionKind kind) {
    return {unsigned(kind)};
}

// The window's options, read before a method is asked; each method takes what it reads.
struct TMethodOptions {
    theory::TStubKind Stub = theory::TStubKind::Short; // series and double stub
    double FirstStub = 0;                              // double stub: from the load, in λ
    double Spacing = 0.125;                            // double stub: between the stubs, in λ
    double Hz = 0;                                     // L-section: 0 when no frequency is typed
    // The main window's «Длин. волн.»: every length is given in λ and, unless this is 1, in
    // its unit too.
    double Wavelength = 1;
};

struct TMethodInput {
    chart::TLoadPoint Load; // planned on the window's chart; Load.Typed.Exact as typed
    TMethodOptions Options;
};

// A value of a solution as the command line's JSON gives it: a number (lengths in
// wavelengths and, as key_in_unit, in the wavelength's unit; ohms, siemens, henries or
// farads), a word, an object of values, or true or false.
struct TReportedValue {
    std::string Key;
    double Number = 0;
    std::string Text;                    // a word in place of the number: "shunt"
    std::vector<TReportedValue> Members; // an object in place of either
    std::optional<bool> Truth;           // true or false in place of all three: "forbidden"
};
using TReportedValues = std::vector<TReportedValue>;

inline TReportedValue Number(std::string key, double v) {
    return {std::move(key), v, {}, {}, {}};
}
inline TReportedValue Word(std::string key, std::string text) {
    return {std::move(key), 0, std::move(text), {}, {}};
}
inline TReportedValue Object(std::string key, TReportedValues members) {
    return {std::move(key), 0, {}, std::move(members), {}};
}
inline TReportedValue Flag(std::string key, bool v) {
    return {std::move(key), 0, {}, {}, v};
}

// One solution: as the chart reads it and as line theory gives it, and the chart's answer
// as the window prints it, built and measured.
struct TSolution {
    std::string Name; // in the legend and the results: «через максимум напряжения»
    tk::TColor Color;    // its construction's lines and its band curve
    std::string Reading; // the chart's answer as the result label prints it
    std::string Exact;   // the exact answer, for the label's tooltip
    // The JSON's "chart" and "exact"; "chart" gives the very values Reading prints and
    // Printed is built from.
    TReportedValues ChartValues, ExactValues;
    theory::TNetwork Printed; // the chart's answer as printed, to be built
    theory::TNetwork ExactNetwork;
    double BuiltVswr = 1; // КСВ at f0 of Printed built for the exact load
};

struct TMethodOutcome {
    std::vector<TSolution> Solutions;
    // What the window says beneath the solutions, a line each: a load already on the real
    // axis needs no line; a load in the double stub's forbidden region and its remedy.
    std::vector<std::string> Notes;
    TReportedValues Extra; // the JSON's fields beside "solutions": "forbidden", "first_stub"
    // The construction's steps after the load's, one a Begin/End pair that Draw marks.
    chart::TConstructionSteps Steps;
    // Draws the construction over the load's, noting its steps; leaves the pen solid and
    // the brush white as every drawing of the chart does.
    std::function<void(tk::TCanvas&, chart::TStepMarks&)> Draw;
};

struct TMethod {
    const char* Key; // on the command line: "quarter-wave"
    const char* Caption; // in the window and the results: «Четвертьволновый трансформатор»
    // Plans the method for the input: a toolkit exception refuses it before anything is
    // drawn.
    TMethodOutcome (*Solve)(const TMethodInput& input);
    // The solutions as line theory gives them, each «name: values» as the results write its
    // exact line, for a load the chart cannot build (LoadLimits.h); the same refusals as
    // Solve for what no load could change (a reactive Zв).
    std::vector<std::string> (*ExactAnswers)(const TMethodInput& input);
    TOptionKinds Options;       // the options it reads; the others are left as they are
    bool ChosenAtStart = false; // the method the window opens with
};

// The methods in the window's order.
std::span<const TMethod> Methods();

} // namespace zmatch::methods
