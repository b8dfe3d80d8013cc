// The page of our PDFs (PdfDocument.h): its content stream (ISO 32000-1, 8 and 9.4), the
// picture's shapes as the playback gives them (VectorPicture.h), each filled in its colour,
// and its labels as text in the embedded face (PdfFont.h), each glyph where the canvas put it.
// One unit is one of the canvas's pixels, y downward, as on the canvas.
#pragma once

#include "toolkit/Color.h"
#include "toolkit/PdfFont.h"
#include "toolkit/VectorPicture.h"
#include "toolkit/VectorShapes.h"

#include <optional>
#include <string>

namespace tk::pdf {

// The picture's pixels are screen pixels of 96 dpi: 0,75 point each.
constexpr double kPointsPerPixel = 72.0 / 96.0;

// The page's content: the picture's shapes and labels as the playback gives them, and the
// glyphs its labels use.
class TPage : public TVectorSink {
  public:
    // The picture of width x height pixels at the top-left corner of a page `pageHeight`
    // points high.
    TPage(int width, int height, double pageHeight);

    void Fill(const TPath& area, TColor color) override;
    void Glyphs(const TGlyphRun& run) override;

    const std::string& Content() const { return content_; }

    // A picture of its own placed on the page, `scale` page pixels to its pixel, its
    // top-left corner at page pixel (x, y), white and clipped to its width x height: what
    // is played between Place and Placed. A worksheet's chart stands so at a true scale.
    // `white`: the picture's area filled white first; without, it draws over what is there.
    void Place(double scale, double x, double y, int width, int height, bool white = true);
    void Placed();
    // A shared picture (a form XObject, ISO 32000-1, 8.10) drawn here under the placement.
    void Draw(const std::string& formName);
    // The content since the page began, without the page's own coordinates: a form's body,
    // in the canvas's pixels; a fresh page begun.
    std::string TakeBody();
    // The content so far, and a fresh page of the same size begun: the glyphs every page
    // used stay noted, so that one embedded face serves them all.
    std::string TakeContent();
    bool HasText() const { return !glyphs_.Empty(); }
    const TGlyphsUsed& GlyphsUsed() const { return glyphs_; }

  private:
    void Point(TPointF p);
    void SetColour(TColor color);

    std::string prologue_; // the page's coordinates, white and clip
    std::string content_;
    std::optional<TColor> colour_;
    TGlyphsUsed glyphs_;
};

} // namespace tk::pdf
