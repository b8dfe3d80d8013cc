// Touchstone files (.s1p, and port 1 of .s2p), versions 1 and 2, read into a measured load:
// the option line's frequency unit (Hz, kHz, MHz, GHz), parameter (S, Y, Z), format (DB,
// MA, RI) and reference R; comments; version 2's keywords. Each point's parameter becomes the
// load's impedance in ohms, from the file's reference.
//
// A text that cannot be read raises a toolkit exception whose message names the line and
// what is wrong there: «строка 12: ожидалось 3 числа, найдено 2». Any text, however made,
// gives either a load or such a refusal, in time proportional to its length.
#pragma once

#include "chart/MeasuredLoad.h"

#include <string>
#include <string_view>

namespace chart {

// The file's text; `ports` is 1 for .s1p and 2 for .s2p (version 2 may say otherwise in
// its [Number of Ports] keyword, which then holds).
TMeasuredLoad ReadTouchstone(std::string_view text, int ports);

// The file itself: its ports from its name's ending (.s1p, .s2p, any case); a file that
// cannot be opened or is not a Touchstone file by its name is refused with a message that
// names it.
TMeasuredLoad ReadTouchstoneFile(const std::string& path);

} // namespace chart
