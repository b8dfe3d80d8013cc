// A construction's record made lighter for print: the chart's paths are polylines through
// every pixel they cross (chart/ChainPath.cpp), and a PDF writes each segment as an outline
// of its own (PdfPage.h), so that a key of 200 constructions was 46 MB of content to
// deflate. A run of solid segments in one pen keeps only the points it needs to stay within
// `tolerancePx` of every point dropped (Douglas and Peucker, "Algorithms for the reduction of
// the number of points required to represent a digitized line or its caricature", 1973),
// which at the key's scale is far below what paper shows. Everything else stays as drawn.
#pragma once

#include "toolkit/Canvas.h"

#include <vector>

namespace exercises {

std::vector<tk::TCanvasCall> SimplifiedStrokes(const std::vector<tk::TCanvasCall>& calls,
                                               double tolerancePx);

} // namespace exercises
