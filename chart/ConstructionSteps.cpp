#include "chart/ConstructionSteps.h"

#include "toolkit/CanvasLog.h"

#include <algorithm>
#include <span>

namespace chart {

namespace {

// The emphasis is drawn in one colour the chart itself never uses, this much wider than
// each call's own pen.
constexpr tk::TColor kEmphasis = tk::RGB(255, 140, 0);
constexpr int kWider = 2;

// The calls again, outlines only: a fill would cover what the step drew over. Text is left
// as it stands.
void Emphasise(tk::TCanvas& picture, std::span<const tk::TCanvasCall> calls) {
    for (tk::TCanvasCall c : calls) {
        if (c.Op == tk::TCanvasCall::TOp::TextOut) continue;
        c.Pen = {kEmphasis, c.Pen.Width + kWider, tk::TPenStyle::psSolid};
        c.Brush.Style = tk::TBrushStyle::bsClear;
        tk::Replay(picture, {&c, 1});
    }
}

} // namespace

tk::TCanvas PictureAfterStep(const tk::TCanvas& canvas, const TConstructionSteps& steps,
                             std::size_t k, bool emphasised) {
    if (!canvas.Log || k >= steps.size()) {
        tk::TCanvas same = canvas;
        same.Log = nullptr;
        return same;
    }
    const std::span<const tk::TCanvasCall> log(*canvas.Log);
    // A record trimmed past a step's start (or cleared) keeps what it still holds of it.
    const std::size_t end = log.size() - std::min(steps[k].EndFromRecordEnd, log.size());
    const std::size_t begin = end - std::min(steps[k].Calls, end);
    tk::TCanvas picture(canvas.Width(), canvas.Height());
    tk::Replay(picture, log.first(end));
    if (emphasised) Emphasise(picture, log.subspan(begin, end - begin));
    return picture;
}

} // namespace chart
