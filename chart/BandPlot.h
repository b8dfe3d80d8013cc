// The plot of a match across a band: КСВ at the line's input against f/f0 (and against Hz
// beneath, when f0 is known) for the chart's answer and the exact first and second
// solutions, each curve in its own colour, with grid lines at КСВ = 1,5 and 2, a legend
// that gives each curve's band of КСВ <= 2 in per cent of f0 (and in Hz), and the text the
// readout shows for a pixel of it. КСВ runs from 1 at the bottom to 5 at the top; a curve
// above 5 leaves the plot through its top edge and comes back where it falls again.
//
//     DrawBandPlot(image.Canvas, theory::MatchBand(input), 2.4e9);
//     image.OnReadout = [&](tk::TPoint p) { return BandReadout(response, 2.4e9, p, size); };
#pragma once

#include "theory/BandResponse.h"
#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <string>
#include <vector>

namespace chart {

inline constexpr double kBandPlotTopVswr = 5;

// The curves' colours, in the legend's order: the chart's answer, the first and the second
// solution.
// (tk::RGB) in parentheses: Windows' headers, included before this one, define an RGB macro.
inline constexpr tk::TColor kBandChartColor = (tk::RGB)(220, 0, 0);
inline constexpr tk::TColor kBandFirstColor = (tk::RGB)(0, 150, 0);
inline constexpr tk::TColor kBandSecondColor = (tk::RGB)(0, 0, 230);

// Where the plot area lies on a canvas of `width` x `height` pixels and what its edges
// stand for: f/f0 from `From` at `Left` to `To` at `Right`, КСВ 1 at `Bottom` and
// kBandPlotTopVswr at `Top`. A response without points is framed over 0,5 .. 1,5.
struct TBandFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    double From = 0.5, To = 1.5;

    int XOf(double ratio) const;
    int YOf(double vswr) const; // within the area: a КСВ above the top on the top edge
    double RatioAt(int x) const;
    bool Holds(tk::TPoint p) const {
        return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom;
    }
};
// What a plot shows: the frequencies and the curves, each with its name in the legend, in
// the readout («КСВ первого решения»), its colour and its pen's width.
struct TBandPlotCurve {
    const theory::TBandCurve* Curve;
    std::string Name, ReadoutName;
    tk::TColor Color;
    int Width;
};
struct TBandPlot {
    const std::vector<double>& Ratio;
    std::vector<TBandPlotCurve> Curves;
};
// What else a plot shows: the band's КСВ limit (its grid line and its legend: «КСВ ≤ 2,5 в
// полосе …»; each curve's Vswr2 fields are to be found for it), and the return loss in dB
// as a second scale on the right (RL = -20·lg((КСВ-1)/(КСВ+1)), one to one with КСВ, so
// that one curve reads as both) and in the readout.
struct TBandScale {
    double Limit = 2;
    bool ReturnLoss = false;
};

// A single stub's: the chart's answer and the first and second solutions.
TBandPlot StubBandPlot(const theory::TBandResponse& response);

// The frame leaves a legend row for each curve (three at the least).
TBandFrame BandFrame(const TBandPlot& plot, int width, int height, const TBandScale& scale = {});
TBandFrame BandFrame(const theory::TBandResponse& response, int width, int height);

// Wipes the canvas white and draws the plot over all of it; f0Hz 0: not known, f/f0 alone.
void DrawBandPlot(tk::TCanvas& canvas, const TBandPlot& plot, double f0Hz,
                  const TBandScale& scale = {});
void DrawBandPlot(tk::TCanvas& canvas, const theory::TBandResponse& response, double f0Hz);

// The readout of a canvas pixel of that plot: f/f0 (and f) at the pixel's column and the
// three КСВ values there, one to a line; empty off the plot area or without points.
std::string BandReadout(const TBandPlot& plot, double f0Hz, tk::TPoint pixel, int width, int height,
                        const TBandScale& scale = {});
std::string BandReadout(const theory::TBandResponse& response, double f0Hz, tk::TPoint pixel,
                        int width, int height);

} // namespace chart
