#include "chart/ChainTuning.h"

#include "chart/ChainForm.h"
#include "chart/ChainPath.h"
#include "chart/ChainRows.h"
#include "chart/Frame.h"
#include "theory/ChainPath.h"

#include "toolkit/Application.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The canvas point (not truncated) Г stands at.
bool PointOf(theory::TComplex g, double& x, double& y) {
    if (!std::isfinite(g.real()) || !std::isfinite(g.imag())) return false;
    x = ChartCenterX + PixelsOf(g.real());
    y = ChartCenterY - PixelsOf(g.imag());
    return true;
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The pixel's centre's offset from the chart's centre along one axis: PixelOfGamma truncates
// the offset toward zero, so pixel 401 holds the offsets [1, 2) and pixel 399 (-2, -1].
double CentreOffset(int offset) {
    return offset > 0 ? offset + 0.5 : offset < 0 ? offset - 0.5 : 0.0;
}

} // namespace

int NodeNear(const std::vector<theory::TComplex>& nodes, tk::TPoint pixel) {
    int nearest = 0;
    double best = kTuningReach;
    for (std::size_t n = 1; n < nodes.size(); ++n) {
        tk::TPoint p;
        if (!NodePixel(nodes[n], p)) continue;
        const double d = std::hypot(double(p.X - pixel.X), double(p.Y - pixel.Y));
        // The later of two nodes on one dot: it is drawn over the other.
        if (d <= best) best = d, nearest = int(n);
    }
    return nearest;
}

int ArcNear(const std::vector<std::vector<theory::TComplex>>& paths, tk::TPoint pixel) {
    int nearest = -1;
    double best = kTuningReach;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        double ax = 0, ay = 0;
        bool drawing = false;
        for (const theory::TComplex& g : paths[i]) {
            double bx = 0, by = 0;
            if (!PointOf(g, bx, by)) {
                drawing = false;
                continue;
            }
            const double d = drawing ? SegmentDistance(pixel.X, pixel.Y, ax, ay, bx, by)
                                     : std::hypot(pixel.X - bx, pixel.Y - by);
            if (d <= best) best = d, nearest = int(i);
            ax = bx, ay = by, drawing = true;
        }
    }
    return nearest;
}

theory::TComplex GammaOfPixel(tk::TPoint pixel) {
    return {CentreOffset(pixel.X - ChartCenterX) / ChartRadius,
            -CentreOffset(pixel.Y - ChartCenterY) / ChartRadius};
}

double ValueNearest(const theory::TChain& chain, theory::TComplex loadOhms, int element,
                    double anchor, theory::TComplex target) {
    const theory::TComplex from = theory::NodeOhms(chain, loadOhms, 1)[std::size_t(element)];
    theory::TChainElement e = chain.Elements[std::size_t(element)];
    const auto distance = [&](double v) {
        if (!(v > 0)) return kInfinity;
        e.Value = v;
        const double d = std::abs(theory::PartialGamma(e, chain, from, 1, 1) - target);
        return std::isfinite(d) ? d : kInfinity;
    };
    // Every tenth position of the slider's range first, then golden section between the
    // positions beside the best. A line's node turns once a half wave: on a slider around up
    // to 12 λ the samples lie under half a turn apart, and a point's distance from a circle
    // has one valley a turn, so the valley lies between the best sample's neighbours.
    constexpr int kScanStep = 10;
    int best = 0;
    double bestDistance = kInfinity;
    for (int p = 0; p <= kSliderSteps; p += kScanStep)
        if (const double d = distance(SliderValue(e, anchor, p)); d < bestDistance)
            best = p, bestDistance = d;
    double value = SliderValue(e, anchor, best);
    if (!(bestDistance < kInfinity)) return value;
    double lo = SliderValue(e, anchor, std::max(0, best - kScanStep));
    double hi = SliderValue(e, anchor, std::min(kSliderSteps, best + kScanStep));
    if (!(lo > 0)) lo = value / 2;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
    double da = distance(a), db = distance(b);
    for (int k = 0; k < 40; ++k) {
        if (da < db) {
            hi = b, b = a, db = da;
            a = hi - ratio * (hi - lo), da = distance(a);
        } else {
            lo = a, a = b, da = db;
            b = lo + ratio * (hi - lo), db = distance(b);
        }
    }
    const double refined = da < db ? a : b;
    return distance(refined) < bestDistance ? refined : value;
}

void TChainTuning::Hook() {
    form_.ElementList->OnWheel = [this](int row, tk::TWheel wheel) { WheelOverRow(row, wheel); };
    tk::TImage& picture = *form_.Picture;
    picture.OnWheel = [this](tk::TPoint pixel, tk::TWheel wheel) { WheelOverChart(pixel, wheel); };
    picture.OnPress = [this](tk::TPoint pixel) { return Press(pixel); };
    picture.OnDrag = [this](tk::TPoint pixel) { Drag(pixel); };
    picture.OnRelease = [this](tk::TPoint) { Release(); };
}

void TChainTuning::Step(tk::TWheel wheel) {
    const int element = form_.Selected();
    if (element < 0 || wheel.Notches == 0) return;
    const tk::TSliderValue& slider = *form_.ValueSlider;
    const int step = wheel.Coarse ? slider.LargeStep : slider.SmallStep;
    const int to = std::clamp(slider.Position() + wheel.Notches * step, slider.Min(), slider.Max());
    if (to == slider.Position()) return;
    const double v = SliderValue(form_.Chain().Elements[std::size_t(element)], form_.Anchor(), to);
    if (v > 0) form_.Tune(v); // a line of no length is no element, as on the slider
}

void TChainTuning::WheelOverRow(int row, tk::TWheel wheel) {
    // Row 0 is the load's, which has no value to tune.
    if (row < 1 || row > int(form_.Chain().Elements.size())) return;
    form_.SelectElement(row - 1);
    Step(wheel);
}

void TChainTuning::WheelOverChart(tk::TPoint pixel, tk::TWheel wheel) {
    const int arc = ArcNear(theory::ChainPaths(form_.Chain(), form_.LoadOhms()), pixel);
    if (arc >= 0) form_.SelectElement(arc);
    Step(wheel);
}

bool TChainTuning::Press(tk::TPoint pixel) {
    std::vector<theory::TComplex> nodes;
    for (const theory::TComplex& z : theory::NodeOhms(form_.Chain(), form_.LoadOhms(), 1))
        nodes.push_back(theory::ReadingOf(z, form_.Chain().LineOhms).Gamma);
    const int node = NodeNear(nodes, pixel);
    grabbed_ = node - 1;
    if (grabbed_ >= 0) form_.SelectElement(grabbed_);
    return grabbed_ >= 0;
}

void TChainTuning::Drag(tk::TPoint pixel) {
    if (grabbed_ < 0 || grabbed_ >= int(form_.Chain().Elements.size())) return;
    const double v = ValueNearest(form_.Chain(), form_.LoadOhms(), grabbed_, form_.Anchor(),
                                  GammaOfPixel(pixel));
    if (v > 0 && v != form_.Chain().Elements[std::size_t(grabbed_)].Value) form_.Tune(v);
}

} // namespace chart
