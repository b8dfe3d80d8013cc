// The canvas target: a run of pens, brushes, ellipses, rectangles, lines and texts with
// coordinates across the whole int range on a bitmap of 1 x 1 up to the programs' size,
// through the canvas's public calls, each held pixel for pixel to the per-pixel reference of
// tests/common/ReferenceCanvas.h.
//
// Input: the width (1 to 811) and the height (1 to 689), each a byte below 0xF8 for 1 to 128
// and otherwise two more bytes; then calls, an opcode byte (n % 7) and its operands each:
//   0 pen      colour (3 bytes), width (n % 21), style (bit 0: dashed)
//   1 brush    style (bit 0: clear), colour (3 bytes)
//   2 Ellipse, 3 Rectangle   four coordinates
//   4 MoveTo, 5 LineTo       two coordinates
//   6 TextOut  two coordinates, a length (n % 17) and that many bytes of text
// A coordinate is a mode byte (n % 4) and then: 0, 1 a signed 16-bit value (2 bytes); 2 any
// int (4 bytes); 3 one of kEdges (1 byte) moved by a signed byte and kept within the int range.
// Missing bytes read as zeros; calls past kMaxCalls are ignored.
//
// What the reference leaves open is compared only as far as it goes: a dashed ellipse's
// pixels on the outline show the pen or what its gap shows; an ellipse with a coordinate
// beyond +-2^29, where Canvas.h lets an edge pixel round either way, a wide line there, where
// the reference's products would overflow, a rectangle of no width or height and a text are
// only held to their reach. Each call's pixels are compared
// within the box it may paint, at most TReferenceBitmap::kBudget of them, in rows spread over
// the box; at the end the whole bitmap is, so nothing is painted beyond any call's reach.
#include "fuzz/Check.h"

#include "fuzz/CanvasComparison.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace zfuzz {

namespace {

using reference::TBox;

constexpr std::size_t kMaxCalls = 24;
constexpr std::int64_t kExact = 1 << 29; // the reference holds ellipses and wide lines within

// clang-format off
constexpr std::int64_t kEdges[] = {
    INT_MIN, INT_MAX, 0, 1 << 29, -(1 << 29), 1 << 30, -(1 << 30), 1'000'000'000,
    -1'000'000'000, 811, 689, 6000, -6000, 1 << 24, 1 << 25, -(1 << 25),
};
// clang-format on

class TReader {
  public:
    explicit TReader(std::span<const std::uint8_t> input) : input_(input) {}

    bool Done() const { return pos_ >= input_.size(); }
    std::uint8_t Byte() { return pos_ < input_.size() ? input_[pos_++] : 0; }
    std::uint32_t Bytes(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= std::uint32_t(Byte()) << (8 * i);
        return v;
    }
    // Mostly small, where the pixels are cheap to compare and the bitmaps cheap to make: a
    // byte below 0xF8 gives 1 to 128, otherwise the next two bytes give 1 to `most`.
    int Size(int most) {
        const std::uint8_t small = Byte();
        return 1 + int(small < 0xF8 ? small % 128 : Bytes(2) % std::uint32_t(most));
    }
    int Coordinate() {
        switch (Byte() % 4) {
        case 2:
            return static_cast<int>(Bytes(4));
        case 3: {
            const std::int64_t edge = kEdges[Byte() % std::size(kEdges)];
            const std::int64_t moved = edge + static_cast<std::int8_t>(Byte());
            return static_cast<int>(std::clamp<std::int64_t>(moved, INT_MIN, INT_MAX));
        }
        default:
            return static_cast<std::int16_t>(Bytes(2));
        }
    }

  private:
    std::span<const std::uint8_t> input_;
    std::size_t pos_ = 0;
};

class TPlayer {
  public:
    TPlayer(int width, int height) : canvas_(width, height), ref_(canvas_) {}

