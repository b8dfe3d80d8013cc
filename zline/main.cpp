#include "zline/Icon.h"
#include "zline/Unit1.h"

#include "cli/Picture.h"
#include "cli/ZlineAnswers.h"

#include "chart/IconGrid.h"

#include "toolkit/Conversions.h"
#include "toolkit/qt/Startup.h"

#include <iostream>

namespace {

const char* const kAnswersHelp =
    "Ответ без окна (нужен --load):\n"
    "  --load Z                 нагрузка в омах: 100+50j, 100-j50, 100; «-» — по одной в\n"
    "                           строке со стандартного ввода, ответ тоже по одному в строке\n"
    "  --line Z                 волновое сопротивление линии (50)\n"
    "  --distance L             расстояние вдоль линии (0)\n"
    "  --wavelength L           длина волны в тех же единицах (1)\n"
    "  --attenuation A          затухание, дБ на длину волны (0)\n"
    "  --toward generator|load  к генератору или к нагрузке (generator)\n"
    "  --mirror                 отображать дополнительные точки\n"
    "  --json                   ответ одним объектом JSON\n"
    "  --picture FILE           записать построение в файл .png или .pdf\n"
    "Числа пишутся с точкой или с десятичным разделителем системы. Код возврата: 0 — ответ\n"
    "дан, 1 — диаграмма нагрузку не приняла, 2 — неверный параметр или число.\n";

} // namespace

int main(int argc, char** argv) {
    const cli::TProgram answers = cli::ZlineProgram();
    if (cli::AsksForAnswers(answers, argc, argv)) {
        tk::FormatSettings() = tk::TFormatSettings::FromLocale();
        return cli::Run(answers, argc, argv, cli::WritePicture, std::cin, std::cout, std::cerr);
    }
    return tkqt::RunMainForm({"zline",
                              "Пересчёт сопротивления нагрузки вдоль линии с потерями "
                              "к генератору или к нагрузке\nпо диаграмме "
                              "сопротивлений; |Г|, КСВ и КБВ.",
                              "ru.zchart.zline",
                              {chart::kIconGrid, zline::kIconConstruction},
                              kAnswersHelp},
                             argc, argv, zline::Form1);
}
