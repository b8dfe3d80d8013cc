#include "toolkit/VectorPicture.h"

#include "toolkit/CanvasLog.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Font.h"
#include "toolkit/Utf8.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace tk {

namespace {

class Player {
  public:
    Player(TVectorSink& sink, int width, int height) : sink_(sink), shapes_(width, height) {}

    void Play(std::span<const TCanvasCall> calls) {
        using Op = TCanvasCall::TOp;
        for (const TCanvasCall& c : calls) {
            switch (c.Op) {
            case Op::Ellipse:
                Ellipse(c);
                break;
            case Op::Rectangle:
                Rectangle(c);
                break;
            case Op::MoveTo:
                pos_ = {c.X1, c.Y1};
                break;
            case Op::LineTo:
                Fill(shapes_.Line(pos_.X, pos_.Y, c.X1, c.Y1, StrokeOf(c)), c.Pen.Color);
                pos_ = {c.X1, c.Y1};
                break;
            case Op::TextOut:
                Text(c);
                break;
            }
        }
    }

  private:
    // A width below 1 strokes like 1; a wider pen draws solid even when dashed.
    static TStroke StrokeOf(const TCanvasCall& c) {
        const int width = std::max(c.Pen.Width, 1);
        return {width, width == 1 && c.Pen.Style == TPenStyle::psDash};
    }

    // Thin strokes come as their dashes' outlines, wide ones as an area, fills as the
    // area: all are filled in their colour.
    void Fill(const TPath& area, TColor color) {
        if (!area.Empty()) sink_.Fill(area, color);
    }

    void Ellipse(const TCanvasCall& c) {
        const TBox box = TBox::Of(c.X1, c.Y1, c.X2, c.Y2);
        if (box.Empty()) return;
        if (c.Brush.Style == TBrushStyle::bsSolid) Fill(shapes_.EllipseArea(box), c.Brush.Color);
        Fill(shapes_.EllipseStroke(box, StrokeOf(c)), c.Pen.Color);
    }

    void Rectangle(const TCanvasCall& c) {
        TBox box = TBox::Of(c.X1, c.Y1, c.X2, c.Y2);
        if (box.x1 == box.x2 && box.y1 == box.y2) return;
        // A flat box is the outline of the box one pixel high (wide), with nothing to fill.
        const bool flat = box.x1 == box.x2 || box.y1 == box.y2;
        if (box.x1 == box.x2) box.x2 += 1;
        if (box.y1 == box.y2) box.y2 += 1;
        if (!flat && c.Brush.Style == TBrushStyle::bsSolid)
            Fill(shapes_.BoxArea(box), c.Brush.Color);
        Fill(shapes_.RectangleStroke(box, StrokeOf(c)), c.Pen.Color);
    }

    void Text(const TCanvasCall& c) {
        const Font& font = Font::Default();
        const std::int64_t width = font.TextWidth(c.Text);
        const TBox cell{c.X1, c.Y1, c.X1 + width, std::int64_t{c.Y1} + font.Height()};
        pos_ = {static_cast<int>(std::min<std::int64_t>(cell.x2, INT_MAX)), c.Y1};
        if (!shapes_.Near(cell)) return;
        const bool opaque = c.Brush.Style == TBrushStyle::bsSolid;
        if (opaque) Fill(shapes_.BoxArea(cell), c.Brush.Color);

        // Each glyph at the canvas's own advances, so that a label's letters stand where the
        // canvas put them, whatever the face's unhinted widths.
        TGlyphRun run;
        std::int64_t pen = 0, origin = 0;
        const std::string_view text = c.Text;
        for (std::size_t i = 0; i < text.size();) {
            const char32_t cp = DecodeNext(text, i);
            // Only the glyphs near the picture, placed from the first of them: a label that
            // starts far outside it is written with small numbers all the same.
            if (shapes_.NearX(c.X1 + pen)) {
                if (run.glyphs.empty()) origin = pen;
                run.glyphs.push_back(font.GlyphIndex(cp));
                run.codePoints.push_back(cp);
                run.offsets.push_back(int(pen - origin));
            }
            pen += font.Advance(cp);
        }
        if (run.glyphs.empty()) return;
        run.origin = {double(c.X1 + origin), double(c.Y1) + font.Ascent()};
        // On an opaque box the ink stays inside the box.
        if (opaque) run.clip = shapes_.BoxRect(cell);
        sink_.Glyphs(run);
    }

    TVectorSink& sink_;
    TShapes shapes_;
    TPoint pos_;
};

// An overlay's marks in its ink, its white not drawn.
class InkedSink : public TVectorSink {
  public:
    InkedSink(TVectorSink& sink, TColor ink) : sink_(sink), ink_(ink) {}
    void Fill(const TPath& area, TColor color) override {
        if (color != clWhite) sink_.Fill(area, ink_);
    }
    void Glyphs(const TGlyphRun& run) override {
        TGlyphRun inked = run;
        inked.color = ink_;
        sink_.Glyphs(inked);
    }

  private:
    TVectorSink& sink_;
    TColor ink_;
};

} // namespace

std::span<const TCanvasCall> PictureCalls(const TCanvas& canvas) {
    if (!canvas.Log)
        throw Exception(InternalError("рисунок не записывался, и в PDF его не передать"));
    const std::span<const TCanvasCall> log = *canvas.Log;
    const std::size_t first = FirstVisibleCall(canvas, log);
    const std::span<const TCanvasCall> calls = log.subspan(first);
    // A later start has been played back against the canvas already; the whole record not.
    if (first == 0 && !Reproduces(canvas, calls))
        throw Exception(InternalError("запись рисунка не совпадает с ним самим"));
    return calls;
}

void PlayCalls(std::span<const TCanvasCall> calls, int width, int height, TVectorSink& sink,
               TOverlayCalls overlay) {
    Player(sink, width, height).Play(calls);
    if (overlay.calls.empty()) return;
    InkedSink inked(sink, overlay.ink);
    Player(inked, width, height).Play(overlay.calls);
}

} // namespace tk
