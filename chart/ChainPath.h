// A chain's path drawn on the chart: each element's exact path (theory/ChainPath.h) as a
// polyline in a colour of its own, each node marked by a dot and numbered from 0 at the
// load, and a legend row an element, top left. Only the drawing is in pixels: every point is
// the exact Г of its place, truncated to its pixel as PixelOfGamma does.
//
//     DrawChainPath(canvas, {nodes, paths, {"1. L посл. 12 нГн", "2. C парал. 2,2 пФ"}});
#pragma once

#include "chart/StepMarks.h"
#include "theory/LineTheory.h"

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <string>
#include <vector>

namespace chart {

// The chain's colours, apart from the grid's black, the load's red and blue and the
// admittance grid's teal; the colours repeat past the last.
tk::TColor ChainColor(std::size_t element);

struct TChainPicture {
    std::vector<theory::TComplex> Nodes;              // Г at each node, [0] the load
    std::vector<std::vector<theory::TComplex>> Paths; // one an element, node i to node i+1
    std::vector<std::string> Names;                   // one an element, for the legend
};

// Draws over the chart as it is (the grid drawn already); leaves the pen black and 1 px wide
// and the brush solid white. The legend and the load's node come first, then an element at a
// time its path and its two nodes, each marked as a step in `marks` when given, so that the
// picture after step i is the path drawn up to node i + 1.
void DrawChainPath(tk::TCanvas& c, const TChainPicture& picture, TStepMarks* marks = nullptr);

// Where the node's dot is centred: its Г's pixel; nothing (false) for a point that has none
// (an infinite or undefined Г).
bool NodePixel(theory::TComplex gamma, tk::TPoint& pixel);

} // namespace chart
