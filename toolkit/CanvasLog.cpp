#include "toolkit/CanvasLog.h"

#include <algorithm>
#include <cstdint>

namespace tk {

namespace {

// A call that may have painted over all that came before: an ellipse or a box filled white.
bool IsWipe(const TCanvasCall& c) {
    return (c.Op == TCanvasCall::TOp::Ellipse || c.Op == TCanvasCall::TOp::Rectangle) &&
           c.Brush.Style == TBrushStyle::bsSolid && c.Brush.Color == clWhite;
}

// Each try plays the record back from one wipe; the chart's pictures are found within the
// first few, and a record that keeps none of them stays whole.
constexpr int kTries = 8;

} // namespace

void Replay(TCanvas& canvas, std::span<const TCanvasCall> calls) {
    using Op = TCanvasCall::TOp;
    for (const TCanvasCall& c : calls) {
        canvas.Pen = c.Pen;
        canvas.Brush = c.Brush;
        switch (c.Op) {
        case Op::Ellipse:
            canvas.Ellipse(c.X1, c.Y1, c.X2, c.Y2);
            break;
        case Op::Rectangle:
            canvas.Rectangle(c.X1, c.Y1, c.X2, c.Y2);
            break;
        case Op::MoveTo:
            canvas.MoveTo(c.X1, c.Y1);
            break;
        case Op::LineTo:
            canvas.LineTo(c.X1, c.Y1);
            break;
        case Op::TextOut:
            canvas.TextOut(c.X1, c.Y1, c.Text);
            break;
        }
    }
}

bool Reproduces(const TCanvas& canvas, std::span<const TCanvasCall> calls) {
    TCanvas copy(canvas.Width(), canvas.Height());
    Replay(copy, calls);
    const std::size_t n = std::size_t(canvas.Width()) * std::size_t(canvas.Height());
    return std::equal(canvas.Bits(), canvas.Bits() + n, copy.Bits());
}

std::size_t FirstVisibleCall(const TCanvas& canvas, std::span<const TCanvasCall> calls) {
    int tries = 0;
    for (std::size_t i = calls.size(); i-- > 1 && tries < kTries;) {
        if (!IsWipe(calls[i])) continue;
        ++tries;
        if (Reproduces(canvas, calls.subspan(i))) return i;
    }
    return 0;
}

void DropHiddenCalls(TCanvas& canvas, std::size_t bound) {
    std::vector<TCanvasCall>* log = canvas.Log;
    if (!log || log->size() <= bound) return;
    const std::size_t first = FirstVisibleCall(canvas, *log);
    log->erase(log->begin(), log->begin() + std::ptrdiff_t(first));
}

} // namespace tk
