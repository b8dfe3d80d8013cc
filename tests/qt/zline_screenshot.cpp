// Saves a picture of zline's window after a move along the line, for the documentation:
// the real window on the offscreen platform, typed into and clicked as its user would,
// with the comma of a Russian desktop. The load's mirror points are shown, and the move
// goes toward the generator through a lossy line.
//
//     zline_screenshot OUTPUT.png
#include "tests/qt/WindowDriver.h"

#include "zline/Unit1.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    driver::ProgramWindow<zline::TForm1> w("zline");
    driver::TypeOver(w.Widget("Edit1"), "50");
    driver::TypeOver(w.Widget("Edit2"), "50");
    driver::TypeOver(w.Widget("Edit3"), "50");
    driver::TypeOver(w.Widget("Edit4"), "0");
    driver::Press(w.Widget("CheckBox1"));
    driver::Press(w.Widget("Button1"));
    driver::TypeOver(w.Widget("Edit5"), "0,3");
    driver::TypeOver(w.Widget("Edit6"), "1");
    driver::TypeOver(w.Widget("Edit7"), "2");
    driver::Press(w.Widget("RadioButton1"));
    driver::Press(w.Widget("Button2"));
    for (const std::string& error : w.host.Errors)
        std::fprintf(stderr, "error box: %s\n", error.c_str());
    if (!w.host.Errors.empty()) return 1;
    if (!driver::SaveWindow(w.host.Window(), QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
