// A problem's answers: the exact values (Solve.h), the chart's reading and the paper
// chart's tolerance.
//
// The chart's reading is what the designed window shows for the same problem: the load
// stands on its pixel (chart::PixelOfGamma, 300 pixels to |Г| = 1), the construction goes
// from there, and the labels print the result to their last place (0,001 λ, a hundredth of
// the line's ohms, three digits of an element).
//
// The tolerance is how far a careful construction on paper may land: compasses and a ruler
// put a point within a millimetre (kPaperMm) of where it belongs, which on a chart of
// radius R mm is 1/R in Г. Each answer is solved again with the load moved that far in
// eight directions; the widest departure, and half the last printed place, make the
// tolerance, rounded up to that place. On the default 80 mm chart a stub's distance comes
// out near ±0,003 λ, and about twice that on a chart of half the size.
#pragma once

#include "exercises/Exercise.h"

#include <optional>
#include <vector>

namespace exercises {

inline constexpr double kPaperMm = 1.0;

// Empty where the kind cannot solve the load, or the load on its pixel, or the load a
// millimetre off in some direction: such a problem sits too near a place where the answer
// jumps to be set on paper.
std::optional<std::vector<TAnswer>> AnswersOf(const TProblem& p, double radiusMm);

// a - b, for a length brought into [-0,25, 0,25) λ: 0,49 and 0,01 λ are 0,02 apart.
double Departure(double a, double b, bool periodic);

} // namespace exercises
