// zline's constructions told step by step. After «Показать точку»: the load's own steps
// (LoadPointSteps), its mirror images when asked for, and |Г|, КСВ, КБВ read on the ruler.
// After the move: the turn by l/λ on the wavelength scale (the other way for a negative l),
// the loss that shrinks |Г| on the way to the generator and grows it on the way to the
// load, the new point and its impedance. One sentence a step, in the order the handlers
// draw them.
#pragma once

#include "zline/LineMove.h"
#include "zline/Reflection.h"

#include "chart/ConstructionSteps.h"
#include "chart/LoadPoint.h"

namespace zline {

chart::TConstructionSteps LoadReadingSteps(const chart::TLoadPoint& load, bool mirror);
chart::TConstructionSteps MoveSteps(const TLineMove& move);

} // namespace zline
