// What --exercises and --check write on standard output: JSON on one line with --json, or
// lines for a reader.
//
//     {"seed":"ИВТ-21","kind":"stub-short","variants":[{"number":1,"load":{"re":100,"im":50},
//      "line":{"re":50,"im":0},"wavelength":1,…,"answers":[{"name":"d","chart":0.198,
//      "exact":0.19813,"tolerance":0.005,"unit":"λ"},…]}]}
//     {"verdicts":[{"name":"d","right":true,"off":0.0002,…}]}
#pragma once

#include "exercises/Check.h"
#include "exercises/Exercise.h"

#include <string>
#include <vector>

namespace cli {

std::string ExercisesJson(const exercises::TExerciseSet& set);
std::string ExercisesText(const exercises::TExerciseSet& set);
std::string VerdictsJson(const std::vector<exercises::TVerdict>& verdicts);
std::string VerdictsText(const exercises::TExerciseSet& set, const exercises::TVariant& v,
                         const std::vector<exercises::TVerdict>& verdicts);

} // namespace cli
