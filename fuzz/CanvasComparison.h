// The reference's side of the canvas target (CanvasCheck.cpp): a bitmap the per-pixel
// reference paints call by call beside the canvas, and the comparison of the two. Its own
// file so that the fuzzer takes no coverage from its pixel loops (coverage_ignore.txt).
#pragma once

#include "tests/common/ReferenceCanvas.h"
#include "toolkit/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zfuzz {

// One call as the reference draws it.
struct TShape {
    enum class TKind { Ellipse, Rectangle, ThinLine, WideLine } Kind = TKind::Ellipse;
    reference::TBox Box{}; // a line's start and end
    std::int64_t Width = 1;
    bool Dashed = false; // a dashed width-1 pen
    bool Brush = false;  // a solid brush
    tk::TColor PenColor = 0;
    tk::TColor BrushColor = 0;
};

// An inclusive pixel rectangle within the bitmap; empty when left > right or top > bottom.
struct TArea {
    std::int64_t left, top, right, bottom;
    bool Empty() const { return left > right || top > bottom; }
};

class TReferenceBitmap {
  public:
    // Starts as the canvas is.
    explicit TReferenceBitmap(const tk::TCanvas& canvas);

    // Paints the shape's pixels of the area and holds the canvas to them: all of them when
    // they are few, otherwise rows spread evenly over the area (the rest taken as the canvas
    // has them), so that one call costs at most about kBudget pixels. `call` shifts the rows
    // from call to call. "" when the canvas agrees.
    static constexpr std::int64_t kBudget = 4096;
    std::string Compare(const tk::TCanvas& canvas, const TShape& shape, TArea area,
                        std::size_t call);

    // Takes the canvas's pixels of the area as they are.
    void Sync(const tk::TCanvas& canvas, TArea area);

    // "" when the whole canvas is as the reference has it.
    std::string Finish(const tk::TCanvas& canvas) const;

  private:
    std::vector<std::uint32_t> bits_;
};

} // namespace zfuzz
