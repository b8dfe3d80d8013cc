// Exercises on the command line: a set of variants for a group (--exercises N), its files,
// and the check of a student's answers (--check), without a window.
//
//     zmatch --exercises 30 --seed ИВТ-21 --kind stub-short --worksheets w.pdf --key k.pdf
//     zmatch --check --seed ИВТ-21 --kind stub-short --variant 3 --answers "d=0.198 l=0.126"
//
// Status 0: done; 1: a file could not be written; 2: a bad option, said in Russian.
#pragma once

#include <iosfwd>

namespace cli {

// Whether the command line names --exercises or --check.
bool AsksForExercises(int argc, char** argv);

int RunExercises(const char* program, int argc, char** argv, std::ostream& out, std::ostream& err);

} // namespace cli
