// A PDF of several pages of a paper size, each made of pictures from canvases' records,
// each picture placed at its own scale: a worksheet's text at the page's 96 dpi and its
// chart at a true scale in millimetres. A picture every page shows (a blank chart) is
// written once, as a form the pages draw. Written as PdfDocument.h writes one picture: the
// same page content (PdfPage.h), one embedded face for all pages, no date, so the same
// pages give the same bytes.
//
//     TPdfPicture chart{.Form = 0, .Width = 807, .Height = 689, .Scale = 1.0079, .X = 0, .Y = 257};
//     PdfOfPages({{text, chart}}, {{gridCalls, 807, 689}}, kA4, "Задания");
#pragma once

#include "toolkit/Canvas.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tk {

struct TPdfPicture {
    std::span<const TCanvasCall> Calls; // played from a white picture, unless Form is set
    int Form = -1;                      // or the shared picture of that number
    int Width = 0, Height = 0;          // the canvas's, in its pixels
    double Scale = 1;                   // page pixels (1/96 inch) to one of its pixels
    double X = 0, Y = 0;                // its top-left corner, in page pixels from the page's
    bool White = true;                  // its area whitened first; false: drawn over what is there
};

using TPdfPageParts = std::vector<TPdfPicture>;

// A picture several pages show: the calls, made on a canvas of width x height pixels.
struct TPdfForm {
    std::span<const TCanvasCall> Calls;
    int Width = 0, Height = 0;
};

// A paper size in points.
struct TPaper {
    double WidthPt, HeightPt;
};
inline constexpr TPaper kA4{595.276, 841.89};
inline constexpr double kPagePixelsPerMm = 96 / 25.4;

std::vector<std::uint8_t> PdfOfPages(const std::vector<TPdfPageParts>& pages,
                                     const std::vector<TPdfForm>& forms, TPaper paper,
                                     std::string_view title);

} // namespace tk
