#pragma once

#include "tests/common/HeadlessWindow.h"

#include "theory/LineTheory.h"
#include "toolkit/Exceptions.h"
#include "zmatch/Unit1.h"

#include <cmath>

namespace testing_zmatch {

// A zmatch window of its own, headless, with the grid drawn as at start-up.
struct Window : testing_common::HeadlessWindow<zmatch::TForm1> {
    explicit Window(char separator = ',') : HeadlessWindow(separator) {}

    void ShowLoad(const char* rn, const char* xn, const char* rv = "50", const char* xv = "0") {
        TypeLoad(rn, xn, rv, xv);
        form.Button1Click(form.Button1);
    }

    // A load point placed straight on a pixel, as if plotted there: the load is the one that
    // pixel stands for, on a 50-ohm line.
    void PlaceLoad(int x, int y) {
        state.PointX = x;
        state.PointY = y;
        state.PointDistPx = float(std::hypot(x - 400.0, y - 350.0));
        state.ZLine = {50, 0};
        const theory::TComplex gamma{(x - 400.0) / 300, (350.0 - y) / 300};
        form.RecordShownLoad({50.0 * theory::ImpedanceOf(gamma), {50, 0}});
    }

    void Match(bool shortStub = true, const char* wavelength = "1") {
        (shortStub ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit6->Text = wavelength;
        log.clear();
        form.Button2Click(form.Button2);
    }
};

} // namespace testing_zmatch
