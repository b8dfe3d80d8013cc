// The files a teacher hands out, as bytes, the same for the same set on every platform (no
// date in them):
//   - the worksheets, a PDF of A4 pages, one a variant: the problem in Russian with the
//     variant's number and the group, a blank chart at a true scale (the ask's radius in mm
//     to the rim: compasses and a ruler work on it) and a box for the answers;
//   - the key, a PDF of A4 pages, one a variant: the construction of the exact solution
//     drawn on the chart by the chain window's own drawing (chart/ChainChart.h), each
//     answer as the chart reads it with the paper's tolerance, in λ and in the problem's
//     unit, the exact value, and the construction's steps.
// Every number in them has the decimal comma, whatever the locale. The Moodle quiz is
// Moodle.h's.
#pragma once

#include "exercises/Exercise.h"

#include <cstdint>
#include <vector>

namespace exercises {

std::vector<std::uint8_t> WorksheetsPdf(const TExerciseSet& set);
std::vector<std::uint8_t> KeyPdf(const TExerciseSet& set);

// Page pixels (1/96 inch) to one of the chart's pixels for the ask's radius: 300 of them
// to the rim make RadiusMm millimetres.
double ChartScale(const TExerciseSet& set);

} // namespace exercises
