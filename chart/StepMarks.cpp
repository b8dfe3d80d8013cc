#include "chart/StepMarks.h"

#include <stdexcept>
#include <string>

namespace chart {

TStepMarks::TStepMarks(const tk::TCanvas& canvas)
    : log_(canvas.Log), first_(Size()), begin_(first_) {}

void TStepMarks::Begin() {
    begin_ = Size();
}

void TStepMarks::End() {
    spans_.emplace_back(begin_, Size());
    begin_ = Size();
}

TConstructionSteps TStepMarks::Placed(TConstructionSteps texts) const {
    if (texts.size() != spans_.size())
        throw std::logic_error("construction steps: " + std::to_string(texts.size()) +
                               " sentences for " + std::to_string(spans_.size()) + " marks");
    const std::size_t size = Size();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t end = i + 1 == texts.size() ? size : spans_[i].second;
        texts[i].EndFromRecordEnd = size - end;
        texts[i].Calls = end - spans_[i].first;
    }
    return texts;
}

} // namespace chart
