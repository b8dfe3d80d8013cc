// What the table of «Подбор согласования…» shows of a choice: a row a choice, best first,
// with the values as built, in nH, pF and λ, and a line's or stub's length in mm at the
// velocity factor asked for:
//
//     {"1", "L-звено", "C парал. 2,2 пФ; L посл. 15 нГн", "1,34", "100 %", "0,12", "2"}
#pragma once

#include "theory/Choose.h"

#include "toolkit/RowList.h"

#include <string>

namespace zmatch {

// The columns' heads, tab-separated, as the list's caption takes them.
inline constexpr const char* kChoiceColumns =
    "№\tСхема\tЗначения\tКСВ макс.\tПолоса\tПотери, дБ\tДеталей";

// «C парал. 2,2 пФ; Линия 0,125 λ (37,5 мм)»: the chain's elements from the load.
std::string ChoiceValuesText(const theory::TChain& chain, double vf);
tk::TRowList::TRow ChoiceRow(int number, const theory::TChoice& choice, double vf);

} // namespace zmatch
