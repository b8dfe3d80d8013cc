// The chart's wiped disc and grid, drawn once and laid down again for every later picture.
//
// A chart redrawn on every step of a drag (the chain window's) spent most of each step on
// the same few hundred circles of the grid: about two thirds of a step of an eight-element
// chain. The grid is drawn once on a canvas of its own, its calls recorded, and each
// picture starts from a copy of it and of its record (TCanvas::CopyFrom), so that the
// saved and printed copies still play the grid back as vectors. The copy covers the whole
// canvas: what stood outside the disc (a legend, a band's end labels) goes with it.
//
//     TDrawnGrid grid;
//     grid.LayOn(canvas); // as WipeChartDisc(canvas), then DrawGrid(state, canvas)
#pragma once

#include "chart/ChartState.h"

#include "toolkit/Canvas.h"

#include <memory>
#include <vector>

namespace chart {

class TDrawnGrid {
  public:
    // The canvas as a white one of its size after WipeChartDisc and DrawGrid.
    void LayOn(tk::TCanvas& c);

  private:
    TChartState state_;
    std::unique_ptr<tk::TCanvas> drawn_;
    std::vector<tk::TCanvasCall> calls_;
};

} // namespace chart
