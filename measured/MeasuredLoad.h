// A load measured at a set of frequencies, as a network analyser gives it (a Touchstone
// file, measured/Touchstone.h): the impedance in ohms at each frequency, and the load between
// two of them taken on the straight line between their impedances. A point may have no
// load (an open circuit, S11 = 1, as a time-domain file's 0 Hz often is): it is refused when
// asked for, and so is the stretch between it and its neighbours.
//
//     LoadAt(load, 1.5e9)   the point at 1,5 GHz; between two points, interpolated
#pragma once

#include "measured/Complex.h"

#include <optional>
#include <string>
#include <vector>

namespace measured {

struct TMeasuredPoint {
    double Hz = 0;
    std::optional<TComplex> Ohms; // none: an open circuit, no finite load to take
};

struct TMeasuredLoad {
    // Frequencies strictly ascending, at least one point with a load.
    std::vector<TMeasuredPoint> Points;
    double ReferenceOhms = 50; // port 1's reference the file's parameters were given for
};

struct TLoadAtFrequency {
    TComplex Ohms;
    bool Interpolated = false; // false: a point of the measurement itself
};

// The load at `hz`; a frequency outside the measured band, at a point without a load or
// between one and its neighbour, raises a toolkit exception that says so and names them.
TLoadAtFrequency LoadAt(const TMeasuredLoad& load, double hz);

struct TBandEdges {
    double FromHz = 0, ToHz = 0;
};

// The stretch of the band about `hz` where the load can be had at every frequency: out to
// the last points before those without a load, or to the band's ends. Nothing when there is
// no load at `hz` itself.
std::optional<TBandEdges> LoadedBandAbout(const TMeasuredLoad& load, double hz);

} // namespace measured
