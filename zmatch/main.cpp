#include "zmatch/Unit1.h"

#include "toolkit/qt/Startup.h"

int main(int argc, char** argv) {
    return tkqt::RunMainForm({"zmatch", "Согласование нагрузки с линией одним параллельным "
                                        "шлейфом, короткозамкнутым или\nразомкнутым, "
                                        "построением на диаграмме сопротивлений."},
                             argc, argv, zmatch::Form1);
}
