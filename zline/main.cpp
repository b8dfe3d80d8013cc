#include "zline/Icon.h"
#include "zline/Unit1.h"

#include "cli/RunProgram.h"
#include "cli/ZlineAnswers.h"

#include "chart/IconGrid.h"

int main(int argc, char** argv) {
    return cli::RunProgram(cli::ZlineProgram(),
                           {"zline",
                            "Пересчёт сопротивления нагрузки вдоль линии с потерями "
                            "к генератору или к нагрузке\nпо диаграмме "
                            "сопротивлений; |Г|, КСВ и КБВ.",
                            "ru.zchart.zline",
                            {chart::kIconGrid, zline::kIconConstruction}},
                           argc, argv, zline::Form1);
}
