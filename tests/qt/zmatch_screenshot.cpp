// Saves a picture of zmatch's window after a matching, for the documentation: the real
// window on the offscreen platform, typed into and clicked as its user would, with the
// comma of a Russian desktop. Both stub arcs stay on the chart, the labels give the open
// stub, the last one matched.
//
//     zmatch_screenshot OUTPUT.png
#include "tests/qt/WindowDriver.h"

#include "zmatch/Unit1.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Widget("Edit1"), "100");
    driver::TypeOver(w.Widget("Edit2"), "50");
    driver::TypeOver(w.Widget("Edit3"), "50");
    driver::TypeOver(w.Widget("Edit4"), "0");
    driver::Press(w.Widget("Button1"));
    driver::Press(w.Widget("RadioButton1"));
    driver::Press(w.Widget("Button2"));
    driver::Press(w.Widget("RadioButton2"));
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
