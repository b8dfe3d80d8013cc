#include "Unit1.h"

#include <Startup.h>

int main(int argc, char** argv) {
    return tkqt::RunMainForm({"zmatch", "Согласование нагрузки с линией одним параллельным "
                                        "шлейфом, короткозамкнутым или\nразомкнутым, "
                                        "построением на диаграмме сопротивлений."},
                             argc, argv, zmatch::Form1);
}
