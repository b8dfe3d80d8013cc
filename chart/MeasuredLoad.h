// A load measured at a set of frequencies, as a network analyser gives it (a Touchstone
// file, chart/Touchstone.h): the impedance in ohms at each frequency, and the load between
// two of them taken on the straight line between their impedances.
//
//     LoadAt(load, 1.5e9)   the point at 1,5 GHz; between two points, interpolated
#pragma once

#include "chart/LineTheory.h"

#include <string>
#include <vector>

namespace chart {

struct TMeasuredPoint {
    double Hz = 0;
    TComplex Ohms;
};

struct TMeasuredLoad {
    std::vector<TMeasuredPoint> Points; // frequencies strictly ascending, at least one point
    double ReferenceOhms = 50;          // the reference the file's parameters were given for
};

struct TLoadAtFrequency {
    TComplex Ohms;
    bool Interpolated = false; // false: a point of the measurement itself
};

// The load at `hz`; a frequency outside the measured band raises a toolkit exception that
// names the band.
TLoadAtFrequency LoadAt(const TMeasuredLoad& load, double hz);

} // namespace chart
