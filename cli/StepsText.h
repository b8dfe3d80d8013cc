// The construction's steps after an answer (--steps): one numbered line a step, the exact
// value beside where the chart's reading differs; in JSON a list "steps" of
// {"text": …, "exact": …}, exact null where there is none.
//
//     Построение по шагам:
//     1. Сопротивление нагрузки делим на волновое сопротивление линии: … = 2,00+j1,00.
//     3. … |Г| = 0,4457 радиуса диаграммы, КСВ = 2,6084; … (точно: |Г| = 0,44721, …)
#pragma once

#include "cli/Run.h"

#include "chart/ConstructionSteps.h"

namespace cli {

// The answer with its steps after its text and inside its JSON object; a refusal, or an
// answer without steps, as it is: no heading over nothing.
TAnswer WithSteps(TAnswer answer, const chart::TConstructionSteps& steps);

} // namespace cli
