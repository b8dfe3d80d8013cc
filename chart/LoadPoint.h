#pragma once

#include "chart/ChartState.h"

#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <complex>
#include <functional>
#include <string>

namespace chart {

// All the chart core sees of a program's window.
struct TChartWindow {
    tk::TEdit& Edit1; // load resistance
    tk::TEdit& Edit2; // load reactance
    tk::TEdit& Edit3; // line resistance
    tk::TEdit& Edit4; // line reactance
    tk::TLabel& Label3;
    tk::TCanvas& Canvas;
    std::function<void()> RedrawGrid; // the program's FormCreate, finishing routine included
};

// Reads the load and the line, shows the normalised load and plots it on a freshly drawn
// chart with its construction. Every input is checked before anything changes: a bad
// field or a load that cannot be drawn raises a toolkit exception and leaves the form,
// the picture and the state as they were.
void ShowLoadPoint(TChartState& s, const TChartWindow& w);

// (Rn + jXn) / (Rv + jXv), dividing through by the larger part of the divisor; a zero or
// undefined divisor gives NaN in both parts.
std::complex<double> NormalizeLoad(double rn, double xn, double rv, double xv);

// "+j" and "-j" forms of a complex value as the result labels write it.
std::string ComplexText(double re, double im, int precision, int digits);

// For the second buttons: nothing to start from yet.
extern const char* const kNoPointMessage;

// The messages of the loads that cannot be shown.
extern const char* const kZeroLineMessage;
extern const char* const kMinusOneMessage;
extern const char* const kOffChartMessage;

} // namespace chart
