// A layer shown over a picture without hiding it: what an image's overlay (TImage) does.
//
// The layer is drawn in black on white; how dark a pixel of it is tells how much of it is
// ink (a glyph's edge is part ink). Where the picture is white, the layer's pixel shows in
// the ink colour to that part; anywhere else the picture's own pixel stays. A grid line
// crossing a construction line thus breaks off at it rather than painting over it.
//
//     picture white,  layer black       ink
//     picture white,  layer grey 128    halfway from white to ink
//     picture red,    layer black       red
#pragma once

#include "toolkit/Canvas.h"

namespace tk {

// `out` becomes `picture` with `layer` shown in `ink`; all three the same size.
void ComposeOverlay(const TCanvas& picture, const TCanvas& layer, TColor ink, TCanvas& out);

} // namespace tk