    // "" when the call left what the reference gives; otherwise what differs.
    std::string Play(TReader& in, std::size_t call) {
        tk::TCanvas& c = canvas_;
        const int op = in.Byte() % 7;
        if (op == 0) {
            const tk::TColor color = in.Bytes(3);
            const int width = in.Byte() % 21;
            c.Pen = {color, width,
                     (in.Byte() & 1) != 0 ? tk::TPenStyle::psDash : tk::TPenStyle::psSolid};
            return "";
        }
        if (op == 1) {
            const bool clear = (in.Byte() & 1) != 0;
            c.Brush = {clear ? tk::TBrushStyle::bsClear : tk::TBrushStyle::bsSolid, in.Bytes(3)};
            return "";
        }
        const std::int64_t w = std::max(c.Pen.Width, 1);
        const bool dashed = c.Pen.Style == tk::TPenStyle::psDash && w == 1;
        const bool brush = c.Brush.Style == tk::TBrushStyle::bsSolid;
        const tk::TPoint pen = c.PenPos;
        std::string name;
        TBox b{};
        std::int64_t reach = w / 2 + 1;
        bool exact = true;
        TArea area{};
        TShape shape;
        std::string broken;
        switch (op) {
        case 2:
        case 3: {
            const int x1 = in.Coordinate(), y1 = in.Coordinate(), x2 = in.Coordinate(),
                      y2 = in.Coordinate();
            b = {x1, y1, x2, y2};
            name = std::string(op == 2 ? "Ellipse" : "Rectangle") + "(" + Box(b) + ")";
            area = Reach(b, reach);
            if (op == 2) {
                c.Ellipse(x1, y1, x2, y2);
                exact = Within(b);
                if (exact) shape.Kind = TShape::TKind::Ellipse;
            } else {
                c.Rectangle(x1, y1, x2, y2);
                shape.Kind = TShape::TKind::Rectangle;
            }
            if (c.PenPos != pen) broken = "moved the pen";
            break;
        }
        case 4:
        case 5: {
            const int x = in.Coordinate(), y = in.Coordinate();
            b = {pen.X, pen.Y, x, y};
            name = std::string(op == 4 ? "MoveTo" : "LineTo") + "(" + std::to_string(x) + ", " +
                   std::to_string(y) + ") from " + std::to_string(pen.X) + ", " +
                   std::to_string(pen.Y);
            if (op == 4) {
                c.MoveTo(x, y);
                area = {0, 0, -1, -1};
            } else {
                c.LineTo(x, y);
                area = Reach({std::min(b.x1, b.x2), std::min(b.y1, b.y2), std::max(b.x1, b.x2) + 1,
                              std::max(b.y1, b.y2) + 1},
                             reach);
                exact = w == 1 || Within(b);
                if (exact) shape.Kind = w == 1 ? TShape::TKind::ThinLine : TShape::TKind::WideLine;
            }
            if (c.PenPos != tk::TPoint{x, y}) broken = "left the pen elsewhere";
            break;
        }
        default: {
            const int x = in.Coordinate(), y = in.Coordinate();
            std::string text(in.Byte() % 17, '\0');
            for (char& ch : text)
                ch = static_cast<char>(in.Byte());
            name = "TextOut(" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                   std::to_string(text.size()) + " bytes)";
            const std::int64_t right = std::int64_t(x) + c.TextWidth(text);
            // A clear brush blends the glyphs without a cell to keep them in.
            const std::int64_t margin = brush ? 0 : c.TextHeight(text);
            area = Clip({x - margin, y - margin, right - 1 + margin,
                         std::int64_t(y) + c.TextHeight(text) - 1 + margin});
            c.TextOut(x, y, text);
            exact = false;
            if (c.PenPos != tk::TPoint{int(std::min<std::int64_t>(right, INT_MAX)), y})
                broken = "left the pen elsewhere";
        }
        }
        if (!exact) {
            ref_.Sync(c, area);
        } else if (broken.empty()) {
            shape.Box = b;
            shape.Width = w;
            shape.Dashed = dashed;
            shape.Brush = brush;
            shape.PenColor = c.Pen.Color;
            shape.BrushColor = c.Brush.Color;
            broken = ref_.Compare(c, shape, area, call);
        }
        return broken.empty() ? ""
                              : "call " + std::to_string(call + 1) + ", " + name + ": " + broken;
    }

    std::string Finish() const { return ref_.Finish(canvas_); }

  private:
    static std::string Box(TBox b) {
        return std::to_string(b.x1) + ", " + std::to_string(b.y1) + ", " + std::to_string(b.x2) +
               ", " + std::to_string(b.y2);
    }

    static bool Within(TBox b) {
        return std::max({std::abs(b.x1), std::abs(b.y1), std::abs(b.x2), std::abs(b.y2)}) <= kExact;
    }

    TArea Clip(TArea a) const {
        return {std::max<std::int64_t>(a.left, 0), std::max<std::int64_t>(a.top, 0),
                std::min<std::int64_t>(a.right, canvas_.Width() - 1),
                std::min<std::int64_t>(a.bottom, canvas_.Height() - 1)};
    }

    // The pixels a box's shape may paint with a pen reaching `reach` beyond its path.
    TArea Reach(TBox b, std::int64_t reach) const {
        return Clip({std::min(b.x1, b.x2) - reach, std::min(b.y1, b.y2) - reach,
                     std::max(b.x1, b.x2) + reach, std::max(b.y1, b.y2) + reach});
    }

    tk::TCanvas canvas_;
    TReferenceBitmap ref_;
};

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    TReader in(input);
    const int width = in.Size(811);
    const int height = in.Size(689);
    TPlayer player(width, height);
    for (std::size_t call = 0; call < kMaxCalls && !in.Done(); ++call)
        if (std::string broken = player.Play(in, call); !broken.empty())
            return std::to_string(width) + " x " + std::to_string(height) + ", " + broken;
    if (std::string broken = player.Finish(); !broken.empty())
        return std::to_string(width) + " x " + std::to_string(height) + ": " + broken;
    return "";
}

} // namespace zfuzz
