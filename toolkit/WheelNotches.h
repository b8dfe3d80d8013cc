// Whole notches out of a wheel's turns as the platforms report them: 120 to a notch (a
// desktop wheel's click), less from a touchpad's smooth scrolling, which adds up until it
// makes a notch. Up (away from the user) is positive.
//
//     TWheelNotches w;  w.Add(120) == 1;  w.Add(40) == 0;  w.Add(80) == 1;  w.Add(-240) == -2
#pragma once

namespace tk {

class TWheelNotches {
  public:
    static constexpr int kNotch = 120;

    // The notches `delta` completes with what is left over from before.
    int Add(int delta) {
        // A turn the other way forgets what was left of the last one.
        if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) rest_ = 0;
        rest_ += delta;
        const int notches = rest_ / kNotch;
        rest_ -= notches * kNotch;
        return notches;
    }

  private:
    int rest_ = 0;
};

} // namespace tk
