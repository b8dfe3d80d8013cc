// zmatch's --choose: every way of matching the load across a band, each tuned for it with
// the parts asked for, ranked best first (theory/Choose.h), as a table and the reasons the
// first is first, or with --json as {"ranked": [...]}, each entry's chain in --chain's words.
//
//     zmatch --choose --load 20-35j --line 50 --frequency 433.92MHz --span 10% --parts E24
//     №   Схема   Значения (от нагрузки)   КСВ в полосе не более   …
//     1   Г-звено: L последовательно у нагрузки, C параллельно   L 27 нГн посл.; …
//
// The band: --span (of f0, «10%» or 0.1) or --from and --to; ±5 % when neither is given.
// --chain with --band and the same --span, --from, --to and --max-vswr measures an entry's
// chain over the same frequencies and reproduces its worst_vswr and width.
#pragma once

#include "cli/Run.h"

#include <memory>

namespace cli {

std::unique_ptr<TSession> OpenChooseSession(const TValues& values, const TFileLoad* file);

// The band as f/f0 and the КСВ accepted, from --span or --from and --to and --max-vswr (2);
// a bad one, one without f0 inside it, or one beyond the frequencies where `file` (when
// given) has a load, throws TUsageError.
struct TBandOptions {
    bool Given = false; // --span, --from or --to among the options
    double Low = 0.95, High = 1.05;
    double MaxVswr = 2;
};
TBandOptions ReadBandOptions(const TValues& values, double f0Hz, const TFileLoad* file);

// The points a band given on the command line is measured at, by --choose and --chain alike.
inline constexpr int kChoosePoints = 201;

} // namespace cli
