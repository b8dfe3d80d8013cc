// The answers a kind asks for, from the exact theory the programs' --json answers use:
// theory::SolveStubMatch for the shunt stub, SolveSeriesStub, SolveDoubleStub,
// SolveQuarterWave, SolveLSection, MoveReflection and WaveRatios. Given the load normalised
// to the line, so that the chart's reading (the load on its pixel) and the tolerance (the
// load a millimetre off) come from the same function.
#pragma once

#include "exercises/Exercise.h"

#include "theory/Chain.h"

#include <string>
#include <vector>

namespace exercises {

struct TSolvedValue {
    std::string Name, Meaning, Unit;
    double Value = 0;
    // What the chart's reading is rounded to: the window's labels' last place (0,001 λ, a
    // hundredth of the line's ohms); 0: three significant digits, as the L-section's elements.
    double Step = 0;
    bool Periodic = false;
};

// The values in the kind's order; empty where the kind cannot solve z (matched, on or
// beyond the rim, in the double stub's forbidden region or on its boundary).
std::vector<TSolvedValue> SolveProblem(const TProblem& p, theory::TComplex z);

// The exact solution the answers are of, as a chain from the load (theory/Chain.h), for the
// key's drawing and steps: the line to the stub and the stub, the two stubs and the
// spacing, the line and the quarter wave, the L-section's L and C, the lossy line; none for
// the reading.
theory::TChain ConstructionOf(const TProblem& p);

} // namespace exercises
