#include "zmatch/Icon.h"
#include "zmatch/Unit1.h"

#include "chart/IconGrid.h"

#include "toolkit/qt/Startup.h"

int main(int argc, char** argv) {
    return tkqt::RunMainForm({"zmatch",
                              "Согласование нагрузки с линией одним параллельным "
                              "шлейфом, короткозамкнутым или\nразомкнутым, "
                              "построением на диаграмме сопротивлений.",
                              "ru.zchart.zmatch",
                              {chart::kIconGrid, zmatch::kIconConstruction}},
                             argc, argv, zmatch::Form1);
}
