// The canvas's picture as vector graphics: its record of calls (TCanvas::Log) played back
// as areas to fill and runs of glyphs, for a PDF or a printer. Each call becomes the shape
// the canvas's pixel rules (Canvas.h) describe, in the canvas's pixel coordinates: an
// ellipse's stroke is the band R - w/2 .. R + w/2 about it, a line runs between pixel
// centres, a thin dashed pen draws 18 and skips 6 counted as the canvas counts them, and a
// label is text in the canvas's own face with each glyph where the canvas puts it. Drawn
// back at one unit to the pixel, every inked pixel of the one lies within a pixel of an
// inked pixel of the other.
//
// Shapes are cut to the picture first: coordinates may span the whole int range, and a
// circle of radius 2^30 whose arc crosses the picture is drawn as that arc alone, in short
// pieces, so that neither the curve's approximation nor a writer's number format can move it.
// What draws them (a PDF, a painter) implements TVectorSink; the decisions are made here once.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/VectorShapes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tk {

// A label's glyphs in the canvas's face (tk::Font) at its 11 pixels to the em, black but
// for an overlay's.
struct TGlyphRun {
    TPointF origin;                    // the first glyph's pen position on the baseline
    std::vector<std::uint16_t> glyphs; // the face's glyph indexes
    std::vector<char32_t> codePoints;  // what each glyph stands for, for the text copied out
    std::vector<int> offsets;          // each glyph's pen position right of the origin
    // The ink is kept within this box (a label on an opaque box); none: not clipped.
    std::optional<TRectF> clip;
    TColor color = clBlack;
};

class TVectorSink {
  public:
    virtual ~TVectorSink() = default;
    virtual void Fill(const TPath& area, TColor color) = 0;
    virtual void Glyphs(const TGlyphRun& run) = 0;
};

// The calls of the canvas's log that make its picture as it is now (CanvasLog.h). Raises a
// toolkit exception when the canvas keeps no log or its log does not give the picture.
std::span<const TCanvasCall> PictureCalls(const TCanvas& canvas);

// The calls of an image's overlay (TImage::Overlay), drawn in black on white, and the ink
// it is shown in. No calls: no overlay.
struct TOverlayCalls {
    std::span<const TCanvasCall> calls;
    TColor ink = clBlack;
};

// Plays `calls`, made on a canvas of width x height pixels, into the sink, in that canvas's
// coordinates, then the overlay's over them, every shape and glyph of it in its ink and its
// white (the overlay's own background) left out. The sink starts from a white picture of
// that size and clips to it.
void PlayCalls(std::span<const TCanvasCall> calls, int width, int height, TVectorSink& sink,
               TOverlayCalls overlay = {});

} // namespace tk
