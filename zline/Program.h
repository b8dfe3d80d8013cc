// zline as it presents itself on every platform: its name, what --help says it does, its
// menu entry and its icon. The entry points (programs/) start it with this.
#pragma once

#include "zline/Icon.h"

#include "chart/IconGrid.h"
#include "toolkit/ProgramInfo.h"

#include <span>

namespace zline {

inline constexpr std::span<const tk::TIconShape> kIconLayers[] = {chart::kIconGrid,
                                                                  kIconConstruction};

inline constexpr tk::TProgramInfo kProgram{
    "zline",
    "Пересчёт сопротивления нагрузки вдоль линии с потерями к генератору или к нагрузке\n"
    "по диаграмме сопротивлений; |Г|, КСВ и КБВ.",
    "ru.zchart.zline",
    kIconLayers,
};

} // namespace zline
