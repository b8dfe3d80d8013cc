// zmatch's other ways of matching without a window: --method series-stub | double-stub |
// quarter-wave | l-section, through the methods window's own handler on a form that is never
// shown, beside the main window's form that holds the load.
//
//     zmatch --load 100+50j --method double-stub --spacing 0.125 --json
//     {"load":"100+50j","line":{...},"method":"double-stub","solutions":[{"name":...,
//      "chart":{"l1":...,"l2":...},"exact":{...},"built_vswr":...},...],"forbidden":false}
#pragma once

#include "cli/Run.h"

#include <memory>

namespace cli {

// The session for --method, its options read and checked as the window reads its fields
// (a bad one throws TUsageError naming it); `band` with --band.
std::unique_ptr<TSession> OpenMethodSession(const TValues& values, const TFileLoad* file);

} // namespace cli
