// The page's content stream (PdfPage.h): its coordinates set by one cm, the picture white
// and clipped to; each area a path of m, l, c and h filled by f or f* in an rg colour, set
// only when it changes; each label a BT .. ET text object of one TJ, its clip and colour
// kept between q and Q.
#include "toolkit/PdfPage.h"

#include "toolkit/PdfSyntax.h"

#include <cstdint>

namespace tk::pdf {

TPage::TPage(int width, int height, double pageHeight) {
    // One unit to the pixel, y downward from the top-left corner, as on the canvas; the
    // picture white and everything clipped to it.
    PutNumber(content_, kPointsPerPixel);
    content_ += " 0 0 ";
    PutNumber(content_, -kPointsPerPixel);
    content_ += " 0 ";
    PutNumber(content_, pageHeight);
    content_ += " cm\n0 0 " + std::to_string(width) + " " + std::to_string(height) +
                " re W n\n1 g 0 0 " + std::to_string(width) + " " + std::to_string(height) +
                " re f\n";
    prologue_ = content_;
}

void TPage::Place(double scale, double x, double y, int width, int height, bool white) {
    content_ += "q ";
    PutNumber(content_, scale, 6);
    content_ += " 0 0 ";
    PutNumber(content_, scale, 6);
    content_ += ' ';
    Point({x, y});
    const std::string box = "0 0 " + std::to_string(width) + " " + std::to_string(height);
    content_ += "cm\n" + box + " re W n\n";
    if (white) content_ += "1 g " + box + " re f\n";
    colour_.reset(); // g set the white
}

void TPage::Draw(const std::string& formName) {
    content_ += "/" + formName + " Do\n";
}

std::string TPage::TakeBody() {
    std::string body = content_.substr(prologue_.size());
    content_ = prologue_;
    colour_.reset();
    return body;
}

void TPage::Placed() {
    content_ += "Q\n";
    colour_.reset(); // Q restored the colour the q saved
}

std::string TPage::TakeContent() {
    std::string done = std::move(content_);
    content_ = prologue_;
    colour_.reset();
    return done;
}

void TPage::Fill(const TPath& area, TColor color) {
    SetColour(color);
    for (const TPath::TSubpath& s : area.Subpaths()) {
        if (s.segments.empty()) continue;
        Point(s.start);
        content_ += "m\n";
        for (const TPath::TSegment& segment : s.segments) {
            if (segment.cubic) {
                Point(segment.c1);
                Point(segment.c2);
            }
            Point(segment.to);
            content_ += segment.cubic ? "c\n" : "l\n";
        }
        if (s.closed) content_ += "h\n";
    }
    content_ += area.FillRule == TFillRule::EvenOdd ? "f*\n" : "f\n";
}

void TPage::Glyphs(const TGlyphRun& run) {
    content_ += "q\n";
    if (run.clip) {
        const TRectF& r = *run.clip;
        Point({r.left, r.top});
        PutNumber(content_, r.right - r.left);
        content_ += ' ';
        PutNumber(content_, r.bottom - r.top);
        content_ += " re W n\n";
    }
    SetColour(run.color);
    // The text matrix turns the page's downward y back up for the glyphs.
    content_ += "BT /F1 " + std::to_string(kEmPixels) + " Tf 1 0 0 -1 ";
    Point(run.origin);
    content_ += "Tm [<";
    for (std::size_t i = 0; i < run.glyphs.size(); ++i) {
        const std::uint16_t glyph = run.glyphs[i];
        const int advance = glyphs_.Note(glyph, run.codePoints[i]);
        PutHex(content_, glyph, 4);
        // The pen moves by the glyph's width; where the canvas moved it otherwise (a code
        // point sharing another's glyph), by the difference, in thousandths of the em.
        if (i + 1 == run.glyphs.size()) break;
        const int moved = run.offsets[i + 1] - run.offsets[i];
        if (moved != advance) {
            content_ += "> ";
            PutNumber(content_, (advance - moved) * 1000.0 / kEmPixels);
            content_ += " <";
        }
    }
    content_ += ">] TJ ET\nQ\n";
    colour_.reset(); // Q restored the colour the q saved
}

void TPage::Point(TPointF p) {
    PutNumber(content_, p.x);
    content_ += ' ';
    PutNumber(content_, p.y);
    content_ += ' ';
}

void TPage::SetColour(TColor color) {
    if (colour_ == color) return;
    colour_ = color;
    for (const int shift : {16, 8, 0}) {
        PutNumber(content_, double((color >> shift) & 0xFF) / 255.0, 4);
        content_ += ' ';
    }
    content_ += "rg\n";
}

} // namespace tk::pdf
