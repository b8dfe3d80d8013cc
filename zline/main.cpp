#include "Unit1.h"

#include <Startup.h>

int main() {
    return tkqt::RunMainForm("zline", zline::Form1);
}
