// What both chart windows offer beside their controls: the picture copied to the clipboard
// (Ctrl+C) or saved as a PNG (Ctrl+S), and the results copied as text. A form names this
// table in its description, as it does its controls; each row is one menu item.
#pragma once

#include "chart/ResultsText.h"
#include "toolkit/Controls.h"

namespace chart {

// clang-format off
inline constexpr tk::TActionDesc kChartActions[] = {
    // caption                 keys                   what it does                    text
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture},
    {"Копировать результаты",  tk::TShortcut::None,   tk::TActionKind::CopyText,      ResultsText},
};
// clang-format on

} // namespace chart
