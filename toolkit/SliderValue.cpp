#include "toolkit/SliderValue.h"

#include <algorithm>

namespace tk {

void TSliderValue::SetRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    SetPosition(position_);
}

void TSliderValue::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

int PositionAfterKey(const TSliderValue& slider, TSliderKey key) {
    // In a wider type: a step from near either end of an int's range would overflow.
    const long long small = std::max(1, slider.SmallStep), large = std::max(1, slider.LargeStep);
    long long to = slider.Position();
    switch (key) {
    case TSliderKey::Right:
    case TSliderKey::Up:
        to += small;
        break;
    case TSliderKey::Left:
    case TSliderKey::Down:
        to -= small;
        break;
    case TSliderKey::PageUp:
        to += large;
        break;
    case TSliderKey::PageDown:
        to -= large;
        break;
    case TSliderKey::Home:
        return slider.Min();
    case TSliderKey::End:
        return slider.Max();
    }
    return int(std::clamp<long long>(to, slider.Min(), slider.Max()));
}

} // namespace tk
