// The construction step by step: each step of the graphical method as one sentence with its
// own numbers, in the order the chart draws them, and where in the canvas's record of calls
// (TCanvas::Log, CanvasLog.h) the step's drawing ends, so that the chart can be shown as it
// stood after any step.
//
// Positions are counted from the record's end: the record is trimmed from its front after a
// handler (DropHiddenCalls), never at its end, so they stay true until the next drawing.
#pragma once

#include "toolkit/Canvas.h"

#include <cstddef>
#include <string>
#include <vector>

namespace chart {

struct TConstructionStep {
    std::string Text;  // one sentence, with the chart's readings as the labels print them
    std::string Exact; // the exact value beside, where the chart's reading differs; or empty
    std::size_t EndFromRecordEnd = 0; // the step's last call: this many calls before the end
    std::size_t Calls = 0;            // how many calls the step itself drew, ending there
};

using TConstructionSteps = std::vector<TConstructionStep>;

// The chart as it stood after step k: the record played back on a white canvas up to the
// step's end. `emphasised`: the step's own calls drawn again over it, wider and in the
// emphasis colour, for the screen. The last step's picture without emphasis is the canvas.
tk::TCanvas PictureAfterStep(const tk::TCanvas& canvas, const TConstructionSteps& steps,
                             std::size_t k, bool emphasised);

} // namespace chart
