#pragma once

#include "tests/common/HeadlessWindow.h"

#include "toolkit/Exceptions.h"
#include "zline/Unit1.h"

namespace testing_zline {

// A zline window of its own, headless, with the grid and ruler drawn as at start-up.
struct Window : testing_common::HeadlessWindow<zline::TForm1> {
    explicit Window(char separator = ',') : HeadlessWindow(separator) {}

    void ShowLoad(const char* rn, const char* xn, bool mirrors = false) {
        TypeLoad(rn, xn, "50", "0");
        form.CheckBox1->Checked = mirrors;
        log.clear();
        form.Button1Click(form.Button1);
    }

    // A load as if plotted: its radius and place on the wavelength scale.
    void PlaceLoad(float distPx, float wavePos, std::complex<double> zLine = {50, 0}) {
        state.PointDistPx = distPx;
        state.LoadWavePos = wavePos;
        state.ZLine = zLine;
    }

    void Move(bool towardGenerator, const char* l, const char* lambda, const char* attenuation) {
        (towardGenerator ? form.RadioButton1 : form.RadioButton2)->SetChecked(true);
        form.Edit5->Text = l;
        form.Edit6->Text = lambda;
        form.Edit7->Text = attenuation;
        log.clear();
        form.Button2Click(form.Button2);
    }
};

} // namespace testing_zline
