#include "zmatch/Icon.h"
#include "zmatch/Unit1.h"

#include "cli/RunProgram.h"
#include "cli/ZmatchAnswers.h"

#include "chart/IconGrid.h"

int main(int argc, char** argv) {
    return cli::RunProgram(cli::ZmatchProgram(),
                           {"zmatch",
                            "Согласование нагрузки с линией одним параллельным "
                            "шлейфом, короткозамкнутым или\nразомкнутым, "
                            "построением на диаграмме сопротивлений.",
                            "ru.zchart.zmatch",
                            {chart::kIconGrid, zmatch::kIconConstruction}},
                           argc, argv, zmatch::Form1);
}
