// A chart window's results as plain text, for the clipboard, grouped by what they answer.
// The labels one construction writes share its hint, and a hint's first line names what it
// answers (the load, the matching with its stub and λ, the move with l, λ, A and its
// direction). Each group is that line, its labels' captions in the form's order, each under
// the heading that stands right above it (a label without a hint, such as «Расстояние» or
// «Разнормированные:»), then the rest of its hint:
//
//     Точка нагрузки Zн = 100+j50 Ом на линии Zв = 50 Ом
//     Zнн=2,00+j1,00
//     Точный расчёт: z = 2,00000+j1,00000, ...
//
//     Согласование нагрузки Zн = 100+j50 Ом ... шлейфом, λ = 1
//     Расстояние
//     l. раст. от нагр.= 0,037
//     ...
#pragma once

#include "toolkit/Controls.h"

#include <string>

namespace chart {

// Empty when no label carries a hint yet.
std::string ResultsText(const tk::TForm& form);

} // namespace chart
