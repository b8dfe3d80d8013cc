// A value set with a slider: a track bar over a range of whole positions, with a text
// beside it that handlers write (the value the position stands for, in its unit). The
// user drags the slider or moves it with the keys, and its OnChange runs on every step
// (TApplication::Slide), so that what depends on it follows live.
//
//     {K::SliderValue, "Tune", nullptr, 8, 140, 300, 24, "C1 = 2,2 пФ", 1}
//     tune->SetRange(0, 1000);  tune->SetPosition(220);
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace tk {

class TSliderValue : public TControl {
  public:
    // The caption is the text beside the slider.
    TSliderValue(const TControlDesc& desc, TControl* parent)
        : TControl(desc, parent), Caption(desc.Caption ? desc.Caption : "") {}

    std::string Caption;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // The range from one end to the other, in whichever order they come; the position
    // moves into it.
    void SetRange(int min, int max);
    // Any position, kept within the range.
    void SetPosition(int position);

    int SmallStep = 1;  // an arrow key's step
    int LargeStep = 10; // PageUp's and PageDown's

    TNotifyEvent OnChange;

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

// The keys that move a slider.
enum class TSliderKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The position after `key`: Right and Up a small step up, Left and Down one down, PageUp
// and PageDown a large step, Home and End the ends; within the range, a step under one
// taken as one.
int PositionAfterKey(const TSliderValue& slider, TSliderKey key);

} // namespace tk
