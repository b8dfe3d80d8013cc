// zmatch as it presents itself on every platform: its name, what --help says it does, its
// menu entry and its icon. The entry points (programs/) start it with this.
#pragma once

#include "zmatch/Icon.h"

#include "chart/IconGrid.h"
#include "toolkit/ProgramInfo.h"

#include <span>

namespace zmatch {

inline constexpr std::span<const tk::TIconShape> kIconLayers[] = {chart::kIconGrid,
                                                                  kIconConstruction};

inline constexpr tk::TProgramInfo kProgram{
    "zmatch",
    "Согласование нагрузки с линией одним параллельным шлейфом, короткозамкнутым или\n"
    "разомкнутым, построением на диаграмме сопротивлений.",
    "ru.zchart.zmatch",
    kIconLayers,
};

} // namespace zmatch
