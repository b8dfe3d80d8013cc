// Tuning the chain window's elements with the pointer: the wheel over an element's row or
// over its arc on the chart steps its value as the slider's keys do (a notch a fine step,
// with Ctrl or Shift a coarse one), and a node dragged on the chart takes its element's value
// along: the node follows the pointer along the element's arc.
//
// The drag looks for the value whose exact node lies nearest the pointer's Г: every tenth
// position of the slider's range (chart/ChainRows.h) first, then golden-section search
// between the two beside the best. Only the pointer is in pixels; the node is exact.
//
//     press at node 2's dot: element 2 selected and grabbed
//     move to (520, 300):    its value set so that node 2 lies nearest Г = 0,40+j0,17
#pragma once

#include "theory/Chain.h"

#include "toolkit/Controls.h"

#include <vector>

namespace chart {

class TChainForm;

// How near the pointer must come, in canvas pixels, to take a node or an arc.
constexpr double kTuningReach = 6;

// The node nearest `pixel` within the reach among `nodes` (Г at each, [0] the load, which
// no element moves): its index ≥ 1; 0: none.
int NodeNear(const std::vector<theory::TComplex>& nodes, tk::TPoint pixel);
// The element whose drawn path passes nearest `pixel` within the reach; -1: none.
int ArcNear(const std::vector<std::vector<theory::TComplex>>& paths, tk::TPoint pixel);
// The Г a canvas pixel stands for: its centre's.
theory::TComplex GammaOfPixel(tk::TPoint pixel);
// The value of element `element` within the slider's range around `anchor` whose node
// after it lies nearest `target` (Г), the chain before it kept.
double ValueNearest(const theory::TChain& chain, theory::TComplex loadOhms, int element,
                    double anchor, theory::TComplex target);

// The window's handlers for the wheel and the drag, set on its list and its chart by Hook.
class TChainTuning {
  public:
    explicit TChainTuning(TChainForm& form) : form_(form) {}
    void Hook();

    void WheelOverRow(int row, tk::TWheel wheel);
    void WheelOverChart(tk::TPoint pixel, tk::TWheel wheel);
    bool Press(tk::TPoint pixel);
    void Drag(tk::TPoint pixel);
    void Release() { grabbed_ = -1; }
    // The element the drag holds; -1: none.
    int Grabbed() const { return grabbed_; }

  private:
    // The selected element stepped by the wheel's notches, as the slider's keys step it.
    void Step(tk::TWheel wheel);

    TChainForm& form_;
    int grabbed_ = -1;
};

} // namespace chart
