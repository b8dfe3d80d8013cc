// The canvas's picture as vector graphics: its record of calls (TCanvas::Log) played back on
// a QPainter, for a PDF or a printer. Each call becomes the shape the canvas's pixel rules
// (Canvas.h) describe, in the canvas's pixel coordinates: an ellipse's stroke is the band
// R - w/2 .. R + w/2 about it, a line runs between pixel centres, a thin dashed pen draws 18
// and skips 6 counted as the canvas counts them, and a label is text in the canvas's own
// face with each glyph where the canvas puts it. Drawn back at one unit to the pixel, every
// inked pixel of the one lies within a pixel of an inked pixel of the other.
//
// Shapes are cut to the picture first: coordinates may span the whole int range, and a
// circle of radius 2^30 whose arc crosses the picture is drawn as that arc alone, in short
// pieces, so that neither the curve's approximation nor a writer's number format can move it.
#pragma once

#include "toolkit/Canvas.h"

#include <span>

class QPainter;

namespace tkqt {

// Paints `calls`, made on a canvas of width x height pixels, in that canvas's coordinates
// (the caller's transform maps them to the device), over a white picture of that size and
// clipped to it. Throws tk::Exception when the canvas's font cannot be read.
void PaintCalls(QPainter& painter, std::span<const tk::TCanvasCall> calls, int width, int height);

} // namespace tkqt
