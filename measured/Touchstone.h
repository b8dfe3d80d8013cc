// Touchstone files (.s1p, .s2p and version 2's .ts), versions 1 and 2, read into a measured
// load: the option line's frequency unit (Hz, kHz, MHz, GHz), parameter (S, Y, Z), format
// (DB, MA, RI) and reference R; comments; version 2's keywords. Each point's parameters
// become the load port 1 presents in ohms, port 2 of a two-port closed by its reference, so
// that the same network written as S, Z or Y gives the same load (measured/NetworkLoad.h). A
// point that is an open circuit (S11 = 1) is kept without a load, and the file is read.
//
// A text that cannot be read raises a toolkit exception whose message names the line and
// what is wrong there: «строка 12: ожидалось 3 числа, найдено 2». Any text, however made,
// gives either a load or such a refusal, in time proportional to its length.
#pragma once

#include "measured/MeasuredLoad.h"

#include <string>
#include <string_view>

namespace measured {

// The file's text; `ports` is 1 for .s1p and 2 for .s2p, 0 for .ts, whose version 2 says
// how many in its [Number of Ports] (which holds over the name's in any file of version 2).
TMeasuredLoad ReadTouchstone(std::string_view text, int ports);

// The file itself: its ports from its name's ending (.s1p, .s2p, .ts, any case); a file that
// cannot be opened or is not a Touchstone file by its name is refused with a message that
// names it.
TMeasuredLoad ReadTouchstoneFile(const std::string& path);

} // namespace measured
