// A PDF of several pages of a paper size, each made of pictures from canvases' records,
// each picture placed at its own scale: a worksheet's text at the page's 96 dpi and its
// chart at a true scale in millimetres. Written as PdfDocument.h writes one picture: the
// same page content (PdfPage.h), one embedded face for all pages, no date, so the same
// pages give the same bytes.
//
//     TPdfPicture chart{calls, 807, 689, 300.0 / 302.4, 96, 200};   // 80 mm to the rim
//     PdfOfPages({{text, chart}}, kA4, "Задания");
#pragma once

#include "toolkit/Canvas.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tk {

struct TPdfPicture {
    std::span<const TCanvasCall> Calls;
    int Width = 0, Height = 0; // the canvas's, in its pixels
    double Scale = 1;          // page pixels (1/96 inch) to one of its pixels
    double X = 0, Y = 0;       // its top-left corner, in page pixels from the page's
};

using TPdfPageParts = std::vector<TPdfPicture>;

// A paper size in points and page pixels (1/96 inch).
struct TPaper {
    double WidthPt, HeightPt;
};
inline constexpr TPaper kA4{595.276, 841.89};
inline constexpr double kPagePixelsPerMm = 96 / 25.4;

std::vector<std::uint8_t> PdfOfPages(const std::vector<TPdfPageParts>& pages, TPaper paper,
                                     std::string_view title);

} // namespace tk
