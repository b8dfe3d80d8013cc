#include "zmatch/Icon.h"
#include "zmatch/Unit1.h"

#include "cli/Picture.h"
#include "cli/ZmatchAnswers.h"

#include "chart/IconGrid.h"

#include "toolkit/Conversions.h"
#include "toolkit/qt/Startup.h"

#include <iostream>

namespace {

const char* const kAnswersHelp =
    "Ответ без окна (нужен --load):\n"
    "  --load Z            нагрузка в омах: 100+50j, 100-j50, 100; «-» — по одной в строке\n"
    "                      со стандартного ввода, ответ тоже по одному в строке\n"
    "  --line Z            волновое сопротивление линии (50)\n"
    "  --wavelength L      длина волны в нужных единицах (1)\n"
    "  --stub short|open   шлейф короткозамкнутый или разомкнутый (short)\n"
    "  --json              ответ одним объектом JSON\n"
    "  --picture FILE      записать построение в файл .png или .pdf\n"
    "Числа пишутся с точкой или с десятичным разделителем системы. Код возврата: 0 — ответ\n"
    "дан, 1 — диаграмма нагрузку не приняла, 2 — неверный параметр или число.\n";

} // namespace

int main(int argc, char** argv) {
    const cli::TProgram answers = cli::ZmatchProgram();
    if (cli::AsksForAnswers(answers, argc, argv)) {
        tk::FormatSettings() = tk::TFormatSettings::FromLocale();
        return cli::Run(answers, argc, argv, cli::WritePicture, std::cin, std::cout, std::cerr);
    }
    return tkqt::RunMainForm({"zmatch",
                              "Согласование нагрузки с линией одним параллельным "
                              "шлейфом, короткозамкнутым или\nразомкнутым, "
                              "построением на диаграмме сопротивлений.",
                              "ru.zchart.zmatch",
                              {chart::kIconGrid, zmatch::kIconConstruction},
                              kAnswersHelp},
                             argc, argv, zmatch::Form1);
}
