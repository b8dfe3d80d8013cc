// The picture as a PDF of our own making, the same on every platform: one page the
// picture's size at 96 dpi (807 x 689 pixels: 606 x 517 points, 21,4 x 18,2 cm, to the next
// whole point), the picture at its top-left corner, played back from the canvas's record
// (VectorPicture.h): its shapes filled in their colours, its labels real text in the
// canvas's face, so that they copy out and search. The face's whole file is embedded
// (a Type0 font over a CIDFontType2, Identity-H, glyph numbers as character codes), its
// widths the canvas's own advances, with a ToUnicode map for the text; each glyph stands
// where the canvas put it. The document's title is in its Info («zmatch — Zн = 100+j50 Ом,
// Zв = 50 Ом»), its creator the program (the title up to « — »). Streams are compressed
// with our deflate (Deflate.h).
//
// Its parts: PdfPage (the content stream), PdfFont (the embedded face), PdfFile (the objects
// and the cross-reference table), PdfSyntax (numbers and strings); PdfDocument.cpp puts the
// document together.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/VectorPicture.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// The whole file of the calls, made on a canvas of width x height pixels, with an overlay's
// over them if one is given (VectorPicture.h).
std::vector<std::uint8_t> PdfOfCalls(std::span<const TCanvasCall> calls, int width, int height,
                                     std::string_view title, TOverlayCalls overlay = {});

// Writes the canvas's picture to `path` (UTF-8), whole or not at all (PictureFile.h): when
// it cannot, raises tk::Exception with a message in Russian, and no file is left behind
// (an existing one stays as it was).
void SavePdf(const TCanvas& canvas, const std::string& path, const std::string& title,
             TOverlayCalls overlay = {});

} // namespace tk
