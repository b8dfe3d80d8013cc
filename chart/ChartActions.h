// What both chart windows offer beside their controls: the picture copied to the clipboard
// (Ctrl+C), saved as a PNG or a PDF (Ctrl+S) or printed (Ctrl+P), the last two titled by the
// load they show, the results copied as text, and the admittance grid shown over the
// picture or hidden (Ctrl+G), a measured load read from a file into the Zн fields (Ctrl+O,
// LoadFromFile.h), and the last construction step by step in a window beside the chart
// (F1), and a chain of elements of the user's own tuned on the load in a window beside it
// (F2). A form names this table in its
// description, as it does its controls; each row is one menu item.
#pragma once

#include "chart/LoadFromFile.h"
#include "chart/PictureTitle.h"
#include "chart/ResultsText.h"
#include "toolkit/Controls.h"

namespace chart {

// «Построение по шагам»: the steps window of the chart form's last construction
// (StepsForm.h); before any, the error box says to press «Показать точку» first.
void OpenStepsWindow(tk::TForm& chartForm);
// «Цепь…»: a chain of elements of the user's own on the chart form's load (ChainForm.h).
void OpenChainWindow(tk::TForm& chartForm);

// clang-format off
inline constexpr tk::TActionDesc kChartActions[] = {
    // caption                 keys                   what it does                    text           command
    {"Копировать рисунок",     tk::TShortcut::Copy,   tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…",     tk::TShortcut::Save,   tk::TActionKind::SavePicture,   PictureTitle},
    {"Печать…",                tk::TShortcut::Print,  tk::TActionKind::PrintPicture,  PictureTitle},
    {"Копировать результаты",  tk::TShortcut::None,   tk::TActionKind::CopyText,      ResultsText},
    {"Сетка проводимостей",    tk::TShortcut::Overlay, tk::TActionKind::ToggleOverlay},
    {"Нагрузка из файла…",     tk::TShortcut::Open,   tk::TActionKind::Command,       nullptr, LoadFromFile},
    {"Построение по шагам",    tk::TShortcut::Steps,  tk::TActionKind::Command,       nullptr, OpenStepsWindow},
    {"Цепь…",                  tk::TShortcut::Chain,  tk::TActionKind::Command,       nullptr, OpenChainWindow},
};
// clang-format on

} // namespace chart
