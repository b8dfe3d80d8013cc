// Where each step of a construction begins and ends in the canvas's record, noted while a
// handler draws, and the steps' sentences placed there once it has finished.
//
//     TStepMarks marks(canvas);
//     marks.Begin();  DrawRCircle(...);  marks.End();   // step 2: the circles
//     ...
//     steps = marks.Placed(LoadPointSteps(load));
//
// A canvas without a record gives steps at position 0 with no calls of their own: their
// sentences stand, their pictures are the canvas as it is.
#pragma once

#include "chart/ConstructionSteps.h"

#include "toolkit/Canvas.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace chart {

class TStepMarks {
  public:
    explicit TStepMarks(const tk::TCanvas& canvas);

    // The next step's own calls start here; calls between End and Begin (a wipe that puts
    // back what lies beyond the rim) belong to no step.
    void Begin();
    // The step's own calls end here; a step that draws nothing is a Begin and End at once.
    void End();

    std::size_t Steps() const { return spans_.size(); }

    // How many calls the record has gained since the marks began.
    std::size_t Drawn() const { return Size() - first_; }

    // The sentences, one a marked step in drawing order, placed in the record as it is now.
    // The last step reaches the record's end: what the handler drew after it (the legend,
    // the ruler) is its own, so that its picture is the canvas. A count that differs from
    // the marks' is a fault of the program (std::logic_error).
    TConstructionSteps Placed(TConstructionSteps texts) const;

  private:
    std::size_t Size() const { return log_ ? log_->size() : 0; }

    const std::vector<tk::TCanvasCall>* log_;
    std::size_t first_, begin_;
    std::vector<std::pair<std::size_t, std::size_t>> spans_; // [begin, end) of each step
};

} // namespace chart
