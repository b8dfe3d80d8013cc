// The canvas's picture played back on a QPainter (a printer's), from the platform-free
// playback of its record (toolkit/VectorPicture.h): its areas as QPainterPaths, its labels
// as glyph runs of the canvas's face, built into the program.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/VectorPicture.h"
#include "toolkit/VectorShapes.h"

#include <QPainterPath>

#include <span>

class QPainter;

namespace tkqt {

QPainterPath ToPainterPath(const tk::TPath& path);

// Paints `calls`, made on a canvas of width x height pixels, in that canvas's coordinates
// (the caller's transform maps them to the device), over a white picture of that size and
// clipped to it, with an overlay's calls over them if one is given.
void PaintCalls(QPainter& painter, std::span<const tk::TCanvasCall> calls, int width, int height,
                tk::TOverlayCalls overlay = {});

} // namespace tkqt
