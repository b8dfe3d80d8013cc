#include "chart/DrawnGrid.h"

#include "chart/Grid.h"
#include "chart/LoadPoint.h"

namespace chart {

void TDrawnGrid::LayOn(tk::TCanvas& c) {
    if (!drawn_ || drawn_->Width() != c.Width() || drawn_->Height() != c.Height()) {
        calls_.clear();
        drawn_ = std::make_unique<tk::TCanvas>(c.Width(), c.Height());
        drawn_->Log = &calls_;
        WipeChartDisc(*drawn_);
        DrawGrid(state_, *drawn_);
        drawn_->Log = nullptr;
    }
    c.CopyFrom(*drawn_, calls_);
}

} // namespace chart
