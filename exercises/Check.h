// A student's answers read and checked against the variant's: each right when within the
// paper chart's tolerance of the exact value, or how far off — in the answer's unit, in
// millimetres on the printed chart and in the window's pixels.
//
//     ReadAnswers("d=0.198 l=0,126")   {{"d", 0.198}, {"l", 0.126}}
//     CheckAnswers(set, 3, given)      [{"d", right}, {"l", 0.011 λ off, 2.1 mm, 8 px}]
#pragma once

#include "exercises/Exercise.h"

#include <string>
#include <string_view>
#include <vector>

namespace exercises {

struct TGivenAnswer {
    std::string Name;
    double Value = 0;
};

// "name=value" pairs apart by spaces, tabs, new lines or «;», the value with a point or a
// comma. A pair without «=», a value that is not a finite number, or a name given twice
// raises TExerciseError with the pair quoted.
std::vector<TGivenAnswer> ReadAnswers(std::string_view text);

struct TVerdict {
    std::string Name;
    bool Given = false; // false: the student left it out
    bool Right = false;
    double Off = 0;       // given - exact, a length within half a wavelength
    double OffMm = 0;     // |Off| on the printed chart: a length along the rim's scale, any
                          // other answer in proportion to its tolerance, a millimetre's worth
    double OffPixels = 0; // the same in the window's pixels (300 to the rim)
};

// The variant `number` (1 to the set's count) of the set, every one of its answers in its
// order. A name the variant does not ask, or a number out of range, raises TExerciseError.
std::vector<TVerdict> CheckAnswers(const TExerciseSet& set, int number,
                                   const std::vector<TGivenAnswer>& given);

} // namespace exercises
